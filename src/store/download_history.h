#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

#include "load_data_row.h"
#include "number_format.h"

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
    int Asked = 0;
    int Stored = 0;
    QString Outcome; // running, complete, incomplete, cancelled, unplugged, no answer, failed,
                     // interrupted, imported
};

// One record of a download: its number, the meter's bytes (none for imported rows) and the
// texts of its LoadData row.
struct HistoryRecord {
    int RecNo = 0;
    QByteArray Reply;
    records::LoadDataTexts Texts;
};

// The downloads kept in the database, over an open record store. Every call throws StoreError.
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

    // Puts the download's rows into LoadData, in place of what it held.
    void Load(qint64 id);
    void Delete(qint64 id);
    // Decodes the kept bytes again with this program's decoder and stores the texts where they
    // differ; returns how many records changed.
    int Redecode(qint64 id, const NumberFormat& format);

private:
    RecordStore& store_;
};

} // namespace rangedesk::store
