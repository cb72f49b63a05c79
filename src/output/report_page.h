#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <filesystem>
#include <string>
#include <vector>

#include "report_definition.h"

class QAbstractItemModel;
class QPagedPaintDevice;

namespace rangedesk::output::report {

// What the printouts of the report engine share: the page of a definition, its columns and
// the refusals that name the definition file.

// Throws ReportError: "Report definition FILE, WHY".
[[noreturn]] void Refuse(const std::filesystem::path& file, const QString& why);

// A text of the definition as shown in a message, its control characters escaped.
QString Shown(const std::string& text);

// The column of the table whose heading is the field's name; -1 when there is none.
int FieldIndex(const QAbstractItemModel& table, const std::string& field);

Qt::Alignment AlignmentOf(ColumnAlignment alignment);

// Sets the device's page size, orientation and margins; refuses margins that do not fit.
void PreparePage(const ReportDefinition& def, QPagedPaintDevice& device,
                 const std::filesystem::path& file);

// Where things go on a page, in device pixels.
struct PageMetrics {
    QRect page;
    int line = 0;
    int rowsPerPage = 1;     // lines left for rows after `fixedLines`
    std::vector<int> widths; // of the definition's columns, narrowed to fit the page together
};

// The page measured with the definition's font; `fixedLines` are the lines of every page that
// hold no row (title, headings, page number). A page without room for one row is refused.
PageMetrics Measure(const ReportDefinition& def, const QFont& font, QPagedPaintDevice& device,
                    const std::filesystem::path& file, int fixedLines);

} // namespace rangedesk::output::report
