#pragma once

#include <QString>

#include <filesystem>
#include <functional>
#include <vector>

#include "table_sheet.h"

class QAbstractItemModel;

namespace rangedesk::output {

// Writes the rows behind a grid as the legacy bare BIFF cell stream: the column titles, then
// every field of every row. The file is replaced only once it is complete.
class TDBGridToExcel {
public:
    // The data set behind the grid, and the grid's columns in the order it shows them.
    const QAbstractItemModel* DBGrid = nullptr;
    std::vector<SheetColumn> Columns;
    QString TitleName;
    std::filesystem::path FileName; // "-" is standard output
    // Files never written (DatabaseFiles()).
    std::vector<std::filesystem::path> Protected;
    // Asked when the file exists; false keeps it. Not set: the file is replaced.
    std::function<bool(const std::filesystem::path& file)> ConfirmOverwrite;

    // True when the file was written; false when there was nothing to write (no rows, a blank
    // name) or the question kept the old file. Throws ExportError.
    bool RunExport();
};

} // namespace rangedesk::output
