#include "quantity.h"

#include <array>

namespace rangedesk {
namespace {

struct UnitRow {
    MeasureUnit unit;
    QuantityKind kind;
    std::string_view text;
    std::int64_t numerator; // base units per unit, exactly
    std::int64_t denominator;
};

// One row per MeasureUnit, in its order. 1 ft = 0.3048 m = 381/1250 m, 1 in = 127/5000 m.
constexpr std::array<UnitRow, 9> kUnits = {{
    {MeasureUnit::Metre, QuantityKind::Length, "m", 1, 1},
    {MeasureUnit::Foot, QuantityKind::Length, "ft", 381, 1250},
    {MeasureUnit::Inch, QuantityKind::Length, "in", 127, 5000},
    {MeasureUnit::SquareMetre, QuantityKind::Area, "m2", 1, 1},
    {MeasureUnit::SquareFoot, QuantityKind::Area, "ft2", 145161, 1562500},
    {MeasureUnit::CubicMetre, QuantityKind::Volume, "m3", 1, 1},
    {MeasureUnit::CubicFoot, QuantityKind::Volume, "ft3", 55306341, 1953125000},
    {MeasureUnit::Degree, QuantityKind::Angle, "\u00B0", 1, 1},
    {MeasureUnit::Percent, QuantityKind::SlopePercent, "%", 1, 1},
}};

constexpr const UnitRow& Row(MeasureUnit unit) {
    return kUnits[static_cast<std::size_t>(unit)];
}

static_assert([] {
    for (std::size_t i = 0; i < kUnits.size(); ++i) {
        if (static_cast<std::size_t>(kUnits[i].unit) != i) {
            return false;
        }
    }
    return true;
}());

} // namespace

QuantityKind KindOf(MeasureUnit unit) {
    return Row(unit).kind;
}

MeasureUnit BaseUnit(QuantityKind kind) {
    switch (kind) {
    case QuantityKind::Length:
        return MeasureUnit::Metre;
    case QuantityKind::Area:
        return MeasureUnit::SquareMetre;
    case QuantityKind::Volume:
        return MeasureUnit::CubicMetre;
    case QuantityKind::Angle:
        return MeasureUnit::Degree;
    case QuantityKind::SlopePercent:
        return MeasureUnit::Percent;
    }
    return MeasureUnit::Metre;
}

const ExactRational& BaseUnitsPer(MeasureUnit unit) {
    static const std::array<ExactRational, kUnits.size()> kFactors = [] {
        std::array<ExactRational, kUnits.size()> factors;
        for (std::size_t i = 0; i < kUnits.size(); ++i) {
            factors[i] = *ExactRational::Make(kUnits[i].numerator, kUnits[i].denominator);
        }
        return factors;
    }();
    return kFactors[static_cast<std::size_t>(unit)];
}

std::string_view UnitText(MeasureUnit unit) {
    return Row(unit).text;
}

std::string_view KindName(QuantityKind kind) {
    switch (kind) {
    case QuantityKind::Length:
        return "length";
    case QuantityKind::Area:
        return "area";
    case QuantityKind::Volume:
        return "volume";
    case QuantityKind::Angle:
        return "angle";
    case QuantityKind::SlopePercent:
        return "slope";
    }
    return {};
}

std::optional<ExactRational> ValueIn(const Quantity& q, MeasureUnit unit) {
    if (KindOf(unit) != q.Kind) {
        return std::nullopt;
    }
    return Divide(q.Value, BaseUnitsPer(unit));
}

} // namespace rangedesk
