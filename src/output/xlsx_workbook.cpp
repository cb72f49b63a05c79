#include "xlsx_workbook.h"

#include <QAbstractItemModel>
#include <QDateTime>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstring>
#include <locale.h>
#include <map>
#include <optional>
#include <xlsxwriter.h>

#include "numeric_text.h"

namespace rangedesk::output {
namespace {

// libxlsxwriter prints numbers (values, widths, margins) with the C library, which follows
// LC_NUMERIC: under a decimal comma the sheet would hold "2,227". This thread writes with the
// C numbers while it lives; other threads keep theirs.
class CNumbersInThisThread {
public:
    CNumbersInThisThread() {
        const locale_t current = ::uselocale(nullptr);
        const locale_t base = ::duplocale(current);
        c_ = base ? ::newlocale(LC_NUMERIC_MASK, "C", base) : nullptr;
        if (!c_ && base) {
            ::freelocale(base);
        }
        previous_ = c_ ? ::uselocale(c_) : nullptr;
    }
    ~CNumbersInThisThread() {
        if (c_) {
            ::uselocale(previous_);
            ::freelocale(c_);
        }
    }
    CNumbersInThisThread(const CNumbersInThisThread&) = delete;
    CNumbersInThisThread& operator=(const CNumbersInThisThread&) = delete;

private:
    locale_t c_ = nullptr;
    locale_t previous_ = nullptr;
};

// The number a cell's text makes in its column, if any.
std::optional<NumericText> NumberOf(const QString& text, records::ColumnKind kind) {
    switch (kind) {
    case records::ColumnKind::RecordNumber:
        return ParseRecordNumber(text);
    case records::ColumnKind::Measurement:
        return ParseNumericText(text);
    case records::ColumnKind::Text:
        break;
    }
    return std::nullopt;
}

// Closes the workbook on every way out; closing is what writes the file.
struct WorkbookCloser {
    lxw_workbook* workbook;
    ~WorkbookCloser() {
        if (workbook) {
            workbook_close(workbook);
        }
    }
};

class FormatCache {
public:
    explicit FormatCache(lxw_workbook* workbook) : workbook_(workbook) {}
    lxw_format* For(const QString& numberFormat) {
        const auto it = formats_.find(numberFormat);
        if (it != formats_.end()) {
            return it->second;
        }
        lxw_format* format = workbook_add_format(workbook_);
        format_set_num_format(format, numberFormat.toUtf8().constData());
        formats_.emplace(numberFormat, format);
        return format;
    }

private:
    lxw_workbook* workbook_;
    std::map<QString, lxw_format*> formats_;
};

// Column widths in characters: the widest text of each shown column, and its heading.
std::vector<double> ColumnWidths(const QAbstractItemModel& table,
                                 const std::vector<SheetColumn>& shown) {
    std::vector<double> widths;
    for (const SheetColumn& column : shown) {
        qsizetype widest = column.Caption.size();
        for (int row = 0; row < table.rowCount(); ++row) {
            widest = std::max(widest, table.index(row, column.Field).data().toString().size());
        }
        widths.push_back(std::min<double>(double(widest) + 2, 80));
    }
    return widths;
}

} // namespace

QString WriteXlsx(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                  const std::filesystem::path& file, const QString& title) {
    const CNumbersInThisThread cNumbers;
    std::vector<SheetColumn> shown;
    std::copy_if(columns.begin(), columns.end(), std::back_inserter(shown),
                 [](const SheetColumn& c) { return c.Visible; });
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* workbook = workbook_new_opt(file.c_str(), &options);
    if (!workbook) {
        return "the workbook cannot be created";
    }
    WorkbookCloser closer{workbook};

    const QByteArray titleBytes =
        (title.isEmpty() ? QStringLiteral("RangeDesk records") : title).toUtf8();
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>(titleBytes.constData());
    properties.created = QDateTime::currentSecsSinceEpoch();
    workbook_set_properties(workbook, &properties);

    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Records");
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    FormatCache formats(workbook);
    const std::vector<double> widths = ColumnWidths(table, shown);
    for (std::size_t c = 0; c < shown.size(); ++c) {
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), widths[c], nullptr);
    }
    worksheet_freeze_panes(sheet, 1, 0);

    for (std::size_t c = 0; c < shown.size(); ++c) {
        worksheet_write_string(sheet, 0, lxw_col_t(c), shown[c].Caption.toUtf8().constData(), bold);
    }
    lxw_error error = LXW_NO_ERROR;
    for (int row = 0; row < table.rowCount() && error == LXW_NO_ERROR; ++row) {
        const lxw_row_t at = lxw_row_t(row + 1);
        for (std::size_t c = 0; c < shown.size(); ++c) {
            const lxw_col_t col = lxw_col_t(c);
            const QVariant value = table.index(row, shown[c].Field).data(Qt::EditRole);
            if (value.isNull()) {
                continue; // no value: an empty cell
            }
            const QString text = value.toString();
            if (const auto numeric = NumberOf(text, shown[c].Kind)) {
                error = worksheet_write_number(sheet, at, col, numeric->Value,
                                               formats.For(numeric->NumberFormat));
            } else {
                error = worksheet_write_string(sheet, at, col, text.toUtf8().constData(), nullptr);
            }
            if (error != LXW_NO_ERROR) {
                return QString("row %1: %2").arg(row + 1).arg(lxw_strerror(error));
            }
        }
    }
    closer.workbook = nullptr;
    errno = 0;
    error = workbook_close(workbook);
    if (error == LXW_NO_ERROR) {
        return {};
    }
    // The zip layer fails on the system's errors (a full disk); say which.
    const int system = errno;
    QString reason = QString::fromUtf8(lxw_strerror(error));
    if (system != 0) {
        reason += QString(" (%1)").arg(QString::fromLocal8Bit(std::strerror(system)));
    }
    return reason;
}

} // namespace rangedesk::output
