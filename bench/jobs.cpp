// Jobs and labels at size: a layout-1 file of 1,000 downloads of 999 records upgraded, then,
// with a label on every record and the downloads in 50 jobs, the history list with job names,
// a search, labelling one record, and what keeping a record costs a download now.
#include <QCoreApplication>

#include <cstdio>

#include "bench_util.h"
#include "download_history.h"
#include "history_fixture.h"
#include "job_book.h"
#include "program_folder.h"
#include "record_edits.h"
#include "record_store.h"
#include "store_record_sink.h"

using namespace rangedesk;

namespace {

constexpr int kDownloads = 1000;
constexpr int kRecords = 999;
constexpr int kJobs = 50;

// The downloads spread over the jobs.
void MakeJobs(store::RecordStore& store) {
    store::JobBook jobs(store);
    std::vector<qint64> ids;
    for (int j = 1; j <= kJobs; ++j) {
        ids.push_back(jobs.Create(QString("Site %1, client %2").arg(j).arg(j % 7)).Id);
    }
    for (int d = 1; d <= kDownloads; ++d) {
        jobs.Assign(d, ids[std::size_t(d % kJobs)]);
    }
}

// A label and a note on every record, with the search key the store keeps for them (its
// folding is lower() for these texts). Written while no store has the file open, so the
// file is whole again when this connection closes.
void LabelEverything(const QString& path) {
    bench::Execute(path, {"UPDATE DownloadRecords SET label = 'Room ' || RecNo || ' north wall', "
                          "note = 'download ' || download_id || ' 厨房北墙 ' || RecNo",
                          "UPDATE DownloadRecords SET search = lower(MODE) || char(10) || "
                          "lower(label) || char(10) || lower(note)"});
}

template <typename F> double Ms(F&& f) {
    const double start = bench::NowSeconds();
    f();
    return (bench::NowSeconds() - start) * 1000;
}

// Milliseconds of host time a record takes to keep during a download into a job.
double KeepRecordMs(store::RecordStore& store) {
    store::StoreRecordSink sink(store);
    sink.BeginDownload(records::DownloadSource{3, 0x0486, 0x5750, {}, false, "."});
    sink.EmptyLoadData();
    MeasurementRecord record;
    record.ModeText = "Area";
    record.Slots[0] = {"1.234", "m"};
    const std::vector<std::uint8_t> reply(64, 0x5A);
    const double start = bench::NowSeconds();
    for (int i = 1; i <= kRecords; ++i) {
        sink.AddRecToLib(i, record, RecordLayout::Extended, reply);
    }
    return (bench::NowSeconds() - start) * 1000 / kRecords;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    ProgramFolder folder;
    const QString path = folder.LibFile("DistLib.mdb");
    {
        store::RecordStore fresh(path, store::StoreAccess::ReadWrite);
        std::printf("a record kept during a download, empty history: %.4f ms\n",
                    KeepRecordMs(fresh));
    }
    const double fill = Ms([&] { bench::FillLayoutOne(path, kDownloads, kRecords); });
    std::printf("made a layout-1 file of %d downloads of %d records in %.1f s\n", kDownloads,
                kRecords, fill / 1000);

    {
        store::RecordStore upgraded(path, store::StoreAccess::ReadWrite);
        const double upgrade = Ms([&] { upgraded.Open(); });
        std::printf("upgrade to layout %d: %.0f ms\n", upgraded.SchemaVersion(), upgrade);
        MakeJobs(upgraded);
    }
    LabelEverything(path);

    store::RecordStore store(path, store::StoreAccess::ReadWrite);
    store.Open();
    store::DownloadHistory history(store);
    std::size_t listed = 0;
    const double list = Ms([&] { listed = history.List().size(); });
    std::printf("history list with job names (%zu downloads): %.1f ms\n", listed, list);

    for (const QString& text :
         {QString("download 517 厨房北墙 33"), QString("room 998 north"), QString("site 17"),
          QString("nothing like this"), QString("north wall")}) {
        std::size_t hits = 0;
        std::size_t records = 0;
        const double search = Ms([&] {
            const auto found = history.Search(text);
            hits = found.size();
            for (const auto& hit : found) {
                records += hit.Records.size();
            }
        });
        std::printf("search \"%s\": %zu downloads, %zu records in %.1f ms\n",
                    text.toUtf8().constData(), hits, records, search);
        // What the History window asks as the user types: the downloads and record numbers.
        std::size_t numbers = 0;
        const double matches = Ms([&] {
            for (const auto& match : history.Matches(text)) {
                numbers += match.RecordNumbers.size();
            }
        });
        std::printf("  as the window searches: %zu record numbers in %.1f ms\n", numbers, matches);
    }

    store::RecordEdits edits(store);
    std::vector<double> samples;
    for (int i = 0; i < 50; ++i) {
        samples.push_back(
            Ms([&] { edits.SetLabel(1 + i * 17, 1 + i * 13, QString("Kitchen %1").arg(i)); }));
    }
    std::printf("label one record: median %.2f ms, 95th percentile %.2f ms (50 edits)\n",
                bench::Percentile(samples, 0.5), bench::Percentile(samples, 0.95));

    store::JobBook(store).Assign(kDownloads, std::nullopt);
    std::printf("a record kept during a download, beside this history: %.4f ms\n",
                KeepRecordMs(store));
    return 0;
}
