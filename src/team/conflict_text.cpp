#include "conflict_text.h"

#include <QCoreApplication>

namespace rangedesk::team {
namespace {

QString LocalTime(const QDateTime& time, const char* format) {
    return time.isValid() ? time.toLocalTime().toString(format)
                          : QCoreApplication::translate("TeamConflict", "an unknown time");
}

QString DownloadName(const QDateTime& started) {
    return started.isValid() ? QCoreApplication::translate("TeamConflict", "the download of %1")
                                   .arg(LocalTime(started, "yyyy-MM-dd HH:mm"))
                             : QCoreApplication::translate("TeamConflict", "a download");
}

struct Described {
    QString What;
    RowVersion Version;
};

Described Describe(const RemoteRow& row, const QDateTime& downloadStarted) {
    if (const auto* job = std::get_if<TeamJob>(&row)) {
        return {QCoreApplication::translate("TeamConflict", "Job \"%1\"").arg(job->Name),
                job->Version};
    }
    if (const auto* download = std::get_if<TeamDownload>(&row)) {
        return {QCoreApplication::translate("TeamConflict", "The job of %1")
                    .arg(DownloadName(downloadStarted)),
                download->JobVersion};
    }
    if (const auto* record = std::get_if<TeamRecord>(&row)) {
        return {QCoreApplication::translate("TeamConflict", "Record %1 of %2")
                    .arg(record->RecNo)
                    .arg(DownloadName(downloadStarted)),
                record->Version};
    }
    const auto& reading = std::get<TeamReading>(row);
    return {QCoreApplication::translate("TeamConflict", "The reading %1 of %2")
                .arg(reading.Text, LocalTime(reading.Taken, "yyyy-MM-dd HH:mm:ss")),
            reading.Version};
}

} // namespace

QString ConflictText(const RemoteRow& row, const QDateTime& downloadStarted) {
    const Described d = Describe(row, downloadStarted);
    return QCoreApplication::translate("TeamConflict",
                                       "%1: changed by %2 at %3; the edit made here was replaced.")
        .arg(d.What, d.Version.ChangedBy, LocalTime(d.Version.Changed, "yyyy-MM-dd HH:mm:ss"));
}

} // namespace rangedesk::team
