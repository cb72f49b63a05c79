#pragma once

#include <QElapsedTimer>
#include <QString>

#include <cstdio>

namespace rangedesk::cli {

// The progress bar of a download on a terminal: "[#####.....] Record 50 of 100  12.5/s  0:04
// left", `width` characters of bar.
QString ProgressBarText(int record, int total, double seconds, int width = 30);

// Download progress on standard error: a bar redrawn in place on a terminal, one line per
// tenth elsewhere (a log, a pipe), nothing when quiet.
class ProgressPrinter {
public:
    enum class Style { Bar, Lines, Quiet };
    ProgressPrinter(std::FILE* out, Style style) : out_(out), style_(style) {}

    void Show(int record, int total);
    // Ends the bar's line.
    void Finish();

private:
    std::FILE* out_;
    Style style_;
    QElapsedTimer clock_;
    int lastTenth_ = -1;
    bool drawn_ = false;
};

} // namespace rangedesk::cli
