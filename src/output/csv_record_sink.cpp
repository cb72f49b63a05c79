#include "csv_record_sink.h"

#include <QLocale>

#include "load_data_columns.h"
#include "load_data_row.h"
#include "output_target.h"

namespace rangedesk::output {

CsvRecordSink::CsvRecordSink(OutputTarget& out) : out_(out), options_(CsvOptionsFor(QLocale())) {}

void CsvRecordSink::EmptyLoadData() {
    if (started_) {
        return;
    }
    started_ = true;
    QStringList header;
    for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
        header << records::ColumnName(c);
    }
    out_.Write((out_.IsStandardOutput() ? QByteArray() : kUtf8Bom) + CsvRecord(header, options_));
}

void CsvRecordSink::AddRecToLib(int i, const MeasurementRecord& record, RecordLayout layout,
                                std::span<const std::uint8_t>) {
    const records::LoadDataTexts texts = records::RowTexts(i, record, layout);
    out_.Write(CsvRecord(QStringList(texts.begin(), texts.end()), options_));
}

} // namespace rangedesk::output
