#pragma once

#include <vector>

#include "record_sink.h"

namespace rangedesk::cli {

// Hands every record to several sinks in turn: the database first.
class FanOutSink : public records::RecordSink {
public:
    explicit FanOutSink(std::vector<records::RecordSink*> sinks) : sinks_(std::move(sinks)) {}
    void BeginDownload(const records::DownloadSource& source) override;
    void FinishDownload(const records::DownloadSummary& summary) override;
    void EmptyLoadData() override;
    void AddRecToLib(int i, const MeasurementRecord& record, RecordLayout layout,
                     std::span<const std::uint8_t> reply) override;

private:
    std::vector<records::RecordSink*> sinks_;
};

} // namespace rangedesk::cli
