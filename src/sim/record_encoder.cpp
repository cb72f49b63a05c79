#include "record_encoder.h"

#include <array>
#include <span>

#include "byte_order.h"
#include "measurement_record.h"
#include "record_reply.h"

namespace rangedesk::sim {
namespace {

void WriteLe32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

constexpr std::array<SlotId, 4> kStoredOrder = {SlotId::RESULT, SlotId::DIST3, SlotId::DIST2,
                                                SlotId::DIST1};

} // namespace

std::vector<std::uint8_t> EncodeExtendedReply(const ExtendedRecord& f) {
    std::vector<std::uint8_t> out(kExtendedReplyLength, 0);
    for (std::size_t i = 0; i < kStoredOrder.size(); ++i) {
        const auto slot = static_cast<std::size_t>(kStoredOrder[i]);
        WriteLe32(out, 4 * i, f.Value[slot]);
        out[20 + i] = f.Decimals[slot];
        out[25 + i] = f.Kind[slot];
    }
    out[30] = static_cast<std::uint8_t>((f.StepCode & 0x0F) | (f.Negative & 1) << 4 |
                                        (f.UnitCode & 0x07) << 5);
    out[31] = static_cast<std::uint8_t>((f.PercentFlag & 1) | (f.AccumulateCode & 0x07) << 1);
    out[32] = static_cast<std::uint8_t>((f.ModeCode & 0x3F) | (f.ContinuousCode & 0x03) << 6);
    out[36] = Sum8(std::span(out).first(36));
    return out;
}

std::vector<std::uint8_t> EncodeCompactReply(const CompactFields& f) {
    std::vector<std::uint8_t> out(kCompactReplyLength, 0);
    out[0] = '#';
    out[2] = static_cast<std::uint8_t>((f.UnitCode & 0x0F) << 4 | (f.ModeCode & 0x0F));
    out[3] = f.AccumulateCode;
    WriteLe32(out, 5, f.Dist1Raw);
    WriteLe32(out, 9, f.Dist2Raw);
    WriteLe32(out, 13, f.Dist3Raw);
    WriteLe32(out, 17, f.ResultRaw);
    out[21] = Sum8(std::span(out).subspan(1, 20));
    return out;
}

} // namespace rangedesk::sim
