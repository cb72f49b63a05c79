#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace rangedesk {

// The four value slots of a measurement, in the order the grid shows them.
enum class SlotId : std::size_t { DIST1 = 0, DIST2 = 1, DIST3 = 2, RESULT = 3 };

struct SlotTexts {
    std::string ValueText = " ";
    std::string SuffixText = " ";
    bool operator==(const SlotTexts&) const = default;
};

// The texts of the record being decoded; one instance lives for the whole run.
struct MeasurementRecord {
    std::string ModeText = " ";
    std::string UnitText;
    std::array<SlotTexts, 4> Slots{};

    SlotTexts& slot(SlotId id) { return Slots[static_cast<std::size_t>(id)]; }
    const SlotTexts& slot(SlotId id) const { return Slots[static_cast<std::size_t>(id)]; }
    bool operator==(const MeasurementRecord&) const = default;
};

} // namespace rangedesk
