#pragma once

#include <QString>

#include <cstdint>

#include "number_format.h"

namespace rangedesk::records {

// A reading in metres with three decimals, "1.234", from tenths of a millimetre.
QString ReadingText(std::int32_t tenthsOfMillimetre, const NumberFormat& format);
// The same with its unit, as the command line and the clipboard give it: "1.234 m".
QString ReadingTextWithUnit(std::int32_t tenthsOfMillimetre, const NumberFormat& format);

} // namespace rangedesk::records
