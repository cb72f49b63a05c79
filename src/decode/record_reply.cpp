#include "record_reply.h"

#include "byte_order.h"
#include "compact_record.h"
#include "extended_record.h"

namespace rangedesk {
namespace {

constexpr std::size_t kTypeByte = 2;
constexpr std::size_t kAccumulateByte = 3;
constexpr std::size_t kFirstValue = 5;

} // namespace

std::size_t ReplyLength(RecordLayout layout) {
    return layout == RecordLayout::Extended ? kExtendedReplyLength : kCompactReplyLength;
}

void DecodeRecordReply(RecordLayout layout, std::span<const std::uint8_t> reply,
                       MeasurementRecord& record, const NumberFormat& format) {
    if (layout == RecordLayout::Extended) {
        DecodeExtendedRecord(reply.first(kExtendedDecodedBytes), record, format);
        return;
    }
    const std::uint8_t type = reply[kTypeByte];
    const std::uint8_t accumulate = reply[kAccumulateByte];
    DecodeCompactValues(ReadLe32(reply, kFirstValue), ReadLe32(reply, kFirstValue + 4),
                        ReadLe32(reply, kFirstValue + 8), ReadLe32(reply, kFirstValue + 12), type,
                        accumulate, record, format);
    DecodeCompactUnitsAndMode(type >> 4, type & 0x0F, accumulate, record);
}

} // namespace rangedesk
