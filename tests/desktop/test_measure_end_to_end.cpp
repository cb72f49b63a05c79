// "rangedesk-cli measure" end to end: forwarded over D-Bus to a running window (the demo, with
// a simulated meter) that takes the reading, types it into a separate X client and keeps it;
// and alone, with the meter opened by the command itself.
#include <QDBusConnectionInterface>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "key_echo_client.h"
#include "private_bus.h"
#include "xvfb_server.h"

namespace {

constexpr int kTimeoutMs = 20000;

struct Run {
    int exit = -1;
    QByteArray out;
    QByteArray err;
};

Run Cli(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(RANGEDESK_CLI, arguments);
    if (!process.waitForFinished(kTimeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

// The readings a database keeps, as "history readings --json" lists them.
QJsonArray Readings(const QString& database, const QProcessEnvironment& environment) {
    return QJsonDocument::fromJson(
               Cli({"history", "readings", "--json", "--db", database}, environment).out)
        .array();
}

} // namespace

class TestMeasureEndToEnd : public QObject {
    Q_OBJECT

    QTemporaryDir home;

    // A session of the test's own: its display, its bus, its HOME (settings, data).
    QProcessEnvironment Session(const XvfbServer& x, const PrivateBus& bus) const {
        QProcessEnvironment env = x.Environment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", bus.Address());
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_SESSION_TYPE", "x11");
        env.remove("XDG_CURRENT_DESKTOP");
        return env;
    }

private slots:
    void initTestCase() {
        if (!XvfbServer::Available() || !PrivateBus::Available()) {
            QSKIP("Xvfb and dbus-daemon are needed (scripts/setup.sh --test installs them)");
        }
    }

    // The shortcut's command while the window runs: the window measures, types and keeps.
    void forwardedToTheRunningWindow() {
        XvfbServer x;
        PrivateBus bus;
        QVERIFY2(!x.Display().isEmpty(), qPrintable(x.Error()));
        QVERIFY2(!bus.Address().isEmpty(), qPrintable(bus.Error()));
        const QProcessEnvironment env = Session(x, bus);
        QTemporaryDir data;
        QProcess window;
        window.setProcessEnvironment(env);
        window.setProcessChannelMode(QProcess::ForwardedChannels);
        window.start(RANGEDESK_DEMO, {"--data", data.path(), "--latency", "0"});
        QDBusConnection watcher = bus.Connect();
        QVERIFY(QTest::qWaitFor(
            [&] { return watcher.interface()->isServiceRegistered("net.rangedesk.RangeDesk"); },
            kTimeoutMs));
        // The demo's folder gets its database once the window is up.
        const QString database = data.filePath("lib/DistLib.mdb");

        KeyEchoClient echo(env);
        QVERIFY(echo.WaitReady(kTimeoutMs));
        Run run = Cli({"measure", "--type", "--then", "enter", "--json", "--verbose"}, env);
        QVERIFY2(run.exit == 0, run.err.constData());
        const QJsonObject reading = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(reading["text"].toString(), QString("2.346 m"));
        QCOMPARE(reading["distance_m"].toDouble(), 2.3456);
        QVERIFY2(run.err.contains("typing method: xtest"), run.err.constData());
        QCOMPARE(echo.WaitFor("2.346\n", kTimeoutMs), QString("2.346\n"));

        // Without --type nothing is typed; the reading is kept all the same.
        run = Cli({"measure"}, env);
        QCOMPARE(run.exit, 0);
        QCOMPARE(run.out, QByteArray("2.346 m\n"));
        QCOMPARE(echo.Received(), QString("2.346\n"));
        QTRY_COMPARE_WITH_TIMEOUT(Readings(database, env).size(), 2, kTimeoutMs);

        // A template is the window's business, not the shortcut's.
        run = Cli({"measure", "--template", "{value}"}, env);
        QCOMPARE(run.exit, 1);

        // A second window raises the first and ends.
        QProcess second;
        second.setProcessEnvironment(env);
        second.start(QString(RANGEDESK_DEMO).replace("rangedesk-demo", "rangedesk"));
        QVERIFY(second.waitForFinished(kTimeoutMs));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(window.state(), QProcess::Running);

        window.terminate();
        QVERIFY(window.waitForFinished(kTimeoutMs));
    }

    // With no window the command opens the meter itself.
    void alone_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("faults");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("says");
        QTest::addColumn<QString>("typed");
        QTest::newRow("typed") << QStringList{"--type", "--then", "tab"} << "" << 0 << ""
                               << "2.346\t";
        QTest::newRow("value and unit, then nothing")
            << QStringList{"--type", "--unit", "--then", "none"} << "" << 0 << ""
            << "2.346 m";
        QTest::newRow("a template of the user")
            << QStringList{"--type", "--template", "[{value}]{enter}"} << "" << 0 << ""
            << "[2.346]\n";
        QTest::newRow("a template with an unknown field")
            << QStringList{"--type", "--template", "{value}{metres}"} << "" << 1
            << "{value}, {unit}, {tab}, {enter}"
            << "";
        QTest::newRow("no meter types nothing")
            << QStringList{"--type", "--device", "/dev/null"} << "" << 2 << "no meter found"
            << "";
        QTest::newRow("a reading that fails its checksum types nothing")
            << QStringList{"--type"} << "ATD001#:checksum" << 4 << "checksum"
            << "";
    }
    void alone() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, faults);
        QFETCH(int, exit);
        QFETCH(QString, says);
        QFETCH(QString, typed);
        XvfbServer x;
        PrivateBus bus; // no window owns the name on it
        QVERIFY2(!x.Display().isEmpty(), qPrintable(x.Error()));
        QProcessEnvironment env = Session(x, bus);
        env.insert("RANGEDESK_SIM_FAULTS", faults);
        QTemporaryDir data;
        QVERIFY(QFile::copy(RANGEDESK_TEMPLATE_DB, data.filePath("DistLib.mdb")));
        QFile::setPermissions(data.filePath("DistLib.mdb"), QFile::ReadOwner | QFile::WriteOwner);
        KeyEchoClient echo(env);
        QVERIFY(echo.WaitReady(kTimeoutMs));
        const Run run =
            Cli(QStringList{"measure", "--simulate", "3", "--db", data.filePath("DistLib.mdb")} +
                    arguments,
                env);
        QVERIFY2(run.exit == exit, run.err.constData());
        QVERIFY2(run.err.contains(says.toUtf8()), run.err.constData());
        if (typed.isEmpty()) {
            QCOMPARE(echo.WaitFor("x", 300), QString()); // nothing arrives
        } else {
            QCOMPARE(echo.WaitFor(typed, kTimeoutMs), typed);
            QCOMPARE(Readings(data.filePath("DistLib.mdb"), env).size(), 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestMeasureEndToEnd)
#include "test_measure_end_to_end.moc"
