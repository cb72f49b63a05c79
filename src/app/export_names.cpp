#include "export_names.h"

namespace rangedesk::app {
namespace {

constexpr qsizetype kMaxFileNameBytes = 255;

// What a FAT or NTFS stick, or another system's share, refuses in a name.
bool Forbidden(QChar c) {
    return c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c);
}

} // namespace

QString SuggestedExportName(const QString& jobName, QDate date, output::ExportFormat format) {
    QString job;
    for (const QChar c : jobName.trimmed()) {
        job += Forbidden(c) ? QChar('-') : c;
    }
    // No hidden file, whatever the job is called.
    while (job.startsWith('.')) {
        job.remove(0, 1);
    }
    job = job.trimmed();
    if (job.isEmpty()) {
        job = "RangeDesk";
    }
    const QString tail = " " + date.toString("yyyy-MM-dd") + output::ExtensionOf(format);
    while ((job + tail).toUtf8().size() > kMaxFileNameBytes) {
        job.chop(job.size() >= 2 && job.back().isLowSurrogate() ? 2 : 1);
    }
    return job.trimmed() + tail;
}

} // namespace rangedesk::app
