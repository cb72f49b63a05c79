#include "extended_record.h"

#include <cassert>
#include <string_view>

#include "byte_order.h"
#include "formatters.h"

namespace rangedesk {
namespace {

// Reply layout: values, decimals and kinds are stored RESULT first, DIST1 last.
constexpr std::array<SlotId, 4> kStoredOrder = {SlotId::RESULT, SlotId::DIST3, SlotId::DIST2,
                                                SlotId::DIST1};
constexpr std::size_t kValuesOffset = 0;
constexpr std::size_t kDecimalsOffset = 20;
constexpr std::size_t kKindsOffset = 25;
constexpr std::size_t kUnitStepByte = 30;
constexpr std::size_t kFlagsByte = 31;
constexpr std::size_t kModeByte = 32;

enum Kind : std::uint8_t { kLength = 0, kArea = 1, kVolume = 2, kAngle = 3, kLengthToo = 4 };
enum Rendering : std::uint8_t { kInchFraction = 4, kFeetInch = 5 };
constexpr std::uint8_t kLevelBubbleMode = 17;
constexpr std::uint8_t kHideFirstStep = 10;
constexpr int kMaxDecimals = 9;

struct UnitRow {
    std::string_view unitText;
    std::string_view lengthSuffix;
    std::string_view areaStem;
};

// Unit codes 6 and 7 have no texts.
constexpr std::array<UnitRow, 6> kUnits = {{
    {"m", "m", "m"},
    {"m", "m", "m"},
    {"ft", "ft", "ft"},
    {"in", "in", "ft"},
    {"in", "in", "ft"},
    {"ft in", " ", "ft"},
}};

const UnitRow* FindUnit(std::uint8_t code) {
    return code < kUnits.size() ? &kUnits[code] : nullptr;
}

bool IsLength(std::uint8_t kind) {
    return kind == kLength || kind == kLengthToo;
}

std::string DecimalText(std::uint32_t value, std::uint8_t decimals, const NumberFormat& format) {
    if (decimals > kMaxDecimals) {
        return {};
    }
    return FormatDecimals(value, decimals, decimals, format);
}

std::string ValueText(const ExtendedRecord& r, std::size_t slot, const NumberFormat& format) {
    const std::uint32_t value = r.Value[slot];
    const std::uint8_t kind = r.Kind[slot];
    if (kind == kAngle) {
        const auto signedValue = static_cast<std::int32_t>(value);
        return r.PercentFlag ? SlopePercentText(signedValue) : AngleText(signedValue, format);
    }
    if (kind > kLengthToo) {
        return {};
    }
    const std::uint8_t rendering = IsLength(kind) ? r.UnitCode : 0;
    std::string text;
    if (rendering <= 3) {
        text = DecimalText(value, r.Decimals[slot], format);
    } else if (rendering == kInchFraction) {
        text = IntText(value & 0xFFFFFF) + InchFractionText(static_cast<std::uint8_t>(value >> 24));
    } else if (rendering == kFeetInch) {
        text = IntText(value & 0xFFFF) + "'" + TwoDigitText((value >> 16) & 0xFF) + "''" +
               InchFractionText(static_cast<std::uint8_t>(value >> 24));
    } else {
        return {};
    }
    if (slot == static_cast<std::size_t>(SlotId::RESULT) && !text.empty()) {
        text.insert(0, r.Negative ? "-" : " ");
    }
    return text;
}

std::string SuffixText(const ExtendedRecord& r, std::size_t slot) {
    const std::uint8_t kind = r.Kind[slot];
    const UnitRow* unit = FindUnit(r.UnitCode);
    if (IsLength(kind)) {
        return unit ? std::string(unit->lengthSuffix) : std::string();
    }
    if (kind == kArea || kind == kVolume) {
        std::string stem = unit ? std::string(unit->areaStem) : std::string();
        return stem + (kind == kArea ? "2" : "3");
    }
    if (kind == kAngle) {
        return r.PercentFlag ? "%" : "\u00B0";
    }
    return {};
}

struct ModeRow {
    std::string_view text;
    bool hide[4]; // indexed by SlotId: DIST1, DIST2, DIST3, RESULT
};

constexpr bool N = false;
constexpr bool Y = true;

// Modes 0, 1 and 2 depend on the accumulate codes and are handled in code.
constexpr std::array<ModeRow, 23> kModes = {{
    {"", {N, N, N, N}},
    {"", {N, N, N, N}},
    {"", {N, N, N, N}},
    {"Wall Area", {N, N, N, N}},
    {"Camera Area", {N, N, Y, N}},
    {"Angle&Height", {N, N, N, N}},
    {"Height of triangle", {N, N, Y, N}},
    {"Hypotenuse of triangle", {N, N, Y, N}},
    {"Base sum of triangle", {N, N, N, N}},
    {"Auxiliary of triangle", {N, N, N, N}},
    {"Triangle area", {N, N, N, N}},
    {"Trapezium are", {N, N, N, N}},
    {"Section", {N, N, N, N}},
    {"Slope", {N, N, N, N}},
    {"Height tracking", {N, N, N, N}},
    {"Azimuth", {N, N, Y, N}},
    {"Staking-out", {N, N, N, N}},
    {"Level bubble", {Y, N, N, N}},
    {"", {N, N, N, N}},
    {"", {N, N, N, N}},
    {"Area of a circle", {N, Y, Y, N}},
    {"Cylindrical volume", {N, N, Y, N}},
    {"Virtual scale ruler", {Y, Y, Y, Y}},
}};

// Mode text and hidden slots; mode codes without a row give an empty text and hide nothing.
// The mode's own name, or its adding or subtracting form for accumulate codes 1 and 2.
std::string_view Accumulated(std::uint8_t code, std::string_view plain, std::string_view add,
                             std::string_view dec) {
    return code == 1 ? add : code == 2 ? dec : plain;
}

ModeRow ModeFor(const ExtendedRecord& r) {
    const bool hideFirst = r.AccumulateCode != 0 && r.StepCode == kHideFirstStep;
    switch (r.ModeCode) {
    case 0:
        if (r.ContinuousCode == 1) {
            return {"Continuous", {N, N, N, N}};
        }
        if (r.AccumulateCode == 1 || r.AccumulateCode == 2) {
            return {Accumulated(r.AccumulateCode, "", "Single Add", "Single Dec"), {Y, N, N, N}};
        }
        return {"Single", {Y, Y, Y, N}};
    case 1:
        return {Accumulated(r.AccumulateCode, "Area", "Area Add", "Area Dec"),
                {hideFirst, N, N, N}};
    case 2:
        return {Accumulated(r.AccumulateCode, "Volume", "Volume Add", "Volume Dec"),
                {hideFirst, N, N, N}};
    default:
        return r.ModeCode < kModes.size() ? kModes[r.ModeCode] : ModeRow{"", {N, N, N, N}};
    }
}

} // namespace

ExtendedRecord UnpackExtendedRecord(std::span<const std::uint8_t> reply) {
    assert(reply.size() >= kExtendedDecodedBytes);
    ExtendedRecord r;
    for (std::size_t i = 0; i < kStoredOrder.size(); ++i) {
        const auto slot = static_cast<std::size_t>(kStoredOrder[i]);
        r.Value[slot] = ReadLe32(reply, kValuesOffset + 4 * i);
        r.Decimals[slot] = reply[kDecimalsOffset + i];
        r.Kind[slot] = reply[kKindsOffset + i];
    }
    const std::uint8_t unitStep = reply[kUnitStepByte];
    r.StepCode = unitStep & 0x0F;
    r.Negative = (unitStep >> 4) & 0x01;
    r.UnitCode = unitStep >> 5;
    const std::uint8_t flags = reply[kFlagsByte];
    r.PercentFlag = flags & 0x01;
    r.AccumulateCode = (flags >> 1) & 0x07;
    const std::uint8_t mode = reply[kModeByte];
    r.ModeCode = mode & 0x3F;
    r.ContinuousCode = mode >> 6;
    return r;
}

void DecodeExtendedRecord(std::span<const std::uint8_t> reply, MeasurementRecord& record,
                          const NumberFormat& format) {
    ExtendedRecord r = UnpackExtendedRecord(reply);
    if (r.ModeCode == kLevelBubbleMode) {
        r.Kind[static_cast<std::size_t>(SlotId::DIST3)] = kAngle;
        r.Kind[static_cast<std::size_t>(SlotId::DIST2)] = kAngle;
    }
    for (std::size_t slot = 0; slot < record.Slots.size(); ++slot) {
        record.Slots[slot].ValueText = ValueText(r, slot, format);
        record.Slots[slot].SuffixText = SuffixText(r, slot);
    }
    const UnitRow* unit = FindUnit(r.UnitCode);
    record.UnitText = unit ? std::string(unit->unitText) : std::string();
    const ModeRow mode = ModeFor(r);
    record.ModeText = std::string(mode.text);
    // Hidden slots are blanked last.
    for (std::size_t slot = 0; slot < record.Slots.size(); ++slot) {
        if (mode.hide[slot]) {
            record.Slots[slot] = SlotTexts{" ", " "};
        }
    }
}

} // namespace rangedesk
