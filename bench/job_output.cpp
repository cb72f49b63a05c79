// A job's outputs at size: the XLSX of a 100,000-record job in metric units with its totals
// block (time and peak memory), and the client report of a 2,000-record job as a PDF.
#include <QGuiApplication>

#include <cstdio>
#include <sys/resource.h>

#include "bench_util.h"
#include "client_report.h"
#include "data_location.h"
#include "download_history.h"
#include "history_fixture.h"
#include "job_book.h"
#include "kept_records_export.h"
#include "kept_records_table.h"
#include "program_folder.h"
#include "record_store.h"

using namespace rangedesk;

namespace {

// The process's peak resident memory so far, in MB.
double PeakMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024;
}

// A job of `downloads` downloads of `records` records each, read as the exports read it.
qint64 MakeJob(const QString& path, int downloads, int records) {
    bench::FillLayoutOne(path, downloads, records);
    store::RecordStore store(path, store::StoreAccess::ReadWrite);
    store::JobBook jobs(store);
    const qint64 job = jobs.Create("Site A").Id;
    for (int d = 1; d <= downloads; ++d) {
        jobs.Assign(d, job);
    }
    return job;
}

void Xlsx(const ProgramFolder& folder) {
    const QString path = folder.LibFile("DistLib.mdb");
    const qint64 job = MakeJob(path, 100, 1000);
    const double before = PeakMb();
    const double start = bench::NowSeconds();
    const double cpuStart = bench::ProcessCpuSeconds();
    store::RecordStore store(path, store::StoreAccess::ReadOnly);
    store::KeptRecordsTable table;
    table.ShowJob(store::DownloadHistory(store), job);
    const double read = bench::NowSeconds() - start;
    output::ExportOptions options;
    options.Units = UnitSystem::Metric;
    const output::ExportResult result =
        output::ExportKeptRecords(table, output::DownloadColumn::First, output::ExportFormat::Xlsx,
                                  folder.LibFile("job.xlsx").toStdString(), options);
    std::printf("XLSX of a job of %d records, metric, %zu totals: %.2f s (%.2f s of CPU; %.2f s "
                "reading the job); peak memory %.0f MB (%.0f MB before)\n",
                result.Rows, result.Totals.size(), bench::NowSeconds() - start,
                bench::ProcessCpuSeconds() - cpuStart, read, PeakMb(), before);
}

void Report(const ProgramFolder& folder) {
    const QString path = folder.LibFile("DistLib.mdb");
    const qint64 job = MakeJob(path, 2, 1000);
    const double start = bench::NowSeconds();
    const double cpuStart = bench::ProcessCpuSeconds();
    store::RecordStore store(path, store::StoreAccess::ReadOnly);
    store::KeptRecordsTable table;
    table.ShowJob(store::DownloadHistory(store), job);
    const output::ClientReportHeader header{
        "Example Surveys Ltd", "office@example.com", "Site A", "A. Smith",
        "12 Elm St",           QDate(2026, 12, 9)};
    output::PrintClientReportToPdf(
        table, header, UnitSystem::Metric,
        QString(RANGEDESK_SOURCE_DIR "/resources/Report.rav").toStdString(),
        folder.LibFile("report.pdf").toStdString(), {});
    std::printf("report of a job of %d records to PDF: %.2f s (%.2f s of CPU)\n", table.rowCount(),
                bench::NowSeconds() - start, bench::ProcessCpuSeconds() - cpuStart);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    {
        ProgramFolder folder;
        Xlsx(folder);
    }
    {
        ProgramFolder folder;
        Report(folder);
    }
    return 0;
}
