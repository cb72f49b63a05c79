#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "exact_rational.h"

namespace rangedesk {

// What a measured value is. Values of different kinds are never added together.
enum class QuantityKind : std::uint8_t { Length, Area, Volume, Angle, SlopePercent };

// The units a meter writes values in. Each kind has one base unit (Metre, SquareMetre,
// CubicMetre, Degree, Percent) in which a Quantity keeps its value.
enum class MeasureUnit : std::uint8_t {
    Metre,
    Foot,
    Inch, // also feet-and-inches texts, which count whole inches and fractions of one
    SquareMetre,
    SquareFoot,
    CubicMetre,
    CubicFoot,
    Degree,
    Percent,
};

// A value read from a slot's texts.
struct Quantity {
    QuantityKind Kind = QuantityKind::Length;
    ExactRational Value;                          // in the base unit of Kind
    MeasureUnit WrittenUnit = MeasureUnit::Metre; // the unit of the text, "米" being Metre
    bool operator==(const Quantity&) const = default;
};

QuantityKind KindOf(MeasureUnit unit);
MeasureUnit BaseUnit(QuantityKind kind);

// How many base units one `unit` is, exactly: Foot 0.3048, Inch 0.0254, SquareFoot
// 0.09290304, CubicFoot 0.028316846592, the base units 1.
const ExactRational& BaseUnitsPer(MeasureUnit unit);

// "m", "ft", "in", "m2", "ft2", "m3", "ft3", "°", "%".
std::string_view UnitText(MeasureUnit unit);

// "length", "area", "volume", "angle", "slope": stable names for files and JSON.
std::string_view KindName(QuantityKind kind);

// The exact value of q in `unit`; empty when the unit is of another kind.
std::optional<ExactRational> ValueIn(const Quantity& q, MeasureUnit unit);

} // namespace rangedesk
