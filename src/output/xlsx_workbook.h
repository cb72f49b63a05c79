#pragma once

#include <QString>

#include <vector>

#include "table_sheet.h"

class QAbstractItemModel;

namespace rangedesk::output {

// Writes the table as an .xlsx workbook to `path`: one sheet "Records", the header row bold
// and frozen, columns as wide as their texts, RecNo as a number and every measurement that
// is a plain decimal with a unit as a number formatted to show the same text. Written in
// libxlsxwriter's constant-memory mode. Returns the reason on failure, empty on success.
QString WriteXlsx(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                  const QString& path, const QString& title);

} // namespace rangedesk::output
