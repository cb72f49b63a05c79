#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUuid>

#include <functional>
#include <optional>
#include <set>
#include <vector>

#include "load_data_row.h"

class QSqlQuery;

namespace rangedesk::store {

class RecordStore;

// One download as the history keeps it.
struct DownloadInfo {
    qint64 Id = 0;
    QUuid Uuid;
    QDateTime Started; // UTC
    QDateTime Finished;
    int Model = 0;
    int VendorID = 0;
    int ProductID = 0;
    QString Serial; // the meter's USB serial number; empty when it reports none
    bool Simulated = false;
    int Asked = 0;   // written when the download ends
    int Stored = 0;  // written when the download ends
    int Kept = 0;    // the records it holds now
    QString Outcome; // a word of records::OutcomeWord; a download left "running" by a program
                     // that no longer runs reads "interrupted"
    QString DecimalSeparator; // its texts were written with; empty when not known (older)
    std::optional<qint64> JobId;
    QString JobName;
    QString JobClient;
    QString Desk; // the desk and user that made it
    QString User;
};

// One record of a download: its number, the meter's bytes (none for imported rows), the texts
// of its LoadData row, and what the user says of it.
struct HistoryRecord {
    int RecNo = 0;
    QByteArray Reply;
    records::LoadDataTexts Texts;
    QString Label;
    QString Note;
    bool Deduction = false;
};

// Which downloads a list shows.
struct DownloadFilter {
    std::optional<qint64> JobId; // those of one job
    bool WithoutJob = false;     // those of no job
};

// A download a search found, with its records that matched (none when it matched by its job).
struct SearchHit {
    DownloadInfo Download;
    std::vector<HistoryRecord> Records;
};

// The same, with only the numbers of the matching records: what a list needs, read without
// the records themselves.
struct SearchMatch {
    DownloadInfo Download;
    std::vector<int> RecordNumbers;
};

enum class RecordChoice { All, OnlyNew };

// Reads the downloads kept in the database; any access will do. Every call throws StoreError.
// What writes them is the DownloadWriter, the JobBook and the RecordEdits.
class DownloadHistory {
public:
    explicit DownloadHistory(RecordStore& store) : store_(store) {}

    // Newest first.
    std::vector<DownloadInfo> List(const DownloadFilter& filter = {}) const;
    std::optional<DownloadInfo> Find(qint64 id) const;
    std::vector<HistoryRecord> Records(qint64 id, RecordChoice choice = RecordChoice::All) const;
    // Records of this download that no earlier kept download from the same meter had with the
    // same bytes under the same number, whatever came in between. A meter is told apart by
    // vendor, product and serial number where it reports one, else by model.
    int NewRecords(const DownloadInfo& download) const;
    // The downloads whose job name or client, or whose records' label, note or mode, hold
    // `text` (case-insensitive, any script), newest first, each with its matching records.
    std::vector<SearchHit> Search(const QString& text) const;
    std::vector<SearchMatch> Matches(const QString& text) const;
    // The download LoadData shows now: the last one downloaded or put back; nothing when not
    // known (rows an older version left).
    std::optional<qint64> LoadDataDownload() const;

private:
    // One pass over the records whose search text holds `needle` (`select` names the columns,
    // the download's id first), each row handed to `take`; then the downloads found by their
    // job are added with no row. The downloads found (their ids also in `found`), newest first.
    std::vector<DownloadInfo> FindMatching(const QString& needle, const QString& select,
                                           const std::function<void(const QSqlQuery&)>& take,
                                           std::set<qint64>& found) const;
    std::vector<DownloadInfo> Query(const QString& where, const QVariantList& values) const;
    std::vector<HistoryRecord> RecordsWhere(qint64 id, const QString& where,
                                            const QVariantList& values) const;

    RecordStore& store_;
};

// How many records a download holds, as the list shows it: "5 of 6" (stored of asked) once it
// has ended; "312 kept" while it runs or after it was interrupted, whose counts are written
// only at its end.
QString RecordsText(const DownloadInfo& download);

// The meter, as the history shows it: "model 3", "model 3 SN0042", "simulated model 3", "-".
QString MeterText(const DownloadInfo& download);

// What names a download to the user: "Download 12, 2026-12-09 10:41, Site A" (local time).
QString DownloadCaption(const DownloadInfo& download);

} // namespace rangedesk::store
