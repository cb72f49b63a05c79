#pragma once

#include <QString>

#include <vector>

#include "load_data_columns.h"
#include "sheet_layout.h"

class QAbstractItemModel;
class QVariant;

namespace rangedesk::output {

// A column of a sheet: the table's column it shows, its caption, whether it is shown, and
// what it holds (which decides whether its texts may become numbers).
struct SheetColumn {
    int Field = 0;
    QString Caption;
    bool Visible = true;
    records::ColumnKind Kind = records::ColumnKind::Text;
};

// What a column of the table holds, by its field name (the heading); Text for a name LoadData
// does not have.
records::ColumnKind KindOfField(const QAbstractItemModel& table, int field);

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
