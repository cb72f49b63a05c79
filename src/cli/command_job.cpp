// job: the jobs of the database, their downloads, exports, totals and the client report.
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

#include "client_report.h"
#include "commands.h"
#include "data_location.h"
#include "download_history.h"
#include "exit_status.h"
#include "file_names.h"
#include "job_book.h"
#include "kept_records_output.h"
#include "kept_records_table.h"
#include "output_target.h"
#include "record_store.h"
#include "report_settings.h"
#include "standard_output.h"

namespace rangedesk::cli {
namespace {

QString JobNameOf(const CliOptions& options) {
    return options.Arguments.value(0);
}

void Say(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

QString LocalTimeText(const QDateTime& time) {
    return time.toLocalTime().toString("yyyy-MM-dd HH:mm:ss");
}

// A job opened to read: the store, and the job named on the command line.
struct OpenJob {
    store::RecordStore store;
    store::JobInfo job;

    explicit OpenJob(const CliOptions& options)
        : store(DatabaseFor(options), store::StoreAccess::ReadOnly) {
        store.Open();
        job = RequireJob(store::JobBook(store), JobNameOf(options), store.Path());
    }
};

void PrintJobText(const store::JobInfo& job, const store::DownloadHistory& history) {
    PrintLine(QCoreApplication::translate("CliJob", "Job:\t%1").arg(job.Name));
    PrintLine(QCoreApplication::translate("CliJob", "Client:\t%1").arg(job.Client));
    PrintLine(QCoreApplication::translate("CliJob", "Address:\t%1").arg(job.Address));
    PrintLine(QCoreApplication::translate("CliJob", "Notes:\t%1").arg(job.Notes));
    PrintLine(
        QCoreApplication::translate("CliJob", "Created:\t%1").arg(LocalTimeText(job.Created)));
    PrintLine(QCoreApplication::translate("CliJob", "Downloads:\t%1 (%2 records)")
                  .arg(job.Downloads)
                  .arg(job.Records));
    const std::vector<store::DownloadInfo> downloads =
        history.List(store::DownloadFilter{job.Id, false});
    if (downloads.empty()) {
        return;
    }
    PrintLine("");
    PrintLine(DownloadHeading());
    for (const store::DownloadInfo& d : downloads) {
        PrintLine(DownloadLine(d, history.NewRecords(d)));
    }
}

void PrintJobJson(const store::JobInfo& job, const store::DownloadHistory& history) {
    QJsonObject object = JobJson(job);
    QJsonArray downloads;
    for (const store::DownloadInfo& d : history.List(store::DownloadFilter{job.Id, false})) {
        QJsonObject download = DownloadJson(d, history.NewRecords(d));
        QJsonArray records;
        for (const store::HistoryRecord& r : history.Records(d.Id)) {
            records.append(RecordJson(r));
        }
        download["records"] = records;
        downloads.append(download);
    }
    object["downloads"] = downloads;
    PrintOut(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

} // namespace

int RunJobList(const CliOptions& options) {
    store::RecordStore store(DatabaseFor(options), store::StoreAccess::ReadOnly);
    store.Open();
    const std::vector<store::JobInfo> jobs = store::JobBook(store).List();
    if (options.Json) {
        QJsonArray list;
        for (const store::JobInfo& job : jobs) {
            list.append(JobJson(job));
        }
        PrintOut(QJsonDocument(list).toJson(QJsonDocument::Indented));
        return kDone;
    }
    if (jobs.empty()) {
        Say(QCoreApplication::translate(
            "CliJob", "There is no job yet (rangedesk-cli job create NAME makes one)."));
        return kDone;
    }
    PrintLine("Job\tClient\tCreated\tDownloads\tRecords");
    for (const store::JobInfo& job : jobs) {
        PrintLine(QStringList{job.Name, job.Client, LocalTimeText(job.Created),
                              QString::number(job.Downloads), QString::number(job.Records)}
                      .join('\t'));
    }
    return kDone;
}

int RunJobCreate(const CliOptions& options) {
    store::RecordStore store(DatabaseFor(options), store::StoreAccess::ReadWrite);
    store.Open();
    const store::JobInfo job = store::JobBook(store).Create(
        JobNameOf(options), store::JobDetails{options.JobClient.value_or(QString()),
                                              options.JobAddress.value_or(QString()),
                                              options.JobNote.value_or(QString())});
    Say(QCoreApplication::translate("CliJob", "Job \"%1\" created.").arg(job.Name));
    return kDone;
}

int RunJobRename(const CliOptions& options) {
    store::RecordStore store(DatabaseFor(options), store::StoreAccess::ReadWrite);
    store.Open();
    store::JobBook jobs(store);
    const store::JobInfo job = RequireJob(jobs, JobNameOf(options), store.Path());
    const QString name = options.Arguments.value(1);
    jobs.Rename(job.Id, name);
    Say(QCoreApplication::translate("CliJob", "Job \"%1\" is called \"%2\" now.")
            .arg(job.Name, name.trimmed()));
    return kDone;
}

int RunJobShow(const CliOptions& options) {
    OpenJob open(options);
    const store::DownloadHistory history(open.store);
    if (options.Json) {
        PrintJobJson(open.job, history);
    } else {
        PrintJobText(open.job, history);
    }
    return kDone;
}

int RunJobExport(const CliOptions& options) {
    const QString path = options.Arguments.value(1);
    const output::ExportFormat format =
        options.Format
            ? *options.Format
            : (path == "-" ? output::ExportFormat::Csv
                           : output::FormatForExtension(path).value_or(output::ExportFormat::Xlsx));
    if (format == output::ExportFormat::Xls) {
        throw UsageError(QCoreApplication::translate(
            "CliJob", "job export writes .xlsx or .csv files; an .XLS file has no room for "
                      "the download, the label and the note"));
    }
    OpenJob open(options);
    store::KeptRecordsTable records;
    records.ShowJob(store::DownloadHistory(open.store), open.job.Id);
    ExportKeptRecords(records, true, format, path, options,
                      output::DatabaseFiles(files::LocalPath(open.store.Path())),
                      QCoreApplication::translate("CliJob", "job \"%1\"").arg(open.job.Name),
                      QCoreApplication::translate("CliJob", "Job %1").arg(open.job.Name));
    return kDone;
}

int RunJobTotals(const CliOptions& options) {
    OpenJob open(options);
    store::KeptRecordsTable records;
    records.ShowJob(store::DownloadHistory(open.store), open.job.Id);
    PrintTotals(records, options, false);
    return kDone;
}

int RunJobReport(const CliOptions& options) {
    OpenJob open(options);
    store::KeptRecordsTable records;
    records.ShowJob(store::DownloadHistory(open.store), open.job.Id);
    const output::ReportSettings firm = output::ReportSettings::Load();
    const output::ClientReportHeader header{firm.Company,     firm.Contact,
                                            open.job.Name,    open.job.Client,
                                            open.job.Address, QDate::currentDate()};
    const std::filesystem::path definition = files::LocalPath(store::LocateReportFile(
        QCoreApplication::applicationDirPath(), store::kClientReportDefinitionFile));
    const output::PrintOutcome outcome = output::PrintClientReportToPdf(
        records, header, UnitsOf(options), definition, files::LocalPath(options.Pdf),
        output::DatabaseFiles(files::LocalPath(open.store.Path())));
    if (outcome == output::PrintOutcome::NoRows) {
        PrintError(QCoreApplication::translate(
                       "CliJob", "job \"%1\" has no records to report; no file was written")
                       .arg(open.job.Name));
        return kFileError;
    }
    if (options.Pdf != "-") {
        Say(QCoreApplication::translate("CliJob", "Report of job \"%1\" (%2 records) written to %3")
                .arg(open.job.Name, QString::number(records.rowCount()),
                     files::ShownPath(std::filesystem::absolute(files::LocalPath(options.Pdf)))));
    }
    return kDone;
}

} // namespace rangedesk::cli
