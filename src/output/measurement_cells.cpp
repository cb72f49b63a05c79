#include "measurement_cells.h"

#include <QAbstractItemModel>

#include "kept_record_columns.h"
#include "load_data_columns.h"
#include "quantity_reader.h"

namespace rangedesk::output {
namespace {

struct SystemWord {
    UnitSystem System;
    const char* Word;
};
constexpr SystemWord kSystemWords[] = {
    {UnitSystem::AsMeasured, "as-measured"},
    {UnitSystem::Metric, "metric"},
    {UnitSystem::Imperial, "imperial"},
};

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

} // namespace

QString UnitSystemWord(UnitSystem system) {
    for (const SystemWord& w : kSystemWords) {
        if (w.System == system) {
            return QString::fromLatin1(w.Word);
        }
    }
    return {};
}

std::optional<UnitSystem> UnitSystemFromWord(const QString& word) {
    for (const SystemWord& w : kSystemWords) {
        if (word == QLatin1String(w.Word)) {
            return w.System;
        }
    }
    return std::nullopt;
}

RowFields FieldsOf(const QAbstractItemModel& table) {
    const QString unit = records::ColumnName(int(records::LoadDataColumn::UNIT));
    const QString result = records::ColumnName(int(records::LoadDataColumn::RESULT));
    RowFields fields;
    for (int c = 0; c < table.columnCount(); ++c) {
        const QString name = table.headerData(c, Qt::Horizontal).toString();
        if (name == unit) {
            fields.Unit = c;
        } else if (name == result) {
            fields.Result = c;
        } else if (name == records::kDeductionColumn) {
            fields.Deduction = c;
        }
    }
    return fields;
}

bool IsDeduction(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool();
    }
    return value.toString() == records::kDeductionMark;
}

std::optional<Quantity> CellQuantity(const QString& cell, const QString& unitText) {
    const QByteArray text = cell.toUtf8();
    const QByteArray unit = unitText.toUtf8();
    return ReadCellQuantity(View(text), View(unit));
}

ConvertedCell ConvertCell(const QString& cell, const QString& unitText, UnitSystem system) {
    if (const std::optional<Quantity> q = CellQuantity(cell, unitText)) {
        return {Convert(*q, system), {}};
    }
    return {std::nullopt, cell};
}

bool StaysText(const ConvertedCell& cell) {
    return !cell.Value && !cell.Text.trimmed().isEmpty();
}

QString UnitNumberFormat(MeasureUnit unit) {
    const int decimals = ShownDecimals(unit);
    const std::string_view text = UnitText(unit);
    return (decimals > 0 ? "0." + QString(decimals, u'0') : QString("0")) + "\" " +
           QString::fromUtf8(text.data(), qsizetype(text.size())) + "\"";
}

} // namespace rangedesk::output
