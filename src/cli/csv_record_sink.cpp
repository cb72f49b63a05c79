#include "csv_record_sink.h"

#include <QIODevice>

#include "load_data_columns.h"
#include "load_data_row.h"
#include "output_target.h"

namespace rangedesk::cli {

CsvRecordSink::CsvRecordSink(QIODevice& out, bool byteOrderMark)
    : out_(out), byteOrderMark_(byteOrderMark) {}

void CsvRecordSink::Write(const QByteArray& bytes) {
    if (out_.write(bytes) != bytes.size()) {
        throw FileError("Cannot write the CSV: " + out_.errorString().toStdString());
    }
}

void CsvRecordSink::EmptyLoadData() {
    if (started_) {
        return;
    }
    started_ = true;
    QStringList header;
    for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
        header << records::ColumnName(c);
    }
    Write((byteOrderMark_ ? output::kUtf8Bom : QByteArray()) + output::CsvRecord(header, options_));
}

void CsvRecordSink::AddRecToLib(int i, const MeasurementRecord& record, RecordLayout layout,
                                std::span<const std::uint8_t>) {
    const records::LoadDataTexts texts = records::RowTexts(i, record, layout);
    Write(output::CsvRecord(QStringList(texts.begin(), texts.end()), options_));
}

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
