#pragma once

#include "download_writer.h"
#include "record_sink.h"

namespace rangedesk::store {

class RecordStore;

// A download into the record database: each record's LoadData row and its kept copy with the
// meter's bytes are committed together, so a pulled cable or a killed program loses nothing
// that was stored. The database is held for the download from its beginning to its end.
class StoreRecordSink : public records::RecordSink {
public:
    explicit StoreRecordSink(RecordStore& store) : store_(store), writer_(store) {}

    // The job the next downloads go into; none by default.
    void SetJob(std::optional<qint64> jobId) { writer_.SetJob(jobId); }
    // The Downloads row of the last download begun; 0 before the first.
    qint64 LastDownload() const { return writer_.LastDownload(); }
    void BeginDownload(const records::DownloadSource& source) override;
    void FinishDownload(const records::DownloadSummary& summary) override;
    void EmptyLoadData() override;
    void AddRecToLib(int i, const MeasurementRecord& record, RecordLayout layout,
                     std::span<const std::uint8_t> reply = {}) override;

private:
    RecordStore& store_;
    DownloadWriter writer_;
};

} // namespace rangedesk::store
