#pragma once

#include <QString>

#include <vector>

#include "number_format.h"
#include "quantity_totals.h"

class QAbstractItemModel;

namespace rangedesk::output {

// What a table offers to the totals: each row's RESULT quantity (read with its UNIT text) and
// whether its Deduction cell marks it; the RecordId of an entry is its row. Empty when the
// table has no RESULT column.
std::vector<TotalEntry> TotalEntriesOf(const QAbstractItemModel& table);

// The totals of a table's RESULT quantities by kind under a unit system: lengths, areas and
// volumes, deductions taken off, each with the number of records in it (SumQuantities).
std::vector<KindTotal> TableTotals(const QAbstractItemModel& table, UnitSystem system);

// A total as people read it, rounded to the unit's decimals: "12.345 m".
QString TotalText(const KindTotal& total, const NumberFormat& format);

// The kind's name: "length", "area", "volume".
QString KindWord(QuantityKind kind);

} // namespace rangedesk::output
