#include "reading_display.h"

namespace rangedesk::app {

void ReadingDisplay::Show(const QString& readingText) {
    if (lines_[3] != kPlaceholder) {
        for (std::size_t line = 0; line < 3; ++line) {
            lines_[line] = lines_[line + 1];
        }
    }
    lines_[3] = readingText + "  m";
}

void ReadingDisplay::Clear() {
    for (std::size_t line = 3; line > 0; --line) {
        lines_[line] = lines_[line - 1];
    }
    lines_[0].clear();
    if (lines_[3].isEmpty()) {
        lines_[3] = kPlaceholder;
    }
}

} // namespace rangedesk::app
