#pragma once

#include <QString>

#include <vector>

#include "sheet_layout.h"

class QAbstractItemModel;
class QVariant;

namespace rangedesk::output {

// A column of a sheet: the table's column it shows, its caption, and whether it is shown.
struct SheetColumn {
    int Field = 0;
    QString Caption;
    bool Visible = true;
};

// Every column of the table in its own order, shown, with its heading as the caption.
std::vector<SheetColumn> AllColumns(const QAbstractItemModel& table);

// The cell a field's value makes, by its type: integers as RK or NUMBER, doubles as NUMBER,
// texts as GBK labels, nothing (or a hidden column) as BLANK.
SheetCell CellFor(const QVariant& value, bool hidden);

// The legacy sheet of a table: the captions split into title rows, then one cell per column
// for every row, read with the edit role.
SheetContent SheetFromTable(const QAbstractItemModel& table,
                            const std::vector<SheetColumn>& columns, const QString& title = {});

} // namespace rangedesk::output
