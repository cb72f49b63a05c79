#pragma once

#include <QString>

#include <filesystem>
#include <optional>
#include <vector>

#include "report_definition.h"

class QAbstractItemModel;
class QPagedPaintDevice;

namespace rangedesk::output {

// The data connection a report definition reads the table's rows from.
inline const QString kReportConnection = QStringLiteral("ReportDataSetConnection1");
// What a print of an empty table says instead; NoRowsToPrintText() is it in the user's language.
inline const QString kNoRowsToPrint = QStringLiteral("Have No Data in Database,Can not to Print!");
QString NoRowsToPrintText();
// The largest report definition read.
inline constexpr qint64 kMaxReportDefinitionBytes = qint64(1) << 20;

enum class PrintOutcome { Printed, NoRows };

// Reads and parses a report definition file: a regular file of at most 1 MiB. Throws
// ReportError naming the file (and the line).
ReportDefinition LoadReportDefinition(const std::filesystem::path& file);

// What a print starts with, in this order: the definition read anew (so a missing one is said
// even for an empty table), then the rows looked at. Nothing when the table has no rows.
// Throws ReportError.
std::optional<ReportDefinition> PrepareReport(const QAbstractItemModel& table,
                                              const std::filesystem::path& definitionFile);

// PrepareReport, then the definition checked to read `connection` and only fields the table
// has: the table's column of each of its columns. Nothing when the table has no rows. Throws
// ReportError.
struct ReportForTable {
    ReportDefinition Definition;
    std::vector<int> Fields;
};
std::optional<ReportForTable> PrepareReportFor(const QAbstractItemModel& table,
                                               const std::filesystem::path& definitionFile,
                                               const QString& connection);

// Prints the rows of the table through the report definition on a printer or a PDF writer:
// every page with the title, the date, the column headings and "Page i of n"; columns wider
// than the page are narrowed to fit it. Nothing is printed for an empty table. A page that
// cannot hold the title, the headings and one row is refused. Throws ReportError.
PrintOutcome PrintTable(const QAbstractItemModel& table,
                        const std::filesystem::path& definitionFile, QPagedPaintDevice& device);

// The same as a PDF file (or "-", standard output), replaced only once complete and never one
// of the protected files. Throws ReportError or ExportError.
PrintOutcome PrintTableToPdf(const QAbstractItemModel& table,
                             const std::filesystem::path& definitionFile,
                             const std::filesystem::path& pdf,
                             const std::vector<std::filesystem::path>& protectedFiles);

} // namespace rangedesk::output
