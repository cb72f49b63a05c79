#pragma once

#include <QString>
#include <QVariant>

#include <optional>

#include "quantity.h"
#include "unit_system.h"

class QAbstractItemModel;

namespace rangedesk::output {

// "as-measured", "metric", "imperial": the words the command line and the settings use.
QString UnitSystemWord(UnitSystem system);
std::optional<UnitSystem> UnitSystemFromWord(const QString& word);

// The fields of a table that tell about each row beyond what a sheet shows, found by their
// headings: UNIT (which a row's measurements are read with), RESULT (what totals sum) and
// Deduction (a row taken off the totals). -1 where the table has none.
struct RowFields {
    int Unit = -1;
    int Result = -1;
    int Deduction = -1;
};
RowFields FieldsOf(const QAbstractItemModel& table);

// Whether a Deduction cell marks a deduction: true, or the mark text.
bool IsDeduction(const QVariant& value);

// The quantity a grid cell holds (value text, blank, suffix), read with its row's UNIT text.
std::optional<Quantity> CellQuantity(const QString& cell, const QString& unitText);

// What a measurement cell becomes under a unit system other than AsMeasured: its value
// converted to the system's unit, or, when it holds no quantity, its own text.
struct ConvertedCell {
    std::optional<ConvertedValue> Value;
    QString Text; // set when there is no value
};
ConvertedCell ConvertCell(const QString& cell, const QString& unitText, UnitSystem system);

// A cell that stays text under a unit system and says so: not blank, yet no quantity.
bool StaysText(const ConvertedCell& cell);

// The spreadsheet number format that shows a value of `unit` with its decimals and unit:
// 0.000" m", 0.00" ft2", 0.0" °".
QString UnitNumberFormat(MeasureUnit unit);

} // namespace rangedesk::output
