#pragma once

#include <optional>
#include <string_view>

#include "quantity.h"

namespace rangedesk {

// The quantity a slot shows, read from the texts the record decoders write: its value text,
// its suffix text and the record's unit text (the UNIT column).
//
// Read: a plain decimal with "." or "," and an optional leading "-" or blank, followed by the
// suffix m, 米, ft, in, m2, 米2, ft2, m3, 米3, ft3, ° or %; whole inches with a fraction
// ("73 3/4", "12 ", suffix in); feet and inches ("10'08''", "10'08''1/2", "5'03'' 1/2") with
// a blank suffix; and, in a feet-and-inches record (blank suffix and blank UNIT), a bare whole
// number, which counts whole inches. Anything else gives no quantity: "---", blanks, a
// temperature ("°C"), unknown units, inches above 11, a fraction over anything but 1, 2, 4, 8,
// 16 or 32, more than 10 whole or 9 decimal digits. Nothing is allocated.
std::optional<Quantity> ReadQuantity(std::string_view valueText, std::string_view suffixText,
                                     std::string_view unitText);

// The same from a grid cell, which holds the value text, one blank and the suffix text.
std::optional<Quantity> ReadCellQuantity(std::string_view cellText, std::string_view unitText);

} // namespace rangedesk
