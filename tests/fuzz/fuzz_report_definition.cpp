// Arbitrary texts as a report definition: a definition or ReportError, and every number of a
// definition that parses is finite and in its range.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "report_definition.h"

using namespace rangedesk::output;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const ReportDefinition def =
            ParseReportDefinition({reinterpret_cast<const char*>(data), size});
        const bool sane = std::isfinite(def.FontPoints) && def.FontPoints >= 4 &&
                          def.FontPoints <= 72 && def.MarginLeftMm >= 0 &&
                          def.MarginLeftMm <= 100 && !def.Columns.empty();
        for (const ReportColumn& column : def.Columns) {
            if (!(column.WidthMm >= 1 && column.WidthMm <= 500)) {
                std::abort();
            }
        }
        if (!sane) {
            std::abort();
        }
    } catch (const ReportError&) {
    }
    return 0;
}
