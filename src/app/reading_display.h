#pragma once

#include <QString>

#include <array>

namespace rangedesk::app {

// The four lines over the meter's screen: the newest reading at the bottom (Label3), the
// three before it above, oldest first.
class ReadingDisplay {
public:
    static inline const QString kPlaceholder = QStringLiteral("0.000  m");

    // A new reading, "1.234", shown as "1.234  m"; the lines move up unless the bottom one is
    // the placeholder, so the placeholder never enters the history.
    void Show(const QString& readingText);
    // The newest reading leaves: the lines move down, and an empty bottom line shows the
    // placeholder.
    void Clear();

    const std::array<QString, 4>& Lines() const { return lines_; }
    const QString& Newest() const { return lines_[3]; }

private:
    std::array<QString, 4> lines_{QString(), QString(), QString(), kPlaceholder};
};

} // namespace rangedesk::app
