#pragma once

#include <cstdint>

#include "measurement_record.h"
#include "number_format.h"

namespace rangedesk {

// Writes the four value texts from the raw values of a compact record reply.
void DecodeCompactValues(std::uint32_t Dist1Raw, std::uint32_t Dist2Raw, std::uint32_t Dist3Raw,
                         std::uint32_t ResultRaw, std::uint8_t TypeByte,
                         std::uint8_t AccumulateCode, MeasurementRecord& record,
                         const NumberFormat& format);

// Writes the four suffix texts and the mode text; UnitText is left as it is.
void DecodeCompactUnitsAndMode(std::uint8_t UnitCode, std::uint8_t ModeCode,
                               std::uint8_t AccumulateCode, MeasurementRecord& record);

} // namespace rangedesk
