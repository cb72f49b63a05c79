#include "reading_text.h"

namespace rangedesk::records {

QString ReadingText(std::int32_t tenthsOfMillimetre, const NumberFormat& format) {
    return QString::fromStdString(FormatPattern(tenthsOfMillimetre, 4, "0.000", format));
}

QString ReadingTextWithUnit(std::int32_t tenthsOfMillimetre, const NumberFormat& format) {
    return ReadingText(tenthsOfMillimetre, format) + " m";
}

} // namespace rangedesk::records
