#pragma once

#include "csv_text.h"
#include "record_sink.h"

namespace rangedesk::output {

class OutputTarget;

// Writes a download as CSV as it comes: the header once the meter has answered its count, then
// one line per record with the texts of its LoadData row. A byte-order mark starts a file,
// never standard output. A failed write (a full disk, a closed pipe) is an ExportError, which
// ends the download.
class CsvRecordSink : public records::RecordSink {
public:
    explicit CsvRecordSink(OutputTarget& out);

    void EmptyLoadData() override;
    void AddRecToLib(int i, const MeasurementRecord& record, RecordLayout layout,
                     std::span<const std::uint8_t> reply) override;
    bool Started() const { return started_; }

private:
    OutputTarget& out_;
    bool started_ = false;
    CsvOptions options_;
};

} // namespace rangedesk::output
