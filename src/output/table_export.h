#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "csv_text.h"
#include "quantity_totals.h"
#include "table_sheet.h"
#include "unit_system.h"

class QAbstractItemModel;

namespace rangedesk::output {

enum class ExportFormat { Xls, Xlsx, Csv };

// The format a file name asks for by its extension (any case); nothing for another one.
std::optional<ExportFormat> FormatForExtension(const QString& path);
// ".XLS", ".xlsx", ".csv".
QString ExtensionOf(ExportFormat format);

// The table as CSV: a heading line with the captions, then one line per row.
QByteArray CsvFromTable(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                        const CsvOptions& options, bool byteOrderMark);

// The same under a unit system. Other than AsMeasured, each measurement column becomes two:
// the value, a plain number in the system's unit at full precision ("." as the decimal
// separator, "," when the fields are separated by ";"), and "CAPTION unit" (m, m2, m3, ft,
// ft2, ft3, °, %); a cell without a quantity keeps its text and leaves the unit empty.
struct CsvTable {
    QByteArray Bytes;
    int TextValues = 0; // measurements that stayed text
};
CsvTable CsvFromTable(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                      const CsvOptions& options, bool byteOrderMark, UnitSystem units);

// Throws the ExportError an export of `rows` rows meets before any file is looked at: no rows,
// or (with a format) more rows than the format holds, naming the limit and another format.
void CheckExportable(int rows, std::optional<ExportFormat> format = std::nullopt);

struct ExportOptions {
    QString Title; // the XLS title cell and the XLSX document title
    // CSV: "," unless the user's locale writes decimals with a comma, then ";".
    std::optional<QChar> CsvSeparator;
    // Files never written: the record database and the files beside it (DatabaseFiles()).
    std::vector<std::filesystem::path> Protected;
    // Asked when the target exists, once every check has passed and before anything is
    // written; false keeps the file and ends the export. Not set: the file is replaced.
    std::function<bool(const std::filesystem::path& target)> ConfirmReplace;
    // The units of the measurements (XLSX and CSV; the XLS is always as measured): see
    // WriteXlsx and CsvFromTable.
    UnitSystem Units = UnitSystem::AsMeasured;
};

// What an export wrote.
struct ExportResult {
    bool Written = false;          // false: ConfirmReplace kept the old file
    int Rows = 0;                  // records written
    int TextValues = 0;            // measurements that stayed text under a unit system
    std::vector<KindTotal> Totals; // the XLSX totals block, under a unit system
};

// Writes the table to `target` in the format. "-" is standard output (CSV without a
// byte-order mark, the XLS bytes, or the XLSX written to a scratch file first); a regular file
// is written beside the target and renamed over it only once complete, so a failure leaves
// the old file as it was; a device, a pipe, a folder or a protected file is refused. Returns
// false when ConfirmReplace kept the old file; throws ExportError.
bool ExportTable(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                 ExportFormat format, const std::filesystem::path& target,
                 const ExportOptions& options = {});
// The same, saying what was written. A unit system other than AsMeasured with the XLS format
// is refused (ExportError, kind UnitsInXls) before anything is looked at.
ExportResult ExportRecords(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                           ExportFormat format, const std::filesystem::path& target,
                           const ExportOptions& options = {});

} // namespace rangedesk::output
