// Arbitrary reports of 0 to 200 bytes, as the meter's data handler stores them, to every reply
// check; a reply that passes is decoded in its layout. Nothing may read out of bounds.
#include <cstdint>

#include "measurement_record.h"
#include "record_reply.h"
#include "reply_checks.h"

using namespace rangedesk;
using namespace rangedesk::meter;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 200) {
        return 0;
    }
    ReplyBuffer reply;
    reply.Store(data, size);
    MeasurementRecord record;
    const NumberFormat format{"."};
    for (const ReplyKind kind : {ReplyKind::Echo, ReplyKind::CurrentReading, ReplyKind::RecordCount,
                                 ReplyKind::CompactRecord, ReplyKind::ExtendedRecord}) {
        if (CheckReply(kind, reply, "ATK001#") != ReplyFault::None) {
            continue;
        }
        if (kind == ReplyKind::CompactRecord || kind == ReplyKind::ExtendedRecord) {
            const auto layout =
                kind == ReplyKind::CompactRecord ? RecordLayout::Compact : RecordLayout::Extended;
            DecodeRecordReply(layout, reply.Latest(), record, format);
        }
        (void)CurrentReadingValue(reply);
        (void)RecordCountValue(reply);
    }
    return 0;
}
