#pragma once

#include <QString>

#include <filesystem>
#include <vector>

#include "table_sheet.h"

class QAbstractItemModel;

namespace rangedesk::output {

// Writes the table as an .xlsx workbook to `file`: one sheet "Records", the header row bold
// and frozen, columns as wide as their texts. A record number column's numbers and a
// measurement column's plain decimals with a unit become numbers formatted to show exactly
// the same text; everything else stays text. The file does not depend on the user's locale.
// Written in libxlsxwriter's constant-memory mode. Returns the reason on failure, empty on
// success.
QString WriteXlsx(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                  const std::filesystem::path& file, const QString& title);

} // namespace rangedesk::output
