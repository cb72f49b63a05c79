#pragma once

#include <optional>
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

// Rows printed in groups: a heading before each run of rows with the same text in Field.
struct ReportGroup {
    std::string Field;
    std::string Heading = "{value}"; // "{value}" stands for the field's text
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
    // What the client report prints beside the rows (the printout of LoadData prints none):
    std::vector<std::string> Header;          // lines at the top of the first page, with
                                              // placeholders ({company}, {job}, ...)
    std::optional<ReportGroup> Group;         // rows grouped under headings
    std::optional<std::string> TotalsHeading; // the totals by kind after the rows
};

// Parses the text of a definition; a malformed line throws ReportError("line N: ...").
ReportDefinition ParseReportDefinition(std::string_view text);

} // namespace rangedesk::output
