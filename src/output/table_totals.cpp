#include "table_totals.h"

#include <QAbstractItemModel>

#include "measurement_cells.h"

namespace rangedesk::output {

std::vector<TotalEntry> TotalEntriesOf(const QAbstractItemModel& table) {
    const RowFields fields = FieldsOf(table);
    std::vector<TotalEntry> entries;
    if (fields.Result < 0) {
        return entries;
    }
    entries.reserve(std::size_t(table.rowCount()));
    for (int row = 0; row < table.rowCount(); ++row) {
        const QString unit =
            fields.Unit < 0 ? QString() : table.index(row, fields.Unit).data().toString();
        const bool deducted = fields.Deduction >= 0 &&
                              IsDeduction(table.index(row, fields.Deduction).data(Qt::EditRole));
        entries.push_back({row,
                           CellQuantity(table.index(row, fields.Result).data().toString(), unit),
                           deducted ? Deduction::Yes : Deduction::No});
    }
    return entries;
}

std::vector<KindTotal> TableTotals(const QAbstractItemModel& table, UnitSystem system) {
    const std::vector<TotalEntry> entries = TotalEntriesOf(table);
    return SumQuantities(entries, system);
}

QString TotalText(const KindTotal& total, const NumberFormat& format) {
    const ConvertedValue value = total.Converted();
    const std::string_view unit = value.UnitText();
    return QString::fromStdString(value.ShownText(format)) + " " +
           QString::fromUtf8(unit.data(), qsizetype(unit.size()));
}

QString KindWord(QuantityKind kind) {
    const std::string_view name = KindName(kind);
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

} // namespace rangedesk::output
