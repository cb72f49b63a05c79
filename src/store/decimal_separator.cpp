#include "decimal_separator.h"

#include "load_data_columns.h"

namespace rangedesk::store {
namespace {

bool IsDigit(QChar c) {
    return c >= '0' && c <= '9';
}

// The separator between two digits in `text`; none when no "." or "," sits between digits.
QChar SeparatorIn(const QString& text) {
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        if ((text[i] == '.' || text[i] == ',') && IsDigit(text[i - 1]) && IsDigit(text[i + 1])) {
            return text[i];
        }
    }
    return {};
}

} // namespace

std::string DecimalSeparatorOf(const std::vector<records::LoadDataTexts>& rows) {
    for (const records::LoadDataTexts& row : rows) {
        for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
            if (records::ColumnInfo(c).Kind != records::ColumnKind::Measurement) {
                continue;
            }
            if (const QChar separator = SeparatorIn(row[std::size_t(c)]); !separator.isNull()) {
                return std::string(1, char(separator.unicode()));
            }
        }
    }
    return ".";
}

} // namespace rangedesk::store
