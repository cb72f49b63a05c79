#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "table_export.h"

class QTableView;

namespace rangedesk::app {

class UserPrompts;

// The formats the Export to Excel dialog offers, the legacy one first.
inline const QStringList kExportFilters = {"Excel 97-2003 (*.XLS)", "Excel workbook (*.xlsx)",
                                           "CSV, UTF-8 (*.csv)"};
// The format of a filter of the dialog; XLS for any other text.
output::ExportFormat FormatOfFilter(const QString& filter);

// The grid's columns in the order it shows them, with their captions and visibility.
std::vector<output::SheetColumn> GridColumns(const QTableView& grid);

// Writes the rows behind a grid as a bare BIFF cell stream: the grid's column titles, then
// every field of every row. The file is replaced only once it is complete.
class TDBGridToExcel {
public:
    explicit TDBGridToExcel(UserPrompts& prompts) : prompts_(prompts) {}

    QTableView* DBGrid = nullptr;
    QString TitleName;
    QString FileName;
    // Asks before replacing an existing file (the export command asks the user itself).
    bool ConfirmOverwrite = true;

    // True when the file was written; otherwise ErrorText() tells why (empty when there was
    // nothing to write or the user kept the old file).
    bool RunExport();
    const QString& ErrorText() const { return error_; }

private:
    UserPrompts& prompts_;
    QString error_;
};

} // namespace rangedesk::app
