#pragma once

#include <QString>

#include <array>
#include <string_view>

namespace rangedesk::records {

// The columns of LoadData, in grid order.
enum class LoadDataColumn { RecNo, MODE, UNIT, DIST1, DIST2, DIST3, RESULT };

// What a column holds: the record number, a text of the meter's, or a measured value.
enum class ColumnKind { RecordNumber, Text, Measurement };

struct LoadDataColumnInfo {
    std::string_view Name;
    ColumnKind Kind;
    int GridWidth; // pixels in the main grid
};

inline constexpr std::array<LoadDataColumnInfo, 7> kLoadDataColumns = {{
    {"RecNo", ColumnKind::RecordNumber, 52},
    {"MODE", ColumnKind::Text, 123},
    {"UNIT", ColumnKind::Text, 73},
    {"DIST1", ColumnKind::Measurement, 85},
    {"DIST2", ColumnKind::Measurement, 82},
    {"DIST3", ColumnKind::Measurement, 82},
    {"RESULT", ColumnKind::Measurement, 84},
}};

inline constexpr int kLoadDataColumnCount = static_cast<int>(kLoadDataColumns.size());

constexpr const LoadDataColumnInfo& ColumnInfo(int column) {
    return kLoadDataColumns.at(static_cast<std::size_t>(column));
}

inline QString ColumnName(int column) {
    const std::string_view name = ColumnInfo(column).Name;
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// The kind of the column with this name; Text for a name LoadData does not have.
constexpr ColumnKind KindOfColumnNamed(std::string_view name) {
    for (const LoadDataColumnInfo& column : kLoadDataColumns) {
        if (column.Name == name) {
            return column.Kind;
        }
    }
    return ColumnKind::Text;
}

} // namespace rangedesk::records
