#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

#include "table_export.h"

class QTableView;

namespace rangedesk::app {

// The formats the Export to Excel dialog offers, the legacy one first, as the sources write
// them: what the settings remember, whatever the language shown.
inline const QStringList kExportFilters = {
    QT_TRANSLATE_NOOP("ExportFilters", "Excel 97-2003 (*.XLS)"),
    QT_TRANSLATE_NOOP("ExportFilters", "Excel workbook (*.xlsx)"),
    QT_TRANSLATE_NOOP("ExportFilters", "CSV, UTF-8 (*.csv)")};
// The same formats in the language shown, as the dialog offers them.
QStringList ExportFilters();
// A filter of the dialog (in the language shown or as the sources write it) as the sources
// write it; the legacy one for any other text.
QString SourceFilter(const QString& filter);
// The format of a filter of the dialog, in either form; XLS for any other text.
output::ExportFormat FormatOfFilter(const QString& filter);

// The grid's columns in the order it shows them, with their captions and visibility.
std::vector<output::SheetColumn> GridColumns(const QTableView& grid);

} // namespace rangedesk::app
