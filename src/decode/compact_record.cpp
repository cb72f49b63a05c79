#include "compact_record.h"

#include <array>
#include <string_view>

#include "formatters.h"

namespace rangedesk {
namespace {

enum Unit : std::uint8_t {
    kFeet = 0,
    kMetre3 = 1,
    kMetre2 = 2,
    kInch = 3,
    kInchFraction = 4,
    kFeetInch = 5,
    kMetreCn3 = 6,
    kMetreCn2 = 7,
};

enum Mode : std::uint8_t {
    kDistance = 0,
    kArea = 1,
    kVolume = 2,
    kPythagorean1 = 4,
    kPythagorean3 = 5,
    kPythagorean6S = 9,
};

constexpr std::array<std::string_view, 8> kUnitSuffix = {"ft", "m",  "m",  "in",
                                                         "in", "  ", "米", "米"};

constexpr std::array<std::string_view, 16> kModeText = {
    "Distance",
    "Area",
    "体积",
    "",
    "Pythagorean 1 a&b",
    "Pythagorean 3 c1",
    "Pythagorean 4 c2",
    "Pythagorean 5 L",
    "Pythagorean 6 °",
    "Pythagorean 6 S",
    "Digital bubble",
    "Circular area",
    "Cylindrical area",
    "Virtual scale ruler",
    "",
    "",
};

bool Accumulating(std::uint8_t code) {
    return code == 1 || code == 2;
}

bool IsMetric(std::uint8_t unit) {
    return unit == kMetre3 || unit == kMetre2;
}
bool IsChineseMetric(std::uint8_t unit) {
    return unit == kMetreCn3 || unit == kMetreCn2;
}
bool IsImperialFine(std::uint8_t unit) {
    return unit >= kInch && unit <= kFeetInch;
}

std::string DistanceText(std::uint32_t v, std::uint8_t unit, const NumberFormat& f) {
    switch (unit) {
    case kFeet:
        return FormatPattern(v / kFootDivisor / 1000.0, "0.00", f);
    case kMetre3:
    case kMetreCn3:
        return FormatPattern(v, 4, "0.000", f);
    case kMetre2:
    case kMetreCn2:
        return FormatPattern(v, 4, "0.00", f);
    case kInch:
        return FormatPattern(v / kInchDivisor / 100.0, "0.0", f);
    case kInchFraction:
        return v == 0 ? "00" : InchText(v, f);
    case kFeetInch:
        return v == 0 ? "0'00''" : FeetInchText(v, f);
    default:
        return {};
    }
}

std::string ResultText(std::uint32_t v, std::uint8_t unit, const NumberFormat& f) {
    switch (unit) {
    case kFeet:
    case kMetre2:
    case kMetreCn2:
        return FormatPattern(v, 2, "0.00", f);
    case kMetre3:
    case kMetreCn3:
        return FormatPattern(v, 3, "0.000", f);
    case kInch:
        return FormatPattern(v, 1, "0.0", f);
    default:
        return DistanceText(v, unit, f);
    }
}

// "m2", "米2" or "ft2" (power "2"), likewise for volumes.
std::string SquareSuffix(std::uint8_t unit, std::string_view power) {
    if (IsMetric(unit)) {
        return "m" + std::string(power);
    }
    if (IsChineseMetric(unit)) {
        return "米" + std::string(power);
    }
    return "ft" + std::string(power);
}

} // namespace

void DecodeCompactValues(std::uint32_t Dist1Raw, std::uint32_t Dist2Raw, std::uint32_t Dist3Raw,
                         std::uint32_t ResultRaw, std::uint8_t TypeByte,
                         std::uint8_t AccumulateCode, MeasurementRecord& record,
                         const NumberFormat& format) {
    const std::uint8_t unit = TypeByte >> 4;
    const std::uint8_t mode = TypeByte & 0x0F;
    const std::array<std::uint32_t, 3> distances = {Dist1Raw, Dist2Raw, Dist3Raw};

    std::array<std::string, 4> texts;
    for (std::size_t i = 0; i < distances.size(); ++i) {
        texts[i] = DistanceText(distances[i], unit, format);
    }
    std::string& result = texts[static_cast<std::size_t>(SlotId::RESULT)];
    result = ResultText(ResultRaw, unit, format);

    if ((mode == kArea || mode == kVolume || mode == kPythagorean6S) && IsImperialFine(unit)) {
        result = FormatPattern(ResultRaw, 2, "0.00", format);
    } else if (mode >= kPythagorean3 && mode < kPythagorean6S && unit == kInch) {
        result = FormatPattern(ResultRaw, 1, "0.00", format);
    }
    if (mode == kPythagorean1) {
        texts[static_cast<std::size_t>(SlotId::DIST1)] = SignedTenthsText(Dist1Raw, format);
        if (unit == kInch) {
            result = FormatPattern(ResultRaw, 1, "0.00", format);
        }
    }
    const bool thousandths = unit != kMetre3 && unit != kMetreCn3 && unit <= kMetreCn2;
    if (Accumulating(AccumulateCode) && (mode == kArea || mode == kVolume) && thousandths) {
        for (std::size_t i = 0; i < distances.size(); ++i) {
            texts[i] = FormatPattern(distances[i], 3, "0.000", format);
        }
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        record.Slots[i].ValueText = std::move(texts[i]);
    }
}

void DecodeCompactUnitsAndMode(std::uint8_t UnitCode, std::uint8_t ModeCode,
                               std::uint8_t AccumulateCode, MeasurementRecord& record) {
    const std::string base =
        UnitCode < kUnitSuffix.size() ? std::string(kUnitSuffix[UnitCode]) : std::string();
    std::array<std::string, 4> suffixes = {base, base, base, base};
    std::string& result = suffixes[static_cast<std::size_t>(SlotId::RESULT)];
    std::string mode =
        ModeCode < kModeText.size() ? std::string(kModeText[ModeCode]) : std::string();

    if (ModeCode == kArea || ModeCode == kPythagorean6S) {
        result = SquareSuffix(UnitCode, "2");
    } else if (ModeCode == kVolume) {
        result = SquareSuffix(UnitCode, "3");
    } else if (ModeCode == kPythagorean1) {
        suffixes[static_cast<std::size_t>(SlotId::DIST1)] = "°C";
    }

    if (Accumulating(AccumulateCode)) {
        if (ModeCode <= kVolume) {
            mode += AccumulateCode == 1 ? "累加" : "累减";
        }
        if (ModeCode == kArea || ModeCode == kVolume) {
            const std::string power = ModeCode == kArea ? "2" : "3";
            for (std::size_t i = 0; i < 3; ++i) {
                suffixes[i] = IsImperialFine(UnitCode) ? "ft" + power : suffixes[i] + power;
            }
        }
    }
    for (std::size_t i = 0; i < suffixes.size(); ++i) {
        record.Slots[i].SuffixText = std::move(suffixes[i]);
    }
    record.ModeText = std::move(mode);
}

} // namespace rangedesk
