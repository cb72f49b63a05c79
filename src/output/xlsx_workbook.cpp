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

#include "kept_record_columns.h"
#include "measurement_cells.h"
#include "numeric_text.h"
#include "table_totals.h"

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

// "$G$2:$G$101": the rows of one column, for a formula.
std::string RowsOf(lxw_col_t col, lxw_row_t first, lxw_row_t last) {
    char range[64];
    lxw_rowcol_to_range_abs(range, first, col, last, col);
    return range;
}

// Where an export under a unit system keeps what its totals read.
struct TotalsLayout {
    int Result = -1;              // the sheet column of RESULT; -1: not shown, no totals block
    int Deduction = -1;           // the sheet column with the deduction marks; -1: no deductions
    bool HiddenDeduction = false; // that column is a hidden one of ours
    lxw_col_t Kind = 0;           // the hidden column of each row's RESULT kind
};

// The formula of one kind's total: the sum of its RESULT values, each deduction counting as
// minus its magnitude (a positive one is taken off twice; a negative one is minus it already).
std::string TotalFormula(const TotalsLayout& at, const std::string& kind, lxw_row_t last) {
    const std::string result = RowsOf(lxw_col_t(at.Result), 1, last);
    const std::string kinds = RowsOf(at.Kind, 1, last);
    std::string formula = "=SUMIFS(" + result + "," + kinds + ",\"" + kind + "\")";
    if (at.Deduction >= 0) {
        formula += "-2*SUMIFS(" + result + "," + kinds + ",\"" + kind + "\"," +
                   RowsOf(lxw_col_t(at.Deduction), 1, last) + ",\"" +
                   records::kDeductionMark.toStdString() + "\"," + result + ",\">0\")";
    }
    return formula;
}

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

// One workbook being written: the rows of the table, then, under a unit system, the totals.
class SheetWriter {
public:
    SheetWriter(const QAbstractItemModel& table, std::vector<SheetColumn> shown,
                lxw_workbook* workbook, lxw_worksheet* sheet, UnitSystem units)
        : table_(table), shown_(std::move(shown)), fields_(FieldsOf(table)), sheet_(sheet),
          formats_(workbook), units_(units) {
        bold_ = workbook_add_format(workbook);
        format_set_bold(bold_);
        for (std::size_t c = 0; c < shown_.size(); ++c) {
            if (shown_[c].Field == fields_.Result) {
                totals_.Result = int(c);
            }
            if (shown_[c].Field == fields_.Deduction) {
                totals_.Deduction = int(c);
            }
        }
        totals_.Kind = lxw_col_t(shown_.size());
        if (totals_.Deduction < 0 && fields_.Deduction >= 0) {
            totals_.Deduction = int(shown_.size()) + 1;
            totals_.HiddenDeduction = true;
        }
    }

    bool Converting() const { return units_ != UnitSystem::AsMeasured; }

    void Layout() {
        const std::vector<double> widths = ColumnWidths(table_, shown_);
        for (std::size_t c = 0; c < shown_.size(); ++c) {
            worksheet_set_column(sheet_, lxw_col_t(c), lxw_col_t(c), widths[c], nullptr);
        }
        if (Converting()) {
            lxw_row_col_options hidden{};
            hidden.hidden = LXW_TRUE;
            const lxw_col_t last = totals_.HiddenDeduction ? totals_.Kind + 1 : totals_.Kind;
            worksheet_set_column_opt(sheet_, totals_.Kind, last, LXW_DEF_COL_WIDTH, nullptr,
                                     &hidden);
        }
        worksheet_freeze_panes(sheet_, 1, 0);
    }

    lxw_error Header() {
        for (std::size_t c = 0; c < shown_.size(); ++c) {
            Check(worksheet_write_string(sheet_, 0, lxw_col_t(c),
                                         shown_[c].Caption.toUtf8().constData(), bold_));
        }
        if (Converting()) {
            Check(worksheet_write_string(sheet_, 0, totals_.Kind, "kind", nullptr));
            if (totals_.HiddenDeduction) {
                Check(worksheet_write_string(sheet_, 0, totals_.Kind + 1, "deduction", nullptr));
            }
        }
        return error_;
    }

    lxw_error Row(int row) {
        const lxw_row_t at = lxw_row_t(row + 1);
        const QString unit =
            fields_.Unit < 0 ? QString() : table_.index(row, fields_.Unit).data().toString();
        for (std::size_t c = 0; c < shown_.size() && error_ == LXW_NO_ERROR; ++c) {
            Cell(at, lxw_col_t(c), table_.index(row, shown_[c].Field).data(Qt::EditRole), shown_[c],
                 unit);
        }
        if (Converting() && error_ == LXW_NO_ERROR) {
            TotalsOfRow(row, at, unit);
        }
        return error_;
    }

    // The totals block, two rows under the last: one row per kind.
    lxw_error Totals(int rows) {
        if (!Converting() || totals_.Result < 0) {
            return error_;
        }
        sums_ = SumQuantities(entries_, units_);
        const lxw_row_t last = lxw_row_t(rows);
        lxw_row_t at = last + 2;
        lxw_format* records = formats_.For(QStringLiteral("0\" records\""));
        for (const KindTotal& total : sums_) {
            const std::string kind(KindName(total.Kind));
            Check(worksheet_write_string(sheet_, at, 0, ("Total " + kind).c_str(), bold_));
            if (shown_.size() > 1 && totals_.Result != 1) {
                const std::string count =
                    "=COUNTIFS(" + RowsOf(totals_.Kind, 1, last) + ",\"" + kind + "\")";
                Check(worksheet_write_formula_num(sheet_, at, 1, count.c_str(), records,
                                                  double(total.Records)));
            }
            Check(worksheet_write_formula_num(
                sheet_, at, lxw_col_t(totals_.Result), TotalFormula(totals_, kind, last).c_str(),
                formats_.For(UnitNumberFormat(total.Unit)), total.Converted().NearestDouble()));
            ++at;
        }
        return error_;
    }

    int TextValues() const { return textValues_; }
    std::vector<KindTotal> TakeTotals() { return std::move(sums_); }

private:
    void Check(lxw_error error) {
        if (error_ == LXW_NO_ERROR) {
            error_ = error;
        }
    }

    void Cell(lxw_row_t row, lxw_col_t col, const QVariant& value, const SheetColumn& column,
              const QString& unit) {
        if (value.isNull()) {
            return; // no value: an empty cell
        }
        if (column.Field == fields_.Deduction) {
            if (IsDeduction(value)) {
                Check(worksheet_write_string(
                    sheet_, row, col, records::kDeductionMark.toUtf8().constData(), nullptr));
            }
            return;
        }
        const QString text = value.toString();
        if (Converting() && column.Kind == records::ColumnKind::Measurement) {
            const ConvertedCell cell = ConvertCell(text, unit, units_);
            if (cell.Value) {
                Check(worksheet_write_number(sheet_, row, col, cell.Value->NearestDouble(),
                                             formats_.For(UnitNumberFormat(cell.Value->Unit))));
                return;
            }
            textValues_ += StaysText(cell) ? 1 : 0;
        } else if (const auto numeric = NumberOf(text, column.Kind)) {
            Check(worksheet_write_number(sheet_, row, col, numeric->Value,
                                         formats_.For(numeric->NumberFormat)));
            return;
        }
        Check(worksheet_write_string(sheet_, row, col, text.toUtf8().constData(), nullptr));
    }

    // What the totals read of a row: its RESULT's kind in the hidden column, and its deduction.
    void TotalsOfRow(int row, lxw_row_t at, const QString& unit) {
        if (fields_.Result < 0) {
            return;
        }
        const bool deducted = fields_.Deduction >= 0 &&
                              IsDeduction(table_.index(row, fields_.Deduction).data(Qt::EditRole));
        const std::optional<Quantity> q =
            CellQuantity(table_.index(row, fields_.Result).data().toString(), unit);
        entries_.push_back({row, q, deducted ? Deduction::Yes : Deduction::No});
        if (q && (q->Kind == QuantityKind::Length || q->Kind == QuantityKind::Area ||
                  q->Kind == QuantityKind::Volume)) {
            Check(worksheet_write_string(sheet_, at, totals_.Kind,
                                         std::string(KindName(q->Kind)).c_str(), nullptr));
        }
        if (totals_.HiddenDeduction && deducted) {
            Check(worksheet_write_string(sheet_, at, totals_.Kind + 1,
                                         records::kDeductionMark.toUtf8().constData(), nullptr));
        }
    }

    const QAbstractItemModel& table_;
    const std::vector<SheetColumn> shown_;
    const RowFields fields_;
    lxw_worksheet* sheet_;
    FormatCache formats_;
    lxw_format* bold_ = nullptr;
    const UnitSystem units_;
    TotalsLayout totals_;
    std::vector<TotalEntry> entries_;
    std::vector<KindTotal> sums_;
    int textValues_ = 0;
    lxw_error error_ = LXW_NO_ERROR;
};

// The reason a close failed: the zip layer fails on the system's errors (a full disk); say
// which.
QString CloseFailure(lxw_error error, int system) {
    QString reason = QString::fromUtf8(lxw_strerror(error));
    if (system != 0) {
        reason += QString(" (%1)").arg(QString::fromLocal8Bit(std::strerror(system)));
    }
    return reason;
}

} // namespace

XlsxResult WriteXlsx(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                     const std::filesystem::path& file, const QString& title, UnitSystem units) {
    const CNumbersInThisThread cNumbers;
    std::vector<SheetColumn> shown;
    std::copy_if(columns.begin(), columns.end(), std::back_inserter(shown),
                 [](const SheetColumn& c) { return c.Visible; });
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* workbook = workbook_new_opt(file.c_str(), &options);
    if (!workbook) {
        return {"the workbook cannot be created", 0, {}};
    }
    WorkbookCloser closer{workbook};

    const QByteArray titleBytes =
        (title.isEmpty() ? QStringLiteral("RangeDesk records") : title).toUtf8();
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>(titleBytes.constData());
    properties.created = QDateTime::currentSecsSinceEpoch();
    workbook_set_properties(workbook, &properties);

    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Records");
    SheetWriter writer(table, std::move(shown), workbook, sheet, units);
    writer.Layout();
    lxw_error error = writer.Header();
    int row = 0;
    for (; row < table.rowCount() && error == LXW_NO_ERROR; ++row) {
        error = writer.Row(row);
    }
    if (error == LXW_NO_ERROR) {
        error = writer.Totals(table.rowCount());
    }
    if (error != LXW_NO_ERROR) {
        return {QString("row %1: %2").arg(row).arg(lxw_strerror(error)), 0, {}};
    }
    closer.workbook = nullptr;
    errno = 0;
    error = workbook_close(workbook);
    if (error != LXW_NO_ERROR) {
        return {CloseFailure(error, errno), 0, {}};
    }
    return {{}, writer.TextValues(), writer.TakeTotals()};
}

} // namespace rangedesk::output
