// The team server's speed on loopback: the first push of 1,000 downloads of 999 records, one
// download's push once it ended, and the team History's list of 10,000 downloads. The server
// is a real PostgreSQL started here with fsync on.
#include <QCoreApplication>

#include <cstdio>

#include "bench_util.h"
#include "fake_push_source.h"
#include "pg_test_server.h"
#include "server_address.h"
#include "server_schema.h"
#include "team_connection.h"
#include "team_history.h"
#include "team_push.h"

using namespace rangedesk::team;

namespace {

constexpr int kDownloads = 1000;
constexpr int kRecords = 999;
constexpr int kListed = 10000;

std::unique_ptr<TeamConnection> Open(const QString& url, const QString& desk) {
    return std::make_unique<TeamConnection>(*ParseServerAddress(url).Address, desk);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
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
    std::printf("first push: %lld downloads, %lld records in %.1f s: %.0f records/s (target >= "
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
    return 0;
}
