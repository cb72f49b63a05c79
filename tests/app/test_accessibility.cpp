// The main window through the real accessibility bus, as a screen reader sees it: the window
// with a simulated meter under Xvfb on a session bus of its own (dbus-run-session starts the
// accessibility bus), walked by pyatspi: every control by its name, Read pressed by its
// action, the newest reading read back from the reading display and found kept; then the
// History window, opened by its button, by the names of its lists and fields.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "xvfb_server.h"

namespace {

constexpr int kTimeoutMs = 120000;
constexpr char kPython[] = "/usr/bin/python3";

bool HasPyatspi() {
    QProcess python;
    python.start(kPython, {"-c", "import pyatspi"});
    return python.waitForFinished(20000) && python.exitStatus() == QProcess::NormalExit &&
           python.exitCode() == 0;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    QJsonObject walk;
    QTemporaryDir data;

    QJsonObject Control(const QString& name) const {
        for (const QJsonValue& c : walk["controls"].toArray()) {
            if (c["name"].toString() == name) {
                return c.toObject();
            }
        }
        return {};
    }

private slots:
    void initTestCase() {
        if (!XvfbServer::Available() ||
            QStandardPaths::findExecutable("dbus-run-session").isEmpty() ||
            !QFile::exists("/usr/libexec/at-spi-bus-launcher") || !HasPyatspi()) {
            QSKIP("Xvfb, dbus-run-session, at-spi2-core and python3-pyatspi are needed "
                  "(scripts/setup.sh --test installs them)");
        }
        XvfbServer x;
        QVERIFY2(!x.Display().isEmpty(), qPrintable(x.Error()));
        QTemporaryDir home;
        QProcessEnvironment env = x.Environment();
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("LC_ALL", "C.UTF-8");
        env.remove("DBUS_SESSION_BUS_ADDRESS");
        env.remove("AT_SPI_BUS_ADDRESS");
        QProcess session;
        session.setProcessEnvironment(env);
        session.start("dbus-run-session",
                      {"--", kPython, RANGEDESK_A11Y_WALK, RANGEDESK_DEMO, data.path()});
        QVERIFY2(session.waitForFinished(kTimeoutMs), "the walk did not end");
        const QByteArray out = session.readAllStandardOutput();
        const QByteArray err = session.readAllStandardError();
        QVERIFY2(session.exitStatus() == QProcess::NormalExit && session.exitCode() == 0,
                 (out + err).right(4000).constData());
        walk = QJsonDocument::fromJson(out.trimmed().split('\n').last()).object();
        QVERIFY2(!walk.isEmpty(), out.constData());
    }

    // Each control found on the bus by its name, in its role.
    void namedControls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("role");
        QTest::newRow("Read") << "Read"
                              << "push button";
        QTest::newRow("Clear") << "Clear"
                               << "push button";
        QTest::newRow("Export Records") << "Export Records"
                                        << "push button";
        QTest::newRow("Export to Excel") << "Export to Excel"
                                         << "push button";
        QTest::newRow("Print") << "Print"
                               << "push button";
        QTest::newRow("About") << "About"
                               << "push button";
        QTest::newRow("History") << "History"
                                 << "push button";
        QTest::newRow("Settings") << "Settings"
                                  << "push button";
        QTest::newRow("typing switch") << "Type readings into the focused application"
                                       << "check box";
        QTest::newRow("grid") << "Records"
                              << "table";
        QTest::newRow("first record") << "First record"
                                      << "push button";
        QTest::newRow("last record") << "Last record"
                                     << "push button";
        QTest::newRow("History's downloads") << "Downloads"
                                             << "table";
        QTest::newRow("History's records") << "Records of the selected download"
                                           << "table";
        QTest::newRow("History's search") << "Search"
                                          << "text";
    }
    void namedControls() {
        QFETCH(QString, name);
        QFETCH(QString, role);
        const QJsonObject control = Control(name);
        QVERIFY2(!control.isEmpty(), qPrintable("no control named \"" + name + "\""));
        QCOMPARE(control["role"].toString(), role);
    }

    // No button a screen reader would announce without a name.
    void noUnnamedButton() {
        QStringList unnamed;
        for (const QJsonValue& c : walk["controls"].toArray()) {
            const QString role = c["role"].toString();
            if ((role == "push button" || role == "check box") && c["showing"].toBool() &&
                c["name"].toString().trimmed().isEmpty()) {
                unnamed << role + " (" + c["description"].toString() + ")";
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    }

    // Read pressed by its action: the display's newest line names the reading the window kept.
    void readThroughTheBus() {
        QCOMPARE(walk["read_action"].toString().toLower(), QString("press"));
        const QString reading = walk["reading"].toString().simplified();
        QVERIFY2(reading.endsWith(" m"), qPrintable(reading));
        QProcess cli;
        cli.start(RANGEDESK_CLI,
                  {"history", "readings", "--json", "--db", data.filePath("lib/DistLib.mdb")});
        QVERIFY(cli.waitForFinished(kTimeoutMs));
        const QByteArray out = cli.readAllStandardOutput();
        const QJsonArray kept = QJsonDocument::fromJson(out).array();
        QVERIFY2(kept.size() == 1, (out + cli.readAllStandardError()).constData());
        QCOMPARE(kept[0]["text"].toString().simplified(), reading);
    }

    // The grid exposes its cells as a table: LoadData's seven columns and the Label.
    void gridIsATable() { QCOMPARE(walk["grid_columns"].toInt(), 8); }
};

QTEST_GUILESS_MAIN(TestAccessibility)
#include "test_accessibility.moc"
