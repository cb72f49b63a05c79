#include "grid_to_excel.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QTableView>

#include "atomic_file.h"
#include "table_sheet.h"
#include "user_prompts.h"

namespace rangedesk::app {
namespace {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

output::ExportFormat FormatOfFilter(const QString& filter) {
    if (filter == kExportFilters[1]) {
        return output::ExportFormat::Xlsx;
    }
    if (filter == kExportFilters[2]) {
        return output::ExportFormat::Csv;
    }
    return output::ExportFormat::Xls;
}

std::vector<output::SheetColumn> GridColumns(const QTableView& grid) {
    const QHeaderView* header = grid.horizontalHeader();
    std::vector<output::SheetColumn> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        columns.push_back({logical, grid.model()->headerData(logical, Qt::Horizontal).toString(),
                           !header->isSectionHidden(logical)});
    }
    return columns;
}

bool TDBGridToExcel::RunExport() {
    error_.clear();
    const QAbstractItemModel* data = DBGrid ? DBGrid->model() : nullptr;
    if (!data || data->rowCount() == 0) {
        return false;
    }
    const QString path = FileName;
    if (path.isEmpty()) {
        return false;
    }
    const WaitCursor wait;
    if (ConfirmOverwrite && QFile::exists(path)) {
        const MessageAnswer answer = prompts_.Ask(
            {QString::fromUtf8("提示"),
             QString::fromUtf8("已存在文件（") + path + QString::fromUtf8("），是否覆盖？"),
             MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No});
        if (answer != MessageAnswer::Yes) {
            return false;
        }
    }
    const QModelIndex current = DBGrid->currentIndex();
    const std::vector<std::uint8_t> bytes =
        output::WriteSheet(output::SheetFromTable(*data, GridColumns(*DBGrid), TitleName));
    if (current.isValid()) {
        DBGrid->setCurrentIndex(current); // the row that was current stays current
    }
    error_ = output::WriteFileAtomically(path, bytes);
    return error_.isEmpty();
}

} // namespace rangedesk::app
