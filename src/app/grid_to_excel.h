#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "table_export.h"

class QTableView;

namespace rangedesk::app {

// The formats the Export to Excel dialog offers, the legacy one first.
inline const QStringList kExportFilters = {"Excel 97-2003 (*.XLS)", "Excel workbook (*.xlsx)",
                                           "CSV, UTF-8 (*.csv)"};
// The format of a filter of the dialog; XLS for any other text.
output::ExportFormat FormatOfFilter(const QString& filter);

// The grid's columns in the order it shows them, with their captions and visibility.
std::vector<output::SheetColumn> GridColumns(const QTableView& grid);

} // namespace rangedesk::app
