// Arbitrary 64-byte replies to both decoders and arbitrary meter values to every formatter:
// nothing may crash, and every text must stay short.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "byte_order.h"
#include "formatters.h"
#include "measurement_record.h"
#include "record_reply.h"

using namespace rangedesk;

namespace {

constexpr std::size_t kMaxText = 63;

void Check(const std::string& text) {
    if (text.size() > kMaxText) {
        std::abort();
    }
}

void CheckRecord(const MeasurementRecord& r) {
    Check(r.ModeText);
    Check(r.UnitText);
    for (const auto& s : r.Slots) {
        Check(s.ValueText);
        Check(s.SuffixText);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint8_t reply[64] = {};
    std::memcpy(reply, data, size < sizeof reply ? size : sizeof reply);
    const std::span<const std::uint8_t> bytes(reply);
    const NumberFormat format{(reply[0] & 1) ? "," : "."};

    MeasurementRecord record;
    DecodeRecordReply(RecordLayout::Extended, bytes, record, format);
    CheckRecord(record);
    DecodeRecordReply(RecordLayout::Compact, bytes, record, format);
    CheckRecord(record);

    const std::uint32_t u = ReadLe32(bytes, 40);
    const auto s = static_cast<std::int32_t>(ReadLe32(bytes, 44));
    Check(InchFractionText(reply[48]));
    Check(InchText(u, format));
    Check(FeetInchText(u, format));
    Check(AngleText(s, format));
    Check(SlopePercentText(s));
    Check(SignedTenthsText(u, format));
    const char* patterns[] = {"0", "0.0", "0.00", "0.000"};
    const char* pattern = patterns[reply[49] & 3];
    Check(FormatPattern(u / 3.048 / 1000, pattern, format));
    Check(FormatPattern(u / 2.53999 / 100, pattern, format));
    Check(FormatPattern(static_cast<std::int64_t>(s), reply[50] % 10, pattern, format));
    Check(FormatDecimals(u, reply[51] % 10, reply[51] % 10, format));
    return 0;
}
