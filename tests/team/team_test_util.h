#pragma once

#include <QString>

#include <memory>

#include "pg_test_server.h"
#include "server_address.h"
#include "server_schema.h"
#include "team_connection.h"

// A connection to an address the test knows to be well-formed.
inline std::unique_ptr<rangedesk::team::TeamConnection>
Connect(const QString& url, const QString& desk = "test-desk", const QString& password = {}) {
    const rangedesk::team::ParsedAddress parsed = rangedesk::team::ParseServerAddress(url);
    if (!parsed.Address) {
        qFatal("bad test address %s: %s", qPrintable(url), qPrintable(parsed.Error));
    }
    return std::make_unique<rangedesk::team::TeamConnection>(*parsed.Address, desk, password);
}

// A started server with database "team" initialised by the superuser: desk1..deskN in the
// desks' role (deskN+1 made but left out of it), "admin" in the administrators'.
inline bool PrepareTeamServer(PgTestServer& server, int desks) {
    if (!server.Error().isEmpty() || !server.MakeTeamDatabase(desks + 1)) {
        return false;
    }
    auto c = Connect(server.SocketUrl("postgres"));
    rangedesk::team::InitServerSchema(*c);
    QString grants = "GRANT rangedesk_admin TO admin;";
    for (int i = 1; i <= desks; ++i) {
        grants += QString("GRANT rangedesk_desk TO desk%1;").arg(i);
    }
    return server.Psql(grants, "team");
}

// Skips the test function when the server binaries are missing; fails when they are there
// but the server does not start.
#define REQUIRE_SERVER(server)                                                                     \
    do {                                                                                           \
        if (PgTestServer::BinDir().isEmpty()) {                                                    \
            QSKIP("the PostgreSQL server binaries are not installed (apt install postgresql)");    \
        }                                                                                          \
        QVERIFY2((server).Error().isEmpty(), qPrintable((server).Error()));                        \
    } while (false)
