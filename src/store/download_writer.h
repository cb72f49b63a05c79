#pragma once

#include <optional>

#include <QString>

#include <cstdint>
#include <span>
#include <stdexcept>

#include "load_data_row.h"
#include "writer_lock.h"

namespace rangedesk::records {
struct DownloadSource;
struct DownloadSummary;
} // namespace rangedesk::records

namespace rangedesk::store {

class RecordStore;

// A history operation refused for what the download is, not for the database: no download of
// that number, or none of a known meter model to decode again.
class HistoryRefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct RedecodeResult {
    int Changed = 0;          // records whose texts differ now
    int Kept = 0;             // records the download holds
    QString DecimalSeparator; // the separator the download was made with, kept
};

// The one writer of the history tables, Downloads and DownloadRecords: a download from its
// beginning to its end with each record kept, and the load, delete and redecode of a kept
// download. It holds the database's writer lock for the whole of a download and for the time
// of a load, a delete or a redecode, so a second writer, in this process or another, is refused
// with "the database is in use by a download (process N)". Every call throws StoreError.
class DownloadWriter {
public:
    explicit DownloadWriter(RecordStore& store);

    // The job the next downloads go into; none by default.
    void SetJob(std::optional<qint64> jobId) { job_ = jobId; }
    // The Downloads row of a download, "running", before the meter is asked anything: its
    // meter, the decimal separator of its texts, its job, this desk and user.
    void Begin(const records::DownloadSource& source);
    // LoadData was emptied for the download running: it shows that download now.
    void LoadDataShowsCurrent();
    // How it ended; the database is checkpointed and let go. Nothing when none was begun.
    void Finish(const records::DownloadSummary& summary);
    bool Downloading() const { return current_ != 0; }
    // The Downloads row of the last download begun, running or ended; 0 before the first.
    qint64 LastDownload() const { return last_; }
    // The kept copy of record `recNo` of the download running, with the meter's bytes, inside
    // the caller's transaction (the one that stores its LoadData row). Nothing outside a
    // download.
    void Keep(int recNo, std::span<const std::uint8_t> reply, const records::LoadDataTexts& texts);

    // Puts the download's rows into LoadData, in place of what it held.
    void Load(qint64 id);
    // Puts rows that are no download of this desk (another desk's, read from a team server)
    // into LoadData, in place of what it held.
    void LoadRows(std::span<const records::LoadDataTexts> rows);
    void Delete(qint64 id);
    // Decodes the kept bytes again with this program's decoder, with the decimal separator the
    // download was made with, and stores the texts where they differ. A download of no known
    // model (imported, with no bytes) is refused with HistoryRefusal.
    RedecodeResult Redecode(qint64 id);

    // Downloads left "running" by a program that ended without finishing them become
    // "interrupted" and are queued for a team server with what they kept; one that a live
    // process runs keeps its word.
    void MarkInterrupted();

private:
    void RefuseDuringOwnDownload() const;
    void RequireDownload(qint64 id) const;

    RecordStore& store_;
    WriterLock lock_;
    qint64 current_ = 0; // the Downloads row of the download running
    qint64 last_ = 0;
    std::optional<qint64> job_;
};

} // namespace rangedesk::store
