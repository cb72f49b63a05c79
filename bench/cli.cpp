// rangedesk-cli as a process: a download of 999 simulated records with the database and
// without it, and the start-up of --version.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

#include "bench_util.h"

namespace {

constexpr int kRecords = 999;

double TimeRun(const QStringList& arguments) {
    QProcess process;
    const double start = bench::NowSeconds();
    process.start(RANGEDESK_CLI, arguments);
    process.waitForFinished(120000);
    const double seconds = bench::NowSeconds() - start;
    if (process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(arguments.join(' ')),
                     process.readAllStandardError().constData());
    }
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    std::vector<double> starts;
    for (int i = 0; i < 20; ++i) {
        starts.push_back(TimeRun({"--version"}));
    }
    const double startup = bench::Percentile(starts, 0.5);
    std::printf("rangedesk-cli --version: %.1f ms (median of 20)\n", startup * 1000);

    QTemporaryDir dir;
    const QString db = dir.filePath("DistLib.mdb");
    QFile::copy(RANGEDESK_TEMPLATE_DB, db);
    const double withDb = TimeRun({"download", "--simulate", "3:999:0", "--db", db, "--quiet"});
    const double csvOnly =
        TimeRun({"download", "--simulate", "3:999:0", "--no-db", "--csv", "/dev/null", "--quiet"});
    for (const auto& [name, seconds] :
         {std::pair("with the database", withDb), std::pair("--no-db --csv /dev/null", csvOnly)}) {
        std::printf("download of %d records %s: %.3f s; %.3f ms a record of host time "
                    "(start-up taken out)\n",
                    kRecords, name, seconds, (seconds - startup) * 1000 / kRecords);
    }
    return 0;
}
