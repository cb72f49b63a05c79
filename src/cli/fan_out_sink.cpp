#include "fan_out_sink.h"

namespace rangedesk::cli {

void FanOutSink::BeginDownload(const records::DownloadSource& source) {
    for (records::RecordSink* sink : sinks_) {
        sink->BeginDownload(source);
    }
}

void FanOutSink::FinishDownload(const records::DownloadSummary& summary) {
    for (records::RecordSink* sink : sinks_) {
        sink->FinishDownload(summary);
    }
}

void FanOutSink::EmptyLoadData() {
    for (records::RecordSink* sink : sinks_) {
        sink->EmptyLoadData();
    }
}

void FanOutSink::AddRecToLib(int i, const MeasurementRecord& record, RecordLayout layout,
                             std::span<const std::uint8_t> reply) {
    for (records::RecordSink* sink : sinks_) {
        sink->AddRecToLib(i, record, layout, reply);
    }
}

} // namespace rangedesk::cli
