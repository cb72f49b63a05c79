#include "unit_system.h"

#include <stdexcept>

#include "quantity_reader.h"

namespace rangedesk {

MeasureUnit ShownUnit(QuantityKind kind, MeasureUnit writtenUnit, UnitSystem system) {
    if (system == UnitSystem::AsMeasured) {
        return writtenUnit;
    }
    const bool metric = system == UnitSystem::Metric;
    switch (kind) {
    case QuantityKind::Length:
        return metric ? MeasureUnit::Metre : MeasureUnit::Foot;
    case QuantityKind::Area:
        return metric ? MeasureUnit::SquareMetre : MeasureUnit::SquareFoot;
    case QuantityKind::Volume:
        return metric ? MeasureUnit::CubicMetre : MeasureUnit::CubicFoot;
    case QuantityKind::Angle:
    case QuantityKind::SlopePercent:
        break;
    }
    return BaseUnit(kind);
}

int ShownDecimals(MeasureUnit unit) {
    switch (unit) {
    case MeasureUnit::Metre:
    case MeasureUnit::CubicMetre:
        return 3;
    case MeasureUnit::Degree:
        return 1;
    case MeasureUnit::Percent:
        return 0;
    case MeasureUnit::SquareMetre:
    case MeasureUnit::Foot:
    case MeasureUnit::Inch:
    case MeasureUnit::SquareFoot:
    case MeasureUnit::CubicFoot:
        break;
    }
    return 2;
}

std::string ConvertedValue::ShownText(const NumberFormat& format) const {
    return RoundedText(Value, ShownDecimals(Unit), format.DecimalSeparator);
}

std::string ConvertedValue::FullPrecisionText(const NumberFormat& format) const {
    return rangedesk::FullPrecisionText(Value, format.DecimalSeparator);
}

ConvertedValue ConvertTo(const Quantity& q, MeasureUnit unit) {
    if (KindOf(unit) != q.Kind) {
        throw std::invalid_argument("converting a " + std::string(KindName(q.Kind)) + " to " +
                                    std::string(UnitText(unit)));
    }
    const auto value = ValueIn(q, unit);
    if (!value) {
        throw std::overflow_error("converting " + FractionText(q.Value) + " " +
                                  std::string(UnitText(BaseUnit(q.Kind))) + " to " +
                                  std::string(UnitText(unit)) + ": the exact value is too large");
    }
    return {unit, *value};
}

ConvertedValue Convert(const Quantity& q, UnitSystem system) {
    return ConvertTo(q, ShownUnit(q.Kind, q.WrittenUnit, system));
}

ShownSlot ShowSlot(std::string_view valueText, std::string_view suffixText,
                   std::string_view unitText, UnitSystem system, const NumberFormat& format) {
    ShownSlot shown{std::string(valueText), std::string(suffixText), std::nullopt};
    const auto q = ReadQuantity(valueText, suffixText, unitText);
    if (!q) {
        return shown;
    }
    shown.Value = Convert(*q, system);
    if (system != UnitSystem::AsMeasured) {
        shown.ValueText = shown.Value->ShownText(format);
        shown.UnitText = std::string(shown.Value->UnitText());
    }
    return shown;
}

std::string ShownCellText(std::string_view cellText, std::string_view unitText, UnitSystem system,
                          const NumberFormat& format) {
    if (system == UnitSystem::AsMeasured) {
        return std::string(cellText);
    }
    const auto q = ReadCellQuantity(cellText, unitText);
    if (!q) {
        return std::string(cellText);
    }
    const ConvertedValue value = Convert(*q, system);
    return value.ShownText(format) + " " + std::string(value.UnitText());
}

} // namespace rangedesk
