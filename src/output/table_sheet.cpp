#include "table_sheet.h"

#include <QAbstractItemModel>

#include "gbk_text.h"

namespace rangedesk::output {

records::ColumnKind KindOfField(const QAbstractItemModel& table, int field) {
    const QByteArray name = table.headerData(field, Qt::Horizontal).toString().toUtf8();
    return records::KindOfColumnNamed(std::string_view(name.constData(), std::size_t(name.size())));
}

std::vector<SheetColumn> AllColumns(const QAbstractItemModel& table) {
    std::vector<SheetColumn> columns;
    for (int c = 0; c < table.columnCount(); ++c) {
        columns.push_back(
            {c, table.headerData(c, Qt::Horizontal).toString(), true, KindOfField(table, c)});
    }
    return columns;
}

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
        if (BiffSheet::FitsRk(n)) {
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
        return SheetCell::MakeLabel(ToGbk(value.toString()));
    }
}

SheetContent SheetFromTable(const QAbstractItemModel& table,
                            const std::vector<SheetColumn>& columns, const QString& title) {
    std::vector<std::string> captions;
    std::vector<bool> visible;
    for (const SheetColumn& column : columns) {
        captions.push_back(ToGbk(column.Caption));
        visible.push_back(column.Visible);
    }
    SheetContent content;
    content.TitleName = ToGbk(title);
    content.Titles = SplitTitles(captions, visible);
    for (int row = 0; row < table.rowCount(); ++row) {
        std::vector<SheetCell> cells;
        cells.reserve(columns.size());
        for (const SheetColumn& column : columns) {
            cells.push_back(
                CellFor(table.index(row, column.Field).data(Qt::EditRole), !column.Visible));
        }
        content.Rows.push_back(std::move(cells));
    }
    return content;
}

} // namespace rangedesk::output
