#pragma once

#include <QString>

#include <filesystem>
#include <vector>

#include "quantity_totals.h"
#include "table_sheet.h"
#include "unit_system.h"

class QAbstractItemModel;

namespace rangedesk::output {

// Writes the table as an .xlsx workbook to `file`: one sheet "Records", the header row bold
// and frozen, columns as wide as their texts. A record number column's numbers and a
// measurement column's plain decimals with a unit become numbers formatted to show exactly
// the same text; everything else stays text. The file does not depend on the user's locale.
// Written in libxlsxwriter's constant-memory mode.
//
// Under Metric or Imperial a measurement column's quantities become numbers in the system's
// unit, exact (the nearest double), formatted with the unit and its decimals; a cell without a
// quantity stays text. Two hidden columns follow the shown ones: the kind of each row's RESULT
// and, when the table has a Deduction column that is not shown, its marks. Under the rows, a
// totals block per kind: SUMIFS over RESULT by kind, deductions taken off, and COUNTIFS of its
// records, each with the program's own value cached, so the sheet still adds up after an edit.
struct XlsxResult {
    QString Error;                 // the reason on failure, empty on success
    int TextValues = 0;            // measurements that stayed text under a unit system
    std::vector<KindTotal> Totals; // what the totals block holds
};
XlsxResult WriteXlsx(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                     const std::filesystem::path& file, const QString& title,
                     UnitSystem units = UnitSystem::AsMeasured);

} // namespace rangedesk::output
