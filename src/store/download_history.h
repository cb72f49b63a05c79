#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariantList>

#include <optional>
#include <vector>

#include "load_data_row.h"

namespace rangedesk::store {

class RecordStore;

// One download as the history keeps it.
struct DownloadInfo {
    qint64 Id = 0;
    QDateTime Started; // UTC
    QDateTime Finished;
    int Model = 0;
    int VendorID = 0;
    int ProductID = 0;
    int Asked = 0;   // written when the download ends
    int Stored = 0;  // written when the download ends
    int Kept = 0;    // the records it holds now
    QString Outcome; // a word of records::OutcomeWord; a download left "running" by a program
                     // that no longer runs reads "interrupted"
};

// One record of a download: its number, the meter's bytes (none for imported rows) and the
// texts of its LoadData row.
struct HistoryRecord {
    int RecNo = 0;
    QByteArray Reply;
    records::LoadDataTexts Texts;
};

// Reads the downloads kept in the database; any access will do. Every call throws StoreError.
// What writes them is the DownloadWriter.
class DownloadHistory {
public:
    explicit DownloadHistory(RecordStore& store) : store_(store) {}

    // Newest first.
    std::vector<DownloadInfo> List() const;
    std::optional<DownloadInfo> Find(qint64 id) const;
    std::vector<HistoryRecord> Records(qint64 id) const;
    // Records of this download that the previous download from the same model did not have
    // with the same bytes under the same number.
    int NewRecords(const DownloadInfo& download) const;

private:
    std::vector<DownloadInfo> Query(const QString& where, const QVariantList& values) const;

    RecordStore& store_;
};

// How many records a download holds, as the list shows it: "5 of 6" (stored of asked) once it
// has ended; "312 kept" while it runs or after it was interrupted, whose counts are written
// only at its end.
QString RecordsText(const DownloadInfo& download);

} // namespace rangedesk::store
