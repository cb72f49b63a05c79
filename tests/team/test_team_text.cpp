// The team layer's pure parts: addresses, failure words, status texts, search keys, conflict
// texts and the rows' JSON, row by row.
#include <QDirIterator>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

#include "conflict_text.h"
#include "connection_failure.h"
#include "search_text.h"
#include "server_address.h"
#include "team_json.h"
#include "team_keyring.h"
#include "team_status.h"

using namespace rangedesk::team;

class TestTeamText : public QObject {
    Q_OBJECT

private slots:
    void addresses_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("described"); // empty: refused
        QTest::addColumn<QString>("sslmode");
        QTest::newRow("url") << "postgresql://desk@db.example.com:5433/team?sslmode=verify-full"
                             << "desk@db.example.com:5433/team"
                             << "verify-full";
        QTest::newRow("unix socket") << "postgresql://desk@/team?host=/run/postgresql"
                                     << "desk@/run/postgresql/team"
                                     << "";
        QTest::newRow("service") << "service=office"
                                 << "service office"
                                 << "";
        QTest::newRow("bare service name") << "office"
                                           << "service office"
                                           << "";
        QTest::newRow("keywords") << "host=db dbname=team sslmode=require"
                                  << "db/team"
                                  << "require";
        QTest::newRow("password in url") << "postgresql://desk:pw@db/team"
                                         << ""
                                         << "";
        QTest::newRow("password keyword") << "host=db password=pw"
                                          << ""
                                          << "";
        QTest::newRow("semicolon") << "host=db;drop"
                                   << ""
                                   << "";
        QTest::newRow("unknown keyword") << "host=db colour=red"
                                         << ""
                                         << "";
        QTest::newRow("empty") << "  "
                               << ""
                               << "";
    }

    void addresses() {
        QFETCH(QString, text);
        QFETCH(QString, described);
        QFETCH(QString, sslmode);
        const ParsedAddress parsed = ParseServerAddress(text);
        QCOMPARE(bool(parsed.Address), !described.isEmpty());
        if (!parsed.Address) {
            QVERIFY(!parsed.Error.isEmpty());
            return;
        }
        QCOMPARE(parsed.Address->Describe(), described);
        QCOMPARE(parsed.Address->Value("sslmode"), sslmode);
        const QString options = parsed.Address->ConnectOptions("RangeDesk d'1");
        QVERIFY(options.contains("connect_timeout=10"));
        QVERIFY2(options.contains(R"(application_name='RangeDesk d\'1')"), qPrintable(options));
    }

    // The Settings' server field: a bare word is a service name, the rest libpq reads as typed.
    void serverFields_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("address");
        QTest::newRow("service name") << " office "
                                      << "service=office";
        QTest::newRow("service keyword") << "service=office"
                                         << "service=office";
        QTest::newRow("url") << "postgresql://d@db/team "
                             << "postgresql://d@db/team";
        QTest::newRow("keyword list") << "host=db dbname=team"
                                      << "host=db dbname=team";
        QTest::newRow("two words") << "my office"
                                   << "my office";
        QTest::newRow("empty") << "  "
                               << "";
    }
    void serverFields() {
        QFETCH(QString, typed);
        QFETCH(QString, address);
        QCOMPARE(ServerTextFromField(typed), address);
    }

    void givenTimeoutIsKept() {
        const auto parsed = ParseServerAddress("postgresql://db/team?connect_timeout=3");
        QVERIFY(parsed.Address->ConnectOptions({}).contains("connect_timeout='3'"));
        QVERIFY(!parsed.Address->ConnectOptions({}).contains("connect_timeout=10"));
    }

    void connectionFailures_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("failure");
        QTest::newRow("password") << "connection to server at \"localhost\" (127.0.0.1), port 5432 "
                                     "failed: FATAL:  password authentication failed for user \"d\""
                                  << int(TeamFailure::WrongPassword);
        QTest::newRow("no password")
            << "fe_sendauth: no password supplied" << int(TeamFailure::WrongPassword);
        QTest::newRow("host") << "could not translate host name \"x.invalid\" to address: Name or "
                                 "service not known"
                              << int(TeamFailure::UnknownHost);
        QTest::newRow("certificate")
            << "server certificate for \"localhost\" does not match host name \"127.0.0.1\""
            << int(TeamFailure::TlsRefused);
        QTest::newRow("refused") << "connection to server at \"h\", port 1 failed: Connection "
                                    "refused\n\tIs the server running on that host?"
                                 << int(TeamFailure::Unreachable);
        QTest::newRow("hba") << "FATAL:  no pg_hba.conf entry for host \"10.0.0.2\""
                             << int(TeamFailure::NoRights);
        QTest::newRow("database") << "FATAL:  database \"team\" does not exist"
                                  << int(TeamFailure::NotOurs);
        QTest::newRow("no such role")
            << "FATAL:  role \"desk9\" does not exist" << int(TeamFailure::NoRights);
        QTest::newRow("not postgres")
            << "received invalid response to SSL negotiation: H" << int(TeamFailure::NotOurs);
        QTest::newRow("anything else") << "something new" << int(TeamFailure::Unreachable);
    }

    void connectionFailures() {
        QFETCH(QString, message);
        QFETCH(int, failure);
        QCOMPARE(int(ClassifyConnectionFailure(message)), failure);
    }

    void statementFailures() {
        QCOMPARE(ClassifyStatementFailure("42501"), TeamFailure::NoRights);
        QCOMPARE(ClassifyStatementFailure("42P01"), TeamFailure::NotOurs);
        QCOMPARE(ClassifyStatementFailure("57P01"), TeamFailure::Unreachable);
        QCOMPARE(ClassifyStatementFailure("08006"), TeamFailure::Unreachable);
        QCOMPARE(ClassifyStatementFailure("23505"), TeamFailure::Failed);
    }

    void failureMessageNamesServerAndReason() {
        QCOMPARE(FailureMessage(TeamFailure::UnknownHost, "d@h/team", "could not\n  translate"),
                 QString("team server d@h/team: unknown host (could not translate)"));
        QCOMPARE(FailureMessage(TeamFailure::Unreachable, "s", ""),
                 QString("team server s: not reachable"));
    }

    void statusTexts_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<qint64>("waiting");
        QTest::addColumn<QString>("text");
        QTest::newRow("not set") << int(TeamStatus::State::NotSet) << qint64(0) << "";
        QTest::newRow("up to date")
            << int(TeamStatus::State::UpToDate) << qint64(0) << "Team: up to date";
        QTest::newRow("waiting") << int(TeamStatus::State::Waiting) << qint64(1204)
                                 << "Team: 1204 waiting";
        QTest::newRow("offline") << int(TeamStatus::State::Offline) << qint64(3)
                                 << "Team: offline (unknown host)";
    }

    void statusTexts() {
        QFETCH(int, state);
        QFETCH(qint64, waiting);
        QFETCH(QString, text);
        TeamStatus status;
        status.Now = TeamStatus::State(state);
        status.Waiting = waiting;
        status.Reason = "unknown host";
        QCOMPARE(status.Text(), text);
    }

    void search_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<bool>("found");
        QTest::newRow("chinese") << QStringList{"厨房北墙"} << "厨房" << true;
        QTest::newRow("case") << QStringList{"Kitchen North"} << "kitchen" << true;
        QTest::newRow("cyrillic") << QStringList{"СЕВЕРНАЯ стена"} << "северная" << true;
        QTest::newRow("greek") << QStringList{"ΣΟΦΆ"} << "σοφά" << true;
        QTest::newRow("full width") << QStringList{"ＡＢＣ"} << "abc" << true;
        QTest::newRow("across texts") << QStringList{"north", "wall"} << "north wall" << false;
        QTest::newRow("percent is literal") << QStringList{"100 m"} << "%" << false;
        QTest::newRow("underscore is literal") << QStringList{"ab"} << "_" << false;
        QTest::newRow("underscore found") << QStringList{"a_b"} << "_" << true;
    }

    // The server runs LIKE with '\' as escape; this is the same match, done here.
    void search() {
        QFETCH(QStringList, texts);
        QFETCH(QString, needle);
        QFETCH(bool, found);
        const QString key = rangedesk::records::SearchKey(texts);
        QString pattern = rangedesk::records::SearchPattern(needle);
        QVERIFY(pattern.startsWith('%') && pattern.endsWith('%'));
        pattern = pattern.mid(1, pattern.size() - 2);
        pattern.replace("\\%", "%").replace("\\_", "_").replace("\\\\", "\\");
        QCOMPARE(key.contains(pattern), found);
    }

    void blankSearchHasNoPattern() { QVERIFY(rangedesk::records::SearchPattern("  ").isEmpty()); }

    void conflictTextSaysWhoAndWhen() {
        TeamRecord record;
        record.RecNo = 5;
        record.Version = {3, QDateTime(QDate(2026, 3, 2), QTime(10, 5, 3), Qt::UTC), "DESK-B"};
        const QDateTime started(QDate(2026, 3, 2), QTime(10, 0), Qt::UTC);
        const QString text = ConflictText(record, started);
        QVERIFY2(text.startsWith("Record 5 of the download of " +
                                 started.toLocalTime().toString("yyyy-MM-dd HH:mm")),
                 qPrintable(text));
        QVERIFY2(
            text.contains("changed by DESK-B at " +
                          record.Version.Changed.toLocalTime().toString("yyyy-MM-dd HH:mm:ss")),
            qPrintable(text));
        TeamJob job;
        job.Name = "厨房";
        job.Version.ChangedBy = "DESK-C";
        QVERIFY(ConflictText(job, {}).startsWith("Job \"厨房\": changed by DESK-C"));
    }

    // Without a desktop keyring a typed password is refused with a reason, never written to a
    // file instead.
    void noKeyringKeepsNothing() {
        QTemporaryDir home;
        const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
        const QString reason = KeepPasswordInKeyring("postgresql://d@h/team", "pw-3141592");
        const auto read = KeyringPassword("postgresql://d@h/team");
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
        qputenv("XDG_CONFIG_HOME", xdg);
        QVERIFY(!reason.isEmpty());
        QVERIFY(!read);
        QDirIterator files(home.path(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(!file.readAll().contains("pw-3141592"), qPrintable(file.fileName()));
        }
    }

    void rowsSurviveJson() {
        TeamRecord r;
        r.Download = QUuid::createUuid();
        r.RecNo = 999;
        r.Reply = QByteArray::fromHex("00ff10");
        r.Mode = "面积";
        r.Label = "north \"wall\"\n\\";
        r.Deduction = true;
        r.Version = {4, QDateTime(QDate(2026, 1, 1), QTime(1, 2, 3, 456), Qt::UTC), "d"};
        QJsonObject o = RecordJson(r);
        // As to_jsonb gives bytea back.
        o["reply"] = "\\x" + o["reply"].toString();
        QCOMPARE(RecordFromJson(QJsonDocument::fromJson(QJsonDocument(o).toJson()).object()), r);
        TeamDownload d;
        d.Uuid = QUuid::createUuid();
        d.Started = QDateTime(QDate(2026, 1, 1), QTime(1, 0), Qt::UTC);
        d.Job = QUuid::createUuid();
        d.JobVersion = {2, d.Started, "x"};
        d.Outcome = "complete";
        QCOMPARE(DownloadFromJson(DownloadJson(d)), d);
        TeamJob j;
        j.Uuid = QUuid::createUuid();
        j.Name = "Job";
        j.Created = d.Started;
        QCOMPARE(JobFromJson(JobJson(j)), j);
    }
};

QTEST_GUILESS_MAIN(TestTeamText)
#include "test_team_text.moc"
