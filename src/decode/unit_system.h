#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "number_format.h"
#include "quantity.h"

namespace rangedesk {

// The units values are shown in at the edge (exports, totals, reports). Stored texts never
// change. Angles stay in degrees and slopes in percent under every system.
enum class UnitSystem {
    AsMeasured, // every value in the unit it was written in
    Metric,     // m, m2, m3
    Imperial,   // ft, ft2, ft3
};

// The unit a value of `kind` written in `writtenUnit` is shown in under `system`.
MeasureUnit ShownUnit(QuantityKind kind, MeasureUnit writtenUnit, UnitSystem system);

// Decimals of a shown value: 3 for m and m3; 2 for m2, ft, ft2, ft3 and in; 1 for °; 0 for %.
int ShownDecimals(MeasureUnit unit);

// A value in the unit it is shown in, kept exact.
struct ConvertedValue {
    MeasureUnit Unit = MeasureUnit::Metre;
    ExactRational Value;

    std::string_view UnitText() const { return rangedesk::UnitText(Unit); }
    // For a number cell of a spreadsheet.
    double NearestDouble() const { return rangedesk::NearestDouble(Value); }
    // Rounded to ShownDecimals(Unit), halves away from zero: "0.064".
    std::string ShownText(const NumberFormat& format) const;
    // For a text file: at least 15 significant digits, every digit of a terminating value.
    std::string FullPrecisionText(const NumberFormat& format) const;
    bool operator==(const ConvertedValue&) const = default;
};

// The exact value in `unit`; throws std::overflow_error when it does not fit (never for a
// quantity from ReadQuantity) and std::invalid_argument for a unit of another kind.
ConvertedValue ConvertTo(const Quantity& q, MeasureUnit unit);

// The value as `system` shows it.
ConvertedValue Convert(const Quantity& q, UnitSystem system);

// What a slot shows under a system: converted texts ("0.064", "m") when it holds a quantity
// and the system is not AsMeasured, otherwise its own texts. Value is set whenever the slot
// holds a quantity, in the shown unit (the written one under AsMeasured).
struct ShownSlot {
    std::string ValueText;
    std::string UnitText;
    std::optional<ConvertedValue> Value;
};

ShownSlot ShowSlot(std::string_view valueText, std::string_view suffixText,
                   std::string_view unitText, UnitSystem system, const NumberFormat& format);

// A grid cell (value text, blank, suffix text) as `system` shows it: "0.064 m" for "2.5 in"
// under Metric; the cell unchanged under AsMeasured or when it holds no quantity.
std::string ShownCellText(std::string_view cellText, std::string_view unitText, UnitSystem system,
                          const NumberFormat& format);

} // namespace rangedesk
