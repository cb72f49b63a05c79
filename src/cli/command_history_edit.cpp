// history totals, assign, label, note and deduct: what a user says of kept downloads.
#include <QCoreApplication>
#include <cstdio>

#include "commands.h"
#include "download_history.h"
#include "exit_status.h"
#include "job_book.h"
#include "kept_records_output.h"
#include "kept_records_table.h"
#include "record_edits.h"
#include "record_store.h"

namespace rangedesk::cli {
namespace {

qint64 DownloadIdOf(const CliOptions& options) {
    return options.Arguments.value(0).toLongLong();
}

// The download asked for; JobRefusal naming it and the database when there is none.
store::DownloadInfo RequireDownload(const store::DownloadHistory& history, qint64 id,
                                    const QString& database) {
    std::optional<store::DownloadInfo> download = history.Find(id);
    if (!download) {
        throw store::JobRefusal(
            QCoreApplication::translate("CliHistory", "there is no download %1 in %2")
                .arg(QString::number(id), database)
                .toStdString());
    }
    return *download;
}

void Say(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

} // namespace

int RunHistoryTotals(const CliOptions& options) {
    store::RecordStore store(DatabaseFor(options), store::StoreAccess::ReadOnly);
    store.Open();
    const store::DownloadHistory history(store);
    const store::DownloadInfo download =
        RequireDownload(history, DownloadIdOf(options), store.Path());
    store::KeptRecordsTable records;
    records.ShowDownload(history, download.Id);
    PrintTotals(records, options, true);
    return kDone;
}

int RunHistoryAssign(const CliOptions& options) {
    store::RecordStore store(DatabaseFor(options), store::StoreAccess::ReadWrite);
    store.Open();
    store::JobBook jobs(store);
    const store::DownloadInfo download =
        RequireDownload(store::DownloadHistory(store), DownloadIdOf(options), store.Path());
    const store::JobInfo job = RequireJob(jobs, options.Arguments.value(1), store.Path());
    jobs.Assign(download.Id, job.Id);
    Say(QCoreApplication::translate("CliHistory", "Download %1 is in job \"%2\" now.")
            .arg(QString::number(download.Id), job.Name));
    return kDone;
}

int RunHistoryLabel(const CliOptions& options) {
    store::RecordStore store(DatabaseFor(options), store::StoreAccess::ReadWrite);
    store.Open();
    const qint64 id = DownloadIdOf(options);
    RequireDownload(store::DownloadHistory(store), id, store.Path());
    const int recNo = options.Arguments.value(1).toInt();
    const QString& value = options.Arguments.value(2);
    store::RecordEdits edits(store);
    const QString r = QString::number(recNo);
    const QString d = QString::number(id);
    if (options.Action == "label") {
        edits.SetLabel(id, recNo, value);
        Say(value.isEmpty() ? QCoreApplication::translate(
                                  "CliHistory", "Record %1 of download %2 has no label now.")
                                  .arg(r, d)
                            : QCoreApplication::translate(
                                  "CliHistory", "Record %1 of download %2 is labelled \"%3\".")
                                  .arg(r, d, value));
    } else if (options.Action == "note") {
        edits.SetNote(id, recNo, value);
        Say(value.isEmpty() ? QCoreApplication::translate(
                                  "CliHistory", "Record %1 of download %2 has no note now.")
                                  .arg(r, d)
                            : QCoreApplication::translate(
                                  "CliHistory", "Record %1 of download %2 has a note now.")
                                  .arg(r, d));
    } else {
        edits.SetDeduction(id, recNo, value == "on");
        Say(value == "on" ? QCoreApplication::translate("CliHistory",
                                                        "Record %1 of download %2 is a deduction "
                                                        "now: it counts negative in the totals.")
                                .arg(r, d)
                          : QCoreApplication::translate(
                                "CliHistory", "Record %1 of download %2 is no deduction now.")
                                .arg(r, d));
    }
    return kDone;
}

} // namespace rangedesk::cli
