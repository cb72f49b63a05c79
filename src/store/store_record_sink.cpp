#include "store_record_sink.h"

#include "load_data_row.h"
#include "record_store.h"

namespace rangedesk::store {

void StoreRecordSink::BeginDownload(const records::DownloadSource& source) {
    writer_.Begin(source);
}

void StoreRecordSink::FinishDownload(const records::DownloadSummary& summary) {
    writer_.Finish(summary);
}

void StoreRecordSink::EmptyLoadData() {
    store_.EmptyLoadData();
    writer_.LoadDataShowsCurrent();
}

void StoreRecordSink::AddRecToLib(int i, const MeasurementRecord& record, RecordLayout layout,
                                  std::span<const std::uint8_t> reply) {
    const records::LoadDataTexts texts = records::RowTexts(i, record, layout);
    store_.AppendLoadDataRow(texts, [&] { writer_.Keep(i, reply, texts); });
}

} // namespace rangedesk::store
