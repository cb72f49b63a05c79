// The RemoteDesktop portal path against a scripted mock portal on a private bus: the calls
// and the keysyms sent, the restore token kept, a session the portal closes, and a decline
// that ends on the clipboard with a notification.
#include <QClipboard>
#include <QDBusArgument>
#include <QGuiApplication>
#include <QTest>

#include <memory>

#include "clipboard_typer.h"
#include "dbus_mock.h"
#include "fallback_typer.h"
#include "mock_calls.h"
#include "portal/portal_request.h"
#include "portal/portal_typer.h"
#include "private_bus.h"
#include "typer_factory.h"

using namespace rangedesk::desktop;
using namespace std::chrono_literals;

namespace {

const QString kPortal = "org.freedesktop.portal.Desktop";
const QString kPortalPath = "/org/freedesktop/portal/desktop";
const QString kNotifications = "org.freedesktop.Notifications";

class MemoryTokens : public portal::RestoreTokenStore {
public:
    QString token;
    QString Load() const override { return token; }
    void Save(const QString& t) override { token = t; }
};

QDBusMessage TestCall(const QDBusConnection& bus, const QString& method) {
    return bus.call(
        QDBusMessage::createMethodCall(kPortal, kPortalPath, "net.rangedesk.Test.Portal", method),
        QDBus::Block, 5000);
}

QString Keysyms(const QDBusConnection& bus) {
    return TestCall(bus, "Keysyms").arguments().value(0).toString();
}

QVariantMap SelectOptions(const QDBusConnection& bus) {
    return qdbus_cast<QVariantMap>(TestCall(bus, "SelectOptions").arguments().value(0));
}

} // namespace

class TestPortalTyper : public QObject {
    Q_OBJECT

    std::unique_ptr<PrivateBus> bus;
    QDBusConnection connection{QString()};
    std::unique_ptr<DBusMock> portalMock;

    void StartPortal(const QString& parameters = {}) {
        portalMock = std::make_unique<DBusMock>(bus->Address(), kPortal,
                                                QFINDTESTDATA("mock_remote_desktop_portal.py"),
                                                parameters, connection);
        QVERIFY(portalMock->Ready());
    }

private slots:
    void init() {
        if (QByteArray(QTest::currentTestFunction()) == "request_path") {
            return; // needs no bus
        }
        if (!PrivateBus::Available()) {
            QSKIP("dbus-daemon is not installed (package dbus-daemon)");
        }
        if (!DBusMock::Available()) {
            QSKIP("python3-dbusmock is not installed");
        }
        bus = std::make_unique<PrivateBus>();
        QVERIFY2(!bus->Address().isEmpty(), qPrintable(bus->Error()));
        connection = bus->Connect();
    }
    void cleanup() {
        portalMock.reset();
        bus.reset();
    }

    void types_keysyms_and_keeps_the_token() {
        StartPortal();
        QVERIFY(portal::PortalTyper::Probe(connection));
        MemoryTokens tokens;
        portal::PortalTyper typer(connection, tokens);
        QCOMPARE(typer.Name(), "portal");
        const TypeResult result = typer.Type(StrokesOf("1,5\t"));
        QVERIFY2(result.outcome == TypeOutcome::Typed, qPrintable(result.message));
        QCOMPARE(Keysyms(connection), "31+ 31- 2c+ 2c- 35+ 35- ff09+ ff09-");
        const QVariantMap options = SelectOptions(connection);
        QCOMPARE(options.value("types").toUInt(), 1u); // the keyboard only
        QCOMPARE(options.value("persist_mode").toUInt(), 2u);
        QVERIFY(!options.contains("restore_token"));
        QCOMPARE(tokens.token, "restore-token-1");
        // The next reading uses the same session: no second consent.
        QVERIFY(typer.Type(StrokesOf("²\n")).Succeeded());
        QCOMPARE(Keysyms(connection), "31+ 31- 2c+ 2c- 35+ 35- ff09+ ff09- b2+ b2- ff0d+ ff0d-");
        QCOMPARE(MockCalls(connection, kPortal, kPortalPath, "CreateSession").size(), 1);
        QCOMPARE(MockCalls(connection, kPortal, kPortalPath, "Start").size(), 1);
    }

    void offers_the_kept_token() {
        StartPortal();
        MemoryTokens tokens;
        tokens.token = "restore-token-from-last-run";
        portal::PortalTyper typer(connection, tokens);
        QVERIFY(typer.Type(StrokesOf("7")).Succeeded());
        QCOMPARE(SelectOptions(connection).value("restore_token").toString(),
                 "restore-token-from-last-run");
        // The portal hands out a new token each time; the new one is kept.
        QCOMPARE(tokens.token, "restore-token-1");
    }

    void first_version_portal_gets_no_persistence() {
        StartPortal(R"({"version": 1})");
        MemoryTokens tokens;
        tokens.token = "stale";
        portal::PortalTyper typer(connection, tokens);
        QVERIFY(typer.Type(StrokesOf("7")).Succeeded());
        const QVariantMap options = SelectOptions(connection);
        QVERIFY(!options.contains("persist_mode"));
        QVERIFY(!options.contains("restore_token"));
        QCOMPARE(tokens.token, "stale");
    }

    void session_closed_by_the_portal() {
        StartPortal();
        MemoryTokens tokens;
        portal::PortalTyper typer(connection, tokens);
        QVERIFY(typer.Type(StrokesOf("1")).Succeeded());
        QVERIFY(TestCall(connection, "CloseSessions").type() == QDBusMessage::ReplyMessage);
        QTRY_VERIFY_WITH_TIMEOUT(!typer.HasSession(), 5000);
        // The next reading asks for a new session.
        QVERIFY(typer.Type(StrokesOf("2")).Succeeded());
        QCOMPARE(MockCalls(connection, kPortal, kPortalPath, "CreateSession").size(), 2);
        QCOMPARE(Keysyms(connection), "31+ 31- 32+ 32-");
    }

    void declined_falls_back_to_the_clipboard() {
        StartPortal(R"({"decline": true})");
        DBusMock notifications(bus->Address(), kNotifications, "notification_daemon", {},
                               connection);
        QVERIFY(notifications.Ready());
        MemoryTokens tokens;
        FallbackTyper typer(std::make_unique<portal::PortalTyper>(connection, tokens),
                            std::make_unique<ClipboardTyper>(connection));
        QCOMPARE(typer.Name(), "portal");
        const TypeResult result = typer.Type(StrokesOf("1.234\t"));
        QCOMPARE(result.outcome, TypeOutcome::OnClipboard);
        QCOMPARE(result.method, "clipboard");
        QVERIFY2(result.message.contains("declined"), qPrintable(result.message));
        QCOMPARE(QGuiApplication::clipboard()->text(), "1.234");
        QCOMPARE(Keysyms(connection), "");
        const auto notified =
            MockCalls(connection, kNotifications, "/org/freedesktop/Notifications", "Notify");
        QCOMPARE(notified.size(), 1);
        QVERIFY2(notified[0].value(4).toString().contains("1.234"),
                 qPrintable(notified[0].value(4).toString()));
    }

    void chosen_for_a_gnome_session() {
        StartPortal();
        MemoryTokens tokens;
        const SessionFacts session{"wayland", "", ":0", "ubuntu:GNOME"};
        const TyperSelection selection = SelectTyper(session, connection, tokens);
        QCOMPARE(TypingMethodName(selection.method), "portal");
        QVERIFY(selection.probes.portal);
        QVERIFY(!selection.probes.xtest); // never XTest under Wayland
        QVERIFY(selection.typer->Type(StrokesOf("3")).Succeeded());
        QCOMPARE(Keysyms(connection), "33+ 33-");
    }

    void no_portal() {
        QVERIFY(!portal::PortalTyper::Probe(connection));
        MemoryTokens tokens;
        portal::PortalTyper typer(connection, tokens);
        const TypeResult result = typer.Type(StrokesOf("1"));
        QCOMPARE(result.outcome, TypeOutcome::Failed);
        QVERIFY2(result.message.contains("CreateSession"), qPrintable(result.message));
    }

    void request_path() {
        QCOMPARE(portal::RequestPath(":1.42", "tok_1"),
                 "/org/freedesktop/portal/desktop/request/1_42/tok_1");
    }
};

QTEST_MAIN(TestPortalTyper)
#include "test_portal_typer.moc"
