// A desk that pushes its own database through the store's push source and says after each
// batch how many records the server took; the desk test kills it with SIGKILL in the middle.
// Usage: team_desk_child URL DESK DATABASE
#include <QCoreApplication>

#include <cstdio>

#include "local_push_source.h"
#include "server_address.h"
#include "server_schema.h"
#include "team_connection.h"
#include "team_push.h"

using namespace rangedesk::team;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        return 2;
    }
    auto source = LocalPushSource(args[3]);
    TeamConnection connection(*ParseServerAddress(args[1]).Address, args[2]);
    const ServerSchema schema = CheckServerSchema(connection);
    TeamPush push(connection, *source, schema.ServerId);
    push.Push([](const PushProgress& p) {
        std::printf("%lld\n", p.Records);
        std::fflush(stdout);
    });
    return 0;
}
