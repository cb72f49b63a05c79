#pragma once

#include <cstdint>
#include <vector>

#include "extended_record.h"

namespace rangedesk::sim {

// The fields of a compact record reply.
struct CompactFields {
    std::uint8_t UnitCode = 1;
    std::uint8_t ModeCode = 0;
    std::uint8_t AccumulateCode = 0;
    std::uint32_t Dist1Raw = 0;
    std::uint32_t Dist2Raw = 0;
    std::uint32_t Dist3Raw = 0;
    std::uint32_t ResultRaw = 0;
};

// 37 bytes with the checksum in byte 36.
std::vector<std::uint8_t> EncodeExtendedReply(const ExtendedRecord& fields);
// 22 bytes: "#", the fields, and the checksum over bytes 1 to 20.
std::vector<std::uint8_t> EncodeCompactReply(const CompactFields& fields);

} // namespace rangedesk::sim
