#pragma once

#include <QByteArray>
#include <QString>

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

// Why the table cannot be written in the format (more rows than it holds), naming the limit
// and another format; empty when it can.
QString FormatLimitProblem(int rows, ExportFormat format);

// The table's bytes in a format written in memory (XLS, CSV); the CSV separator follows the
// user's locale.
QByteArray TableBytes(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                      ExportFormat format, const QString& title);

// Writes the table to `path` in the format: beside the target first, renamed over it only once
// complete, so a failure leaves the old file as it was. Returns the reason, empty on success.
QString ExportTable(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                    ExportFormat format, const QString& path, const QString& title = {});

} // namespace rangedesk::output
