// The team server as an administrator sets it up and a desk meets it: init and upgrade,
// roles, and each way connecting fails, against a real PostgreSQL server.
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

#include "team_check.h"
#include "team_error.h"
#include "team_test_util.h"

using namespace rangedesk::team;

class TestTeamServer : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PgTestServer> server_;

    // The failure of connecting (and checking the schema) with `url`, or nothing.
    std::optional<TeamError> ConnectFailure(const QString& url, const QString& password) {
        try {
            auto c = Connect(url, "desk-x", password);
            CheckServerSchema(*c);
        } catch (const TeamError& e) {
            return e;
        }
        return std::nullopt;
    }

    QString Tls(const QString& hostName, const QString& mode = "verify-full") const {
        return server_->TcpUrl("desk1", hostName,
                               "sslmode=" + mode + "&sslrootcert=" + server_->CertificateFile());
    }

private slots:
    void initTestCase() {
        if (PgTestServer::BinDir().isEmpty()) {
            QSKIP("the PostgreSQL server binaries are not installed (apt install postgresql)");
        }
        server_ = std::make_unique<PgTestServer>();
        REQUIRE_SERVER(*server_);
        QVERIFY2(PrepareTeamServer(*server_, 2), qPrintable(server_->Error()));
    }

    void initMakesSchemaRolesAndIsRepeatable() {
        QCOMPARE(server_->PsqlValue("SELECT version FROM rangedesk.schema_version"),
                 QString::number(KnownSchemaVersion()));
        QCOMPARE(
            server_->PsqlValue("SELECT string_agg(rolname, ',' ORDER BY rolname) FROM pg_roles "
                               "WHERE rolname LIKE 'rangedesk_%'"),
            QString("rangedesk_admin,rangedesk_desk"));
        // Objects belong to the administrators' role, so any administrator may upgrade.
        QCOMPARE(server_->PsqlValue("SELECT tableowner FROM pg_tables WHERE tablename = 'records'"),
                 QString("rangedesk_admin"));
        auto admin = Connect(server_->SocketUrl("admin"));
        const InitOutcome again = InitServerSchema(*admin);
        QCOMPARE(again.FromVersion, KnownSchemaVersion());
        QCOMPARE(again.ToVersion, KnownSchemaVersion());
        QVERIFY(!again.RolesMade);
    }

    // Two administrators at once: the advisory lock makes one wait, and both end at the same
    // version with one set of tables.
    void concurrentInitsSerialise() {
        QVERIFY(server_->Psql("CREATE DATABASE team2"));
        std::vector<int> from(2, -1);
        std::vector<QString> errors(2);
        auto run = [&](int i) {
            try {
                auto c = Connect(server_->SocketUrl("postgres", "team2"));
                from[std::size_t(i)] = InitServerSchema(*c).FromVersion;
            } catch (const TeamError& e) {
                errors[std::size_t(i)] = e.Message();
            }
        };
        std::thread a(run, 0), b(run, 1);
        a.join();
        b.join();
        QVERIFY2(errors[0].isEmpty() && errors[1].isEmpty(), qPrintable(errors[0] + errors[1]));
        QCOMPARE(std::min(from[0], from[1]), 0);
        QCOMPARE(std::max(from[0], from[1]), KnownSchemaVersion());
    }

    void deskRoleAddsButNeverDeletes() {
        auto desk = Connect(server_->SocketUrl("desk1"));
        const ServerSchema schema = CheckServerSchema(*desk);
        QCOMPARE(schema.Version, KnownSchemaVersion());
        QVERIFY(!schema.ReadOnly);
        desk->Exec("INSERT INTO rangedesk.downloads (uuid, started, outcome, desk) VALUES "
                   "(gen_random_uuid(), now(), 'complete', 'desk-1')",
                   {}, "adding a download");
        for (const QString& statement :
             {QString("DELETE FROM rangedesk.downloads"), QString("TRUNCATE rangedesk.records"),
              QString("UPDATE rangedesk.records SET mode = 'x'"),
              QString("UPDATE rangedesk.schema_version SET version = 7"),
              QString("DROP TABLE rangedesk.jobs")}) {
            try {
                desk->Exec(statement, {}, "trying " + statement);
                QFAIL(qPrintable("a desk could run: " + statement));
            } catch (const TeamError& e) {
                QCOMPARE(e.Failure(), TeamFailure::NoRights);
                QVERIFY2(e.Message().contains("team server desk1@"), qPrintable(e.Message()));
            }
        }
        auto admin = Connect(server_->SocketUrl("admin"));
        admin->Exec("DELETE FROM rangedesk.downloads", {}, "deleting");
        QCOMPARE(server_->PsqlValue("SELECT count(*) FROM rangedesk.downloads"), QString("0"));
    }

    void connectionFailures_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("named");
        QTest::newRow("wrong password")
            << server_->TcpUrl("desk1", "localhost", "sslmode=require") << "wrong"
            << int(TeamFailure::WrongPassword) << "desk1@localhost";
        QTest::newRow("no password") << server_->TcpUrl("desk1", "localhost", "sslmode=disable")
                                     << "" << int(TeamFailure::WrongPassword) << "desk1@localhost";
        QTest::newRow("unknown host")
            << "postgresql://desk1@no-such-host.invalid/team"
            << "secret-1" << int(TeamFailure::UnknownHost) << "no-such-host.invalid";
        QTest::newRow("nobody listens")
            << QString("postgresql://desk1@/team?host=%1&port=1").arg(server_->SocketDir()) << ""
            << int(TeamFailure::Unreachable) << "desk1@";
        QTest::newRow("verify-full, wrong host name")
            << Tls("127.0.0.1") << "secret-1" << int(TeamFailure::TlsRefused) << "127.0.0.1";
        QTest::newRow("not ours") << server_->SocketUrl("desk1", "postgres") << ""
                                  << int(TeamFailure::NotOurs) << "/postgres";
        QTest::newRow("role without rights")
            << server_->SocketUrl("desk3") << "" << int(TeamFailure::NoRights) << "desk3@";
    }

    void connectionFailures() {
        QFETCH(QString, url);
        QFETCH(QString, password);
        QFETCH(int, failure);
        QFETCH(QString, named);
        const std::optional<TeamError> error = ConnectFailure(url, password);
        QVERIFY2(error, "connected");
        QVERIFY2(error->Message().startsWith("team server ") && error->Message().contains(named),
                 qPrintable(error->Message()));
        QCOMPARE(int(error->Failure()), failure);
    }

    void verifyFullWithTheRightHostName() {
        auto c = Connect(Tls("localhost"), "desk-1", "secret-1");
        QVERIFY(CheckServerSchema(*c).Version > 0);
        QCOMPARE(c->Value("SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()", {}, "tls")
                     .toBool(),
                 true);
    }

    // libpq's own password sources are used as they are: here the password file.
    void passwordFileIsHonoured() {
        QTemporaryDir dir;
        const QString file = dir.filePath("pgpass");
        QFile pass(file);
        QVERIFY(pass.open(QIODevice::WriteOnly));
        pass.write(QString("localhost:%1:team:desk2:secret-2\n").arg(server_->Port()).toUtf8());
        pass.close();
        pass.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        qputenv("PGPASSFILE", file.toLocal8Bit());
        const auto error =
            ConnectFailure(server_->TcpUrl("desk2", "localhost", "sslmode=require"), {});
        qunsetenv("PGPASSFILE");
        QVERIFY2(!error, error ? qPrintable(error->Message()) : "");
    }

    // What the Settings' "Check connection" shows.
    void checkConnection_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("says");
        QTest::newRow("connected")
            << server_->SocketUrl("desk1") << "" << true << 0 << "connected, schema version 1";
        QTest::newRow("typed password")
            << Tls("localhost") << "secret-1" << true << 0 << "desk1@localhost";
        QTest::newRow("wrong typed password")
            << Tls("localhost") << "secret-2" << false << int(TeamFailure::WrongPassword)
            << "password authentication failed";
        QTest::newRow("not an address") << "postgresql://h/db?colour=red"
                                        << "" << false << int(TeamFailure::BadAddress) << "colour";
    }

    void checkConnection() {
        QFETCH(QString, server);
        QFETCH(QString, password);
        QFETCH(bool, ok);
        QFETCH(int, failure);
        QFETCH(QString, says);
        const TeamCheck check = CheckTeamServer({server, "desk-check"}, password);
        QCOMPARE(check.Ok, ok);
        if (!ok) {
            QCOMPARE(int(check.Failure), failure);
        }
        QVERIFY2(check.Message.startsWith("team server ") && check.Message.contains(says),
                 qPrintable(check.Message));
    }

    void newerSchemaIsReadOnly() {
        QVERIFY(server_->Psql("UPDATE rangedesk.schema_version SET version = version + 1", "team"));
        auto c = Connect(server_->SocketUrl("desk1"));
        const ServerSchema schema = CheckServerSchema(*c);
        QVERIFY(schema.ReadOnly);
        // An older program never "upgrades" a newer schema.
        auto admin = Connect(server_->SocketUrl("admin"));
        try {
            InitServerSchema(*admin);
            QFAIL("init ran on a newer schema");
        } catch (const TeamError& e) {
            QCOMPARE(e.Failure(), TeamFailure::NewerSchema);
        }
        QVERIFY(server_->Psql("UPDATE rangedesk.schema_version SET version = version - 1", "team"));
    }

    void olderSchemaNeedsTheAdministrator() {
        QVERIFY(server_->Psql("UPDATE rangedesk.schema_version SET version = 0", "team"));
        const auto error = ConnectFailure(server_->SocketUrl("desk1"), {});
        QVERIFY(server_->Psql("UPDATE rangedesk.schema_version SET version = 1", "team"));
        QVERIFY(error);
        QCOMPARE(error->Failure(), TeamFailure::OlderSchema);
    }
};

QTEST_GUILESS_MAIN(TestTeamServer)
#include "test_team_server.moc"
