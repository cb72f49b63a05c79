#include "grid_to_excel.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QTableView>

#include "atomic_file.h"
#include "gbk_text.h"
#include "sheet_layout.h"
#include "user_prompts.h"

namespace rangedesk::app {
namespace {

using store::SheetCell;

// The cell a field's value makes, by its type.
SheetCell CellFor(const QVariant& value, bool hidden) {
    if (hidden || !value.isValid() || value.isNull()) {
        return SheetCell::MakeBlank();
    }
    switch (value.metaType().id()) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        const qlonglong n = value.toLongLong();
        if (store::BiffSheet::FitsRk(n)) {
            return SheetCell::MakeRk(static_cast<std::int32_t>(n));
        }
        return SheetCell::MakeNumber(static_cast<double>(n));
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return SheetCell::MakeNumber(value.toDouble());
    case QMetaType::QByteArray:
        return SheetCell::MakeLabel({});
    default:
        return SheetCell::MakeLabel(store::ToGbk(value.toString()));
    }
}

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

bool TDBGridToExcel::RunExport() {
    error_.clear();
    const QAbstractItemModel* data = DBGrid ? DBGrid->model() : nullptr;
    if (!data || data->rowCount() == 0) {
        return false;
    }
    const QString path = FileName.trimmed();
    if (path.isEmpty()) {
        return false;
    }
    // Fields in grid order, with the grid's captions and visibility.
    const QHeaderView* header = DBGrid->horizontalHeader();
    std::vector<int> fields;
    std::vector<std::string> captions;
    std::vector<bool> visible;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        fields.push_back(logical);
        captions.push_back(store::ToGbk(data->headerData(logical, Qt::Horizontal).toString()));
        visible.push_back(!header->isSectionHidden(logical));
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

    store::SheetContent content;
    content.TitleName = store::ToGbk(TitleName);
    content.Titles = store::SplitTitles(captions, visible);
    const QModelIndex current = DBGrid->currentIndex();
    for (int row = 0; row < data->rowCount(); ++row) {
        std::vector<SheetCell> cells;
        for (std::size_t f = 0; f < fields.size(); ++f) {
            cells.push_back(
                CellFor(data->data(data->index(row, fields[f]), Qt::EditRole), !visible[f]));
        }
        content.Rows.push_back(std::move(cells));
    }
    if (current.isValid()) {
        DBGrid->setCurrentIndex(current); // the row that was current stays current
    }
    const std::vector<std::uint8_t> bytes = store::WriteSheet(content);

    error_ = store::WriteFileAtomically(path, bytes);
    return error_.isEmpty();
}

} // namespace rangedesk::app
