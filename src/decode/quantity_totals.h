#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "quantity.h"
#include "unit_system.h"

namespace rangedesk {

// Whether a record takes away from the total (a window in a wall) instead of adding to it.
enum class Deduction : bool { No, Yes };

// One record offered to the totals: its quantity, if it has one.
struct TotalEntry {
    std::int64_t RecordId = 0;
    std::optional<Quantity> Value;
    Deduction Deducted = Deduction::No;
};

// The sum of one kind's records in one unit.
struct KindTotal {
    QuantityKind Kind = QuantityKind::Length;
    MeasureUnit Unit = MeasureUnit::Metre;
    ExactRational Value;               // exact, in Unit
    int Records = 0;                   // how many records the sum holds
    std::vector<std::int64_t> LeftOut; // records of this kind not in the sum, in input order

    std::string_view UnitText() const { return rangedesk::UnitText(Unit); }
    ConvertedValue Converted() const { return {Unit, Value}; }
    bool operator==(const KindTotal&) const = default;
};

// The sums of lengths, areas and volumes (in that order; a kind without records is absent).
// Angles, slopes and records without a quantity are never summed. A deduction counts as
// minus its magnitude, whatever the sign of its text. Under Metric and Imperial every record
// of a kind is summed in the system's unit. Under AsMeasured a kind is summed in the unit
// most of its records were written in (a tie goes to the unit seen first; "米" counts as m and
// feet-and-inches as in); records written in other units are left out. A record whose value
// would overflow the exact sum is left out too.
std::vector<KindTotal> SumQuantities(std::span<const TotalEntry> entries, UnitSystem system);

} // namespace rangedesk
