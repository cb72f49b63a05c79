// A desk that pushes its downloads and says after each batch how many records the server
// holds from it; the push test kills it with SIGKILL in the middle.
// Usage: team_push_child URL DESK PUSHED_FILE DOWNLOADS RECORDS
#include <QCoreApplication>

#include <cstdio>

#include "fake_push_source.h"
#include "server_address.h"
#include "server_schema.h"
#include "team_connection.h"
#include "team_push.h"

using namespace rangedesk::team;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6) {
        return 2;
    }
    FakePushSource source(args[2], args[3]);
    source.AddDownloads(args[4].toInt(), args[5].toInt());
    TeamConnection connection(*ParseServerAddress(args[1]).Address, args[2]);
    const ServerSchema schema = CheckServerSchema(connection);
    TeamPush push(connection, source, schema.ServerId);
    push.Push([](const PushProgress& p) {
        std::printf("%lld\n", p.Records);
        std::fflush(stdout);
    });
    return 0;
}
