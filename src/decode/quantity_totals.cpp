#include "quantity_totals.h"

#include <array>

namespace rangedesk {
namespace {

constexpr std::array<QuantityKind, 3> kSummedKinds = {QuantityKind::Length, QuantityKind::Area,
                                                      QuantityKind::Volume};

bool IsOfKind(const TotalEntry& entry, QuantityKind kind) {
    return entry.Value && entry.Value->Kind == kind;
}

// The written unit of most entries of `kind`; on a tie the one seen first.
std::optional<MeasureUnit> MostWrittenUnit(std::span<const TotalEntry> entries, QuantityKind kind) {
    constexpr std::size_t kUnitCount = static_cast<std::size_t>(MeasureUnit::Percent) + 1;
    std::array<int, kUnitCount> counts{};
    std::array<MeasureUnit, kUnitCount> firstSeen{};
    std::size_t seen = 0;
    for (const TotalEntry& entry : entries) {
        if (IsOfKind(entry, kind)) {
            const MeasureUnit unit = entry.Value->WrittenUnit;
            if (counts[static_cast<std::size_t>(unit)]++ == 0) {
                firstSeen[seen++] = unit;
            }
        }
    }
    std::optional<MeasureUnit> best;
    for (std::size_t i = 0; i < seen; ++i) {
        const auto count = counts[static_cast<std::size_t>(firstSeen[i])];
        if (!best || count > counts[static_cast<std::size_t>(*best)]) {
            best = firstSeen[i];
        }
    }
    return best;
}

// The entry's contribution in `unit`: minus its magnitude for a deduction.
std::optional<ExactRational> Contribution(const TotalEntry& entry, MeasureUnit unit) {
    const auto value = ValueIn(*entry.Value, unit);
    if (!value || entry.Deducted == Deduction::No) {
        return value;
    }
    return value->Magnitude().Negated();
}

KindTotal SumKind(std::span<const TotalEntry> entries, QuantityKind kind, MeasureUnit unit,
                  UnitSystem system) {
    KindTotal total{kind, unit, {}, 0, {}};
    for (const TotalEntry& entry : entries) {
        if (!IsOfKind(entry, kind)) {
            continue;
        }
        const bool sameUnit = ShownUnit(kind, entry.Value->WrittenUnit, system) == unit;
        const auto part = sameUnit ? Contribution(entry, unit) : std::nullopt;
        const auto sum = part ? Add(total.Value, *part) : std::nullopt;
        if (!sum) {
            total.LeftOut.push_back(entry.RecordId);
            continue;
        }
        total.Value = *sum;
        ++total.Records;
    }
    return total;
}

} // namespace

std::vector<KindTotal> SumQuantities(std::span<const TotalEntry> entries, UnitSystem system) {
    std::vector<KindTotal> totals;
    for (const QuantityKind kind : kSummedKinds) {
        const auto written = MostWrittenUnit(entries, kind);
        if (!written) {
            continue;
        }
        totals.push_back(SumKind(entries, kind, ShownUnit(kind, *written, system), system));
    }
    return totals;
}

} // namespace rangedesk
