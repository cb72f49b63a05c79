#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace rangedesk::output {

// An error of the report engine: the definition is missing, unreadable or malformed.
class ReportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class ColumnAlignment { Left, Center, Right };

struct ReportColumn {
    std::string Field;   // a column of the data set
    std::string Caption; // printed in the column headings
    double WidthMm = 20;
    ColumnAlignment Alignment = ColumnAlignment::Left;
};

// The layout of a printout, read from the report definition file.
struct ReportDefinition {
    std::string PageSize = "A4";
    bool Landscape = false;
    double MarginLeftMm = 15, MarginTopMm = 15, MarginRightMm = 15, MarginBottomMm = 15;
    std::string Title;
    std::string FontFamily = "Liberation Sans";
    double FontPoints = 9;
    std::string Connection = "ReportDataSetConnection1";
    std::vector<ReportColumn> Columns;
};

// Parses the text of a definition; a malformed line throws ReportError("line N: ...").
ReportDefinition ParseReportDefinition(std::string_view text);

} // namespace rangedesk::output
