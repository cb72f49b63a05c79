#pragma once

#include <cstdint>
#include <string>

#include "number_format.h"

namespace rangedesk {

// Raw lengths are tenths of a millimetre; angles are tenths of a degree.
inline constexpr double kInchDivisor = 2.53999; // the meter's own, not 2.54
inline constexpr double kFootDivisor = 3.048;

std::string InchFractionText(std::uint8_t thirtySeconds);
std::string InchText(std::uint32_t tenthsMm, const NumberFormat& format);
std::string FeetInchText(std::uint32_t tenthsMm, const NumberFormat& format);
std::string AngleText(std::int32_t tenthsDegree, const NumberFormat& format);
std::string SlopePercentText(std::int32_t tenthsDegree);
std::string SignedTenthsText(std::uint32_t tenthsDegree, const NumberFormat& format);

} // namespace rangedesk
