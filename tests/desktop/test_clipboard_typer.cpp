// The last resort under Xvfb: the reading on the X clipboard, read back by a separate X
// client, and a notification through a mock notification daemon on a private bus; the
// choice of method for the session as a whole.
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include <memory>

#include "clipboard_typer.h"
#include "dbus_mock.h"
#include "key_echo_client.h"
#include "mock_calls.h"
#include "private_bus.h"
#include "typer_factory.h"
#include "xvfb_server.h"

using namespace rangedesk::desktop;

namespace {

constexpr int kWaitMs = 15000;
const QString kNotifications = "org.freedesktop.Notifications";

class NoTokens : public portal::RestoreTokenStore {
public:
    QString Load() const override { return {}; }
    void Save(const QString&) override {}
};

// The X server this test's own QGuiApplication runs on; started before the application.
XvfbServer* xvfb = nullptr;

} // namespace

class TestClipboardTyper : public QObject {
    Q_OBJECT

    std::unique_ptr<PrivateBus> bus;
    QDBusConnection connection{QString()};

private slots:
    void init() {
        if (!xvfb) {
            QSKIP("Xvfb is not installed (package xvfb)");
        }
        if (!PrivateBus::Available()) {
            QSKIP("dbus-daemon is not installed (package dbus-daemon)");
        }
        bus = std::make_unique<PrivateBus>();
        QVERIFY2(!bus->Address().isEmpty(), qPrintable(bus->Error()));
        connection = bus->Connect();
    }
    void cleanup() { bus.reset(); }

    void on_the_clipboard_with_a_notification() {
        if (!DBusMock::Available()) {
            QSKIP("python3-dbusmock is not installed");
        }
        DBusMock notifications(bus->Address(), kNotifications, "notification_daemon", {},
                               connection);
        QVERIFY(notifications.Ready());
        ClipboardTyper typer(connection);
        QCOMPARE(typer.Name(), "clipboard");
        const TypeResult result = typer.Type(StrokesOf("41,81 m²\t"));
        QCOMPARE(result.outcome, TypeOutcome::OnClipboard);
        QVERIFY2(result.message.contains("notification"), qPrintable(result.message));
        // Another X client pastes what a user would: the characters, not the Tab.
        KeyEchoClient reader(xvfb->Environment(), {"--clipboard"});
        QCOMPARE(reader.Clipboard(kWaitMs), "41,81 m²");
        const auto notified =
            MockCalls(connection, kNotifications, "/org/freedesktop/Notifications", "Notify");
        QCOMPARE(notified.size(), 1);
        QCOMPARE(notified[0].value(0).toString(), "RangeDesk");
        QVERIFY(notified[0].value(4).toString().contains("41,81 m²"));
    }

    void no_notification_daemon_is_said() {
        ClipboardTyper typer(connection);
        const TypeResult result = typer.Type(StrokesOf("1.5\n"));
        QCOMPARE(result.outcome, TypeOutcome::OnClipboard);
        QVERIFY2(result.message.contains("org.freedesktop.Notifications"),
                 qPrintable(result.message));
        QCOMPARE(QGuiApplication::clipboard()->text(), "1.5");
    }

    void selection_for_the_session_data() {
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<bool>("withDisplay");
        QTest::addColumn<QString>("method");
        QTest::newRow("x11") << "x11" << true << "xtest";
        QTest::newRow("x11, display gone") << "x11" << false << "clipboard";
        QTest::newRow("no session") << "" << false << "clipboard";
        QTest::newRow("wayland, nothing offered") << "wayland" << false << "clipboard";
    }
    void selection_for_the_session() {
        QFETCH(QString, sessionType);
        QFETCH(bool, withDisplay);
        QFETCH(QString, method);
        NoTokens tokens;
        const SessionFacts session{sessionType,
                                   sessionType == "wayland" ? "no-such-wayland-socket" : "",
                                   withDisplay ? xvfb->Display() : ":4711", "XFCE"};
        const TyperSelection selection = SelectTyper(session, connection, tokens);
        QCOMPARE(TypingMethodName(selection.method), method);
        QCOMPARE(selection.typer->Name(), method);
        // Whatever was chosen, a reading reaches the user.
        const TypeResult result = selection.typer->Type(StrokesOf("2.5"));
        QVERIFY2(result.Succeeded(), qPrintable(result.message));
    }
};

int main(int argc, char** argv) {
    std::unique_ptr<XvfbServer> server;
    if (XvfbServer::Available()) {
        server = std::make_unique<XvfbServer>();
        xvfb = server.get();
        qputenv("DISPLAY", xvfb->Display().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QGuiApplication app(argc, argv);
    TestClipboardTyper test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_clipboard_typer.moc"
