#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "measurement_record.h"
#include "number_format.h"

namespace rangedesk {

// Bytes 0..32 of the reply are decoded; the checksum in byte 36 is checked by the caller.
inline constexpr std::size_t kExtendedDecodedBytes = 33;

// The fields of an extended record reply, unpacked before any text is made.
struct ExtendedRecord {
    std::uint8_t StepCode = 0;
    std::uint8_t Negative = 0;
    std::uint8_t UnitCode = 0;
    std::uint8_t PercentFlag = 0;
    std::uint8_t AccumulateCode = 0;
    std::uint8_t ContinuousCode = 0;
    std::uint8_t ModeCode = 0;
    // Indexed by SlotId.
    std::array<std::uint32_t, 4> Value{};
    std::array<std::uint8_t, 4> Decimals{};
    std::array<std::uint8_t, 4> Kind{};
};

// Needs at least kExtendedDecodedBytes bytes.
ExtendedRecord UnpackExtendedRecord(std::span<const std::uint8_t> reply);

// Writes every text of the record; a code without a meaning gives an empty text.
void DecodeExtendedRecord(std::span<const std::uint8_t> reply, MeasurementRecord& record,
                          const NumberFormat& format);

} // namespace rangedesk
