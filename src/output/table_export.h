#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "csv_text.h"
#include "table_sheet.h"

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
};

// Writes the table to `target` in the format. "-" is standard output (CSV without a
// byte-order mark, the XLS bytes, or the XLSX written to a scratch file first); a regular file
// is written beside the target and renamed over it only once complete, so a failure leaves
// the old file as it was; a device, a pipe, a folder or a protected file is refused. Returns
// false when ConfirmReplace kept the old file; throws ExportError.
bool ExportTable(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                 ExportFormat format, const std::filesystem::path& target,
                 const ExportOptions& options = {});

} // namespace rangedesk::output
