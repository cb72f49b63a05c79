// download: every record of the meter into the database and, or, a CSV file.
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>

#include <cstdio>
#include <optional>
#include <unistd.h>

#include "cli_meter.h"
#include "commands.h"
#include "csv_record_sink.h"
#include "data_location.h"
#include "download_history.h"
#include "download_outcome.h"
#include "download_summary.h"
#include "exit_status.h"
#include "export_error.h"
#include "fan_out_sink.h"
#include "file_names.h"
#include "interrupt_watch.h"
#include "job_book.h"
#include "meter_operations.h"
#include "output_target.h"
#include "progress_line.h"
#include "record_store.h"
#include "standard_output.h"
#include "store_error.h"
#include "store_record_sink.h"
#include "team_settings.h"
#include "text_rules.h"

namespace rangedesk::cli {
namespace {

ProgressPrinter::Style ProgressStyle(const CliOptions& options) {
    if (options.Quiet) {
        return ProgressPrinter::Style::Quiet;
    }
    return ::isatty(STDERR_FILENO) ? ProgressPrinter::Style::Bar : ProgressPrinter::Style::Lines;
}

// The summary line: what was stored of what was asked for, and what is missing.
QString SummaryLine(const records::DownloadSummary& summary) {
    if (summary.Missing.empty()) {
        return QCoreApplication::translate("CliDownload", "%1 of %2 records stored.")
            .arg(summary.Stored)
            .arg(summary.Asked);
    }
    return QCoreApplication::translate("CliDownload", "%1 of %2 records stored; missing: %3.")
        .arg(QString::number(summary.Stored), QString::number(summary.Asked),
             records::RecordNumbersText(summary.Missing));
}

int StatusOf(const records::DownloadSummary& summary, bool interrupted) {
    if (interrupted || summary.End == records::DownloadEnd::Cancelled) {
        return kInterrupted;
    }
    switch (summary.End) {
    case records::DownloadEnd::DatabaseError:
        return kFileError;
    case records::DownloadEnd::NoAnswer:
    case records::DownloadEnd::Unplugged:
        return kIncomplete;
    default:
        return summary.Missing.empty() ? kDone : kIncomplete;
    }
}

// The job a download goes into, made when there is none of that name; `created` says so.
std::optional<store::JobInfo> JobFor(store::RecordStore& store, const std::optional<QString>& name,
                                     bool& created) {
    if (!name) {
        return std::nullopt;
    }
    return store::JobBook(store).FindOrCreate(*name, &created);
}

// What download --json prints: the download's id, its counts, how it ended and its job.
void PrintSummaryJson(store::RecordStore* store, qint64 id, const records::DownloadSummary& summary,
                      const std::optional<store::JobInfo>& job, bool jobCreated) {
    QJsonObject object{{"asked", summary.Asked},
                       {"stored", summary.Stored},
                       {"job", job ? QJsonValue(job->Name) : QJsonValue()},
                       {"job_created", jobCreated}};
    std::optional<store::DownloadInfo> download;
    int fresh = 0;
    if (store && id > 0) {
        const store::DownloadHistory history(*store);
        download = history.Find(id);
        fresh = download ? history.NewRecords(*download) : 0;
    }
    object["download"] = download ? QJsonValue(download->Id) : QJsonValue();
    object["new"] = download ? QJsonValue(fresh) : QJsonValue();
    object["outcome"] =
        download ? download->Outcome : records::OutcomeWord(records::OutcomeOf(summary));
    PrintOut(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

} // namespace

int RunDownload(const CliOptions& options) {
    // A name the database would refuse is said before the meter is asked anything.
    if (options.Job) {
        if (const auto problem = store::JobNameProblem(*options.Job)) {
            throw store::JobRefusal(problem->toStdString());
        }
    }
    CliMeter meter(options);
    if (const int status = CheckMeter(meter); status != kDone) {
        return status;
    }
    std::optional<store::RecordStore> store;
    std::optional<store::StoreRecordSink> storeSink;
    std::optional<store::JobInfo> job;
    bool jobCreated = false;
    if (!options.NoDatabase) {
        store.emplace(DatabaseFor(options), store::StoreAccess::ReadWrite);
        // The desk a team server knows this desk by, also when none is set now.
        store->SetDesk(team::DeskIdentityOf(team::LoadTeamSettings()));
        store->Open();
        storeSink.emplace(*store);
    }
    std::optional<output::OutputTarget> csvTarget;
    std::optional<output::CsvRecordSink> csv;
    if (!options.Csv.isEmpty()) {
        // Never the database, whether this download writes it or not.
        const QString database =
            store ? store->Path()
            : options.Database.isEmpty()
                ? store::LocateData(QCoreApplication::applicationDirPath()).Database
                : options.Database;
        csvTarget.emplace(files::LocalPath(options.Csv), output::SpecialFile::WriteInto,
                          output::DatabaseFiles(files::LocalPath(database)));
        csv.emplace(*csvTarget);
    }
    std::vector<records::RecordSink*> sinks;
    if (storeSink) {
        sinks.push_back(&*storeSink);
    }
    if (csv) {
        sinks.push_back(&*csv);
    }
    FanOutSink sink(sinks);

    meter::MeterOperations& ops = meter.Operations();
    ops.SetRecordSink(&sink);
    ProgressPrinter progress(stderr, ProgressStyle(options));
    QObject::connect(&ops, &meter::MeterOperations::downloadProgress,
                     [&](int record, int total) { progress.Show(record, total); });
    std::optional<records::DownloadSummary> summary;
    QObject::connect(&ops, &meter::MeterOperations::downloadFinished,
                     [&](const records::DownloadSummary& s) { summary = s; });
    meter::InterruptWatch interrupt;
    QObject::connect(&interrupt, &meter::InterruptWatch::interrupted, &ops,
                     &meter::MeterOperations::CancelDownload);

    // The job is made last, once nothing else can refuse the download.
    if (store) {
        job = JobFor(*store, options.Job, jobCreated);
        storeSink->SetJob(job ? std::optional(job->Id) : std::nullopt);
    }
    meter.Session().Submit(meter::MeterSession::Request::Download);
    progress.Finish();
    if (csv && csv->Started()) {
        csvTarget->Commit(); // the rows downloaded, whatever ended the download
    }
    const QString message = records::DownloadSummaryText(*summary);
    if (summary->End == records::DownloadEnd::DatabaseError) {
        PrintError(QCoreApplication::translate("CliDownload", "download stopped: %1").arg(message));
    } else if (!message.isEmpty()) {
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    }
    std::fprintf(stderr, "%s\n", SummaryLine(*summary).toUtf8().constData());
    if (job) {
        const QString said =
            jobCreated
                ? QCoreApplication::translate("CliDownload",
                                              "Job \"%1\" created; the download is in it.")
                : QCoreApplication::translate("CliDownload", "The download is in job \"%1\".");
        std::fprintf(stderr, "%s\n", said.arg(job->Name).toUtf8().constData());
    }
    if (options.Json) {
        PrintSummaryJson(store ? &*store : nullptr, storeSink ? storeSink->LastDownload() : 0,
                         *summary, job, jobCreated);
    }
    return StatusOf(*summary, interrupt.Interrupted());
}

} // namespace rangedesk::cli
