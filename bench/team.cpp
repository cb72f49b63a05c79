// The team server's speed on loopback: the first push of 1,000 downloads of 999 records (from
// rows in memory, and from a real local database through the store's push source), one
// download's push once it ended (both ways), the team History's list of 10,000 downloads,
// and the host time per record of a download in the window with and without a team server
// set. The server is a real PostgreSQL started here with fsync on.
#include <QCoreApplication>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

#include "bench_util.h"
#include "download_summary.h"
#include "fake_push_source.h"
#include "local_push_source.h"
#include "main_form.h"
#include "meter_link.h"
#include "pg_test_server.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "record_store.h"
#include "recording_prompts.h"
#include "server_address.h"
#include "server_schema.h"
#include "sim_meter.h"
#include "status_bar.h"
#include "store_record_sink.h"
#include "team_connection.h"
#include "team_history.h"
#include "team_push.h"
#include "team_settings.h"
#include "window_team.h"

using namespace rangedesk;
using namespace rangedesk::team;

namespace {

constexpr int kDownloads = 1000;
constexpr int kRecords = 999;
constexpr int kListed = 10000;

std::unique_ptr<TeamConnection> Open(const QString& url, const QString& desk) {
    return std::make_unique<TeamConnection>(*ParseServerAddress(url).Address, desk);
}

// A desk's past as an older RangeDesk kept it (layout 1): 1,000 downloads of 999 records, each
// with its own bytes. Opening it for writing brings it to layout 2, which queues every
// download for a team server: the first push of a desk that joins a team.
void FillVersion1(const QString& path) {
    {
        auto db = QSqlDatabase::addDatabase("QSQLITE", "fill");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec("PRAGMA user_version = 1");
        q.exec("CREATE TABLE Downloads (id INTEGER PRIMARY KEY, started TEXT, finished TEXT, "
               "model INTEGER, vendor INTEGER, product INTEGER, asked INTEGER, stored INTEGER, "
               "outcome TEXT)");
        q.exec("CREATE TABLE DownloadRecords (download_id INTEGER NOT NULL REFERENCES "
               "Downloads(id) ON DELETE CASCADE, RecNo INTEGER NOT NULL, reply BLOB, MODE TEXT, "
               "UNIT TEXT, DIST1 TEXT, DIST2 TEXT, DIST3 TEXT, RESULT TEXT, PRIMARY KEY "
               "(download_id, RecNo))");
        q.exec("BEGIN");
        q.exec(QString("WITH RECURSIVE d(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM d WHERE i < "
                       "%1) INSERT INTO Downloads SELECT i, '2026-12-01T10:00:00.000Z', "
                       "'2026-12-01T10:01:00.000Z', 1 + i % 4, 1158, 22352, %2, %2, 'complete' "
                       "FROM d")
                   .arg(kDownloads)
                   .arg(kRecords));
        q.exec(QString("WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r WHERE n < "
                       "%1) INSERT INTO DownloadRecords SELECT d.id, r.n, randomblob(37), 'Area', "
                       "'m', '1.234 m', '2.345 m', '3.456 m', ' 4.567 m2' FROM Downloads d, r")
                   .arg(kRecords));
        q.exec("COMMIT");
    }
    QSqlDatabase::removeDatabase("fill");
    store::RecordStore upgrade(path, store::StoreAccess::ReadWrite);
    upgrade.Open();
}

// One download of 999 records through the store, as the meter core makes it.
void DownloadInto(store::RecordStore& store, int seed) {
    store::StoreRecordSink sink(store);
    sink.BeginDownload({3, 0x0486, 0x5750, "SN-bench", false, "."});
    sink.EmptyLoadData();
    MeasurementRecord record;
    record.ModeText = "Area";
    record.Slots[3] = {"4.567", "m2"};
    for (int i = 1; i <= kRecords; ++i) {
        const std::uint8_t reply[4] = {std::uint8_t(seed), std::uint8_t(seed >> 8),
                                       std::uint8_t(i >> 8), std::uint8_t(i)};
        sink.AddRecToLib(i, record, RecordLayout::Extended, reply);
    }
    rangedesk::records::DownloadSummary summary;
    summary.Asked = summary.Stored = kRecords;
    sink.FinishDownload(summary);
}

void PushFromDatabase(const QString& url) {
    ProgramFolder folder;
    const QString path = folder.LibFile("DistLib.mdb");
    double start = bench::NowSeconds();
    FillVersion1(path);
    std::printf("made a layout-1 database of %d downloads of %d records and upgraded it in "
                "%.1f s\n",
                kDownloads, kRecords, bench::NowSeconds() - start);
    auto source = LocalPushSource(path);
    auto connection = Open(url, "bench-db-desk");
    const QUuid serverId = CheckServerSchema(*connection).ServerId;
    start = bench::NowSeconds();
    const PushReport first = TeamPush(*connection, *source, serverId).Push();
    const double seconds = bench::NowSeconds() - start;
    std::printf("first push from a real database: %lld downloads, %lld records in %.1f s: %.0f "
                "records/s (target >= 20000)\n",
                first.Entries, first.Records, seconds, double(first.Records) / seconds);

    // A download ends; the desk pushes it (and pulls), as its pusher does.
    store::RecordStore store(path, store::StoreAccess::ReadWrite);
    store.SetDesk({"bench-db-desk", "surveyor"});
    std::vector<double> samples;
    for (int i = 0; i < 10; ++i) {
        DownloadInto(store, i);
        start = bench::NowSeconds();
        TeamPush push(*connection, *source, serverId);
        push.Push();
        push.Pull();
        samples.push_back((bench::NowSeconds() - start) * 1000);
    }
    std::printf("one download of %d records from a real database, pushed and pulled: median "
                "%.0f ms, worst %.0f ms (target < 1000)\n",
                kRecords, bench::Percentile(samples, 0.5), bench::Percentile(samples, 1.0));
}

// The host's milliseconds per record of a download of 999 records in the window (offscreen,
// simulated meter, no latency), with a team server set or not.
double DownloadHostMs(const QString& url) {
    if (url.isEmpty()) {
        ClearTeamServer();
    } else {
        SaveTeamSettings({url, "bench window"});
    }
    RecordingPrompts prompts;
    ProgramFolder folder;
    hid::sim::SimHidBus bus;
    sim::SimMeter meter(bus, 3);
    meter.SetRecords(sim::DemoRecords(3, kRecords));
    meter.Plug();
    app::TMainForm window(bus, prompts, folder.Path());
    window.show();
    const auto settled = [&] {
        const QString team = window.StatusBar1().IndicatorText(app::StatusBar::Indicator::Team);
        return window.Link().MeterConnected() && (url.isEmpty() || team == "Team: up to date");
    };
    const double deadline = bench::NowSeconds() + 30;
    while (!settled() && bench::NowSeconds() < deadline) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    const double start = bench::NowSeconds();
    window.ExportAllData().click(); // returns when the download has ended
    const double total = bench::NowSeconds() - start;
    return (total - meter.ReplyDelaySeconds()) * 1000 / kRecords;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir config; // the team settings of this run, never the user's
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    app::RangeDeskApplication application(argc, argv);
    if (PgTestServer::BinDir().isEmpty()) {
        std::printf("skipped: the PostgreSQL server binaries are not installed\n");
        return 0;
    }
    PgTestServer server(PgTestServer::Sync::Durable);
    if (!server.Error().isEmpty() || !server.MakeTeamDatabase(1)) {
        std::fprintf(stderr, "no server: %s\n", qPrintable(server.Error()));
        return 1;
    }
    InitServerSchema(*Open(server.SocketUrl("postgres"), "admin"));
    server.Psql("GRANT rangedesk_desk TO desk1", "team");
    const QString url = server.SocketUrl("desk1");

    // The first push: a desk's whole past.
    FakePushSource desk("bench-desk");
    desk.AddDownloads(kDownloads, kRecords);
    auto connection = Open(url, "bench-desk");
    const QUuid serverId = CheckServerSchema(*connection).ServerId;
    double start = bench::NowSeconds();
    const PushReport first = TeamPush(*connection, desk, serverId).Push();
    double seconds = bench::NowSeconds() - start;
    std::printf("first push of rows in memory: %lld downloads, %lld records in %.1f s: %.0f "
                "records/s (target >= "
                "20000)\n",
                first.Entries, first.Records, seconds, double(first.Records) / seconds);

    // One download's push after it ended, onto a server that holds the past already.
    std::vector<double> samples;
    for (int i = 0; i < 10; ++i) {
        desk.AddDownloads(1, kRecords, kDownloads + i);
        start = bench::NowSeconds();
        TeamPush(*connection, desk, serverId).Push();
        samples.push_back((bench::NowSeconds() - start) * 1000);
    }
    std::printf("one download of %d records: median %.0f ms, worst %.0f ms (target < 1000)\n",
                kRecords, bench::Percentile(samples, 0.5), bench::Percentile(samples, 1.0));

    // The team's History: 10,000 downloads listed.
    server.Psql(QString("INSERT INTO rangedesk.downloads (uuid, started, outcome, desk, stored) "
                        "SELECT gen_random_uuid(), now() - i * interval '1 minute', 'complete', "
                        "'desk-' || i % 7, 999 FROM generate_series(1, %1) i")
                    .arg(kListed - kDownloads - 10),
                "team");
    server.Psql("ANALYZE", "team");
    auto reader = Open(server.SocketUrl("desk1"), "reader");
    samples.clear();
    std::size_t listed = 0;
    for (int i = 0; i < 10; ++i) {
        start = bench::NowSeconds();
        listed = TeamHistory(*reader).List().size();
        samples.push_back((bench::NowSeconds() - start) * 1000);
    }
    std::printf("team History list of %zu downloads: median %.0f ms, worst %.0f ms (target < "
                "300)\n",
                listed, bench::Percentile(samples, 0.5), bench::Percentile(samples, 1.0));
    start = bench::NowSeconds();
    const std::size_t found = TeamHistory(*reader).List("distance").size();
    std::printf("a search through %d records: %zu downloads in %.0f ms\n",
                (kDownloads + 10) * kRecords, found, (bench::NowSeconds() - start) * 1000);

    PushFromDatabase(url);

    std::vector<double> alone, withTeam;
    for (int i = 0; i < 3; ++i) {
        alone.push_back(DownloadHostMs({}));
        withTeam.push_back(DownloadHostMs(url));
    }
    std::printf("a download's host time: %.3f ms a record without a team server, %.3f ms with "
                "one set (medians of 3; the download does not touch the network)\n",
                bench::Percentile(alone, 0.5), bench::Percentile(withTeam, 0.5));
    return 0;
}
