#include "progress_line.h"
#include <QCoreApplication>

#include <cmath>

namespace rangedesk::cli {

QString ProgressBarText(int record, int total, double seconds, int width) {
    const int done = total > 0 ? record * width / total : width;
    QString text = '[' + QString(done, '#') + QString(width - done, '.') + ']';
    text += QCoreApplication::translate("CliProgress", " Record %1 of %2").arg(record).arg(total);
    if (seconds > 0 && record > 1) {
        const double rate = (record - 1) / seconds;
        const int left = static_cast<int>(std::lround((total - record + 1) / rate));
        text += QCoreApplication::translate("CliProgress", "  %1/s  %2:%3 left")
                    .arg(rate, 0, 'f', 1)
                    .arg(left / 60)
                    .arg(left % 60, 2, 10, QChar('0'));
    }
    return text;
}

void ProgressPrinter::Show(int record, int total) {
    if (style_ == Style::Quiet || total <= 0) {
        return;
    }
    if (!clock_.isValid()) {
        clock_.start();
    }
    if (style_ == Style::Bar) {
        const QString line = ProgressBarText(record, total, clock_.elapsed() / 1000.0);
        std::fprintf(out_, "\r%s\033[K", qPrintable(line));
        std::fflush(out_);
        drawn_ = true;
        return;
    }
    const int tenth = record * 10 / total;
    if (tenth != lastTenth_) {
        lastTenth_ = tenth;
        std::fprintf(out_, "%s\n",
                     qPrintable(QCoreApplication::translate("CliProgress", "Record %1 of %2")
                                    .arg(record)
                                    .arg(total)));
        std::fflush(out_);
    }
}

void ProgressPrinter::Finish() {
    if (drawn_) {
        std::fputc('\n', out_);
        drawn_ = false;
    }
}

} // namespace rangedesk::cli
