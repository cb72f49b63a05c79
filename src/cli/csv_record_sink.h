#pragma once

#include <vector>

#include "csv_text.h"
#include "record_sink.h"

class QIODevice;

namespace rangedesk::cli {

// Writes a download as CSV: the header once the meter has answered its count, then one line
// per record with the texts of its LoadData row.
class CsvRecordSink : public records::RecordSink {
public:
    CsvRecordSink(QIODevice& out, bool byteOrderMark);

    void EmptyLoadData() override;
    void AddRecToLib(int i, const MeasurementRecord& record, RecordLayout layout,
                     std::span<const std::uint8_t> reply) override;
    bool Started() const { return started_; }

private:
    void Write(const QByteArray& bytes);

    QIODevice& out_;
    bool byteOrderMark_;
    bool started_ = false;
    output::CsvOptions options_;
};

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
