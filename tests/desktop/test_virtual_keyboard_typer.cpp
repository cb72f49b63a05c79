// Typing through the virtual keyboard of a headless sway into a separate Wayland client.
#include <QTest>

#include <memory>

#include "key_echo_client.h"
#include "sway_compositor.h"
#include "typer_factory.h"
#include "wayland/virtual_keyboard.h"
#include "wayland/virtual_keyboard_typer.h"

using namespace rangedesk::desktop;

namespace {

constexpr int kWaitMs = 15000;

} // namespace

class TestVirtualKeyboardTyper : public QObject {
    Q_OBJECT

    std::unique_ptr<SwayCompositor> sway;
    // The user's own keyboard: without one the seat has no keyboard, and a client binds its
    // wl_keyboard only once one appears, too late for keys that come with it.
    std::unique_ptr<wayland::VirtualKeyboard> usersKeyboard;

private slots:
    void initTestCase() {
        if (!SwayCompositor::Available()) {
            QSKIP("sway is not installed (package sway)");
        }
        sway = std::make_unique<SwayCompositor>();
        QVERIFY2(!sway->Socket().isEmpty(), qPrintable(sway->Error()));
        QVERIFY(wayland::VirtualKeyboardTyper::Probe(sway->Socket()));
        QString error;
        usersKeyboard = wayland::VirtualKeyboard::Open(sway->Socket(), error);
        QVERIFY2(usersKeyboard, qPrintable(error));
        QVERIFY(usersKeyboard->Send(wayland::BuildVirtualKeymap(StrokesOf("a"))).isEmpty());
    }
    void cleanupTestCase() {
        usersKeyboard.reset();
        sway.reset();
    }

    void types_into_client_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("reading tab") << "1.234\t";
        QTest::newRow("comma unit enter") << "41,81 m²\n";
        QTest::newRow("signs and symbols") << "-1,6 °☺€\t";
    }
    void types_into_client() {
        QFETCH(QString, text);
        KeyEchoClient client(sway->ClientEnvironment());
        QVERIFY2(client.WaitReady(kWaitMs), "the key_echo window never got the focus");
        wayland::VirtualKeyboardTyper typer(sway->Socket());
        QCOMPARE(typer.Name(), "virtual-keyboard");
        const TypeResult result = typer.Type(StrokesOf(text));
        QVERIFY2(result.outcome == TypeOutcome::Typed, qPrintable(result.message));
        QCOMPARE(client.WaitFor(text, kWaitMs), text);
        // A second reading to the same window, with a keymap of its own.
        client.Clear();
        QVERIFY(typer.Type(StrokesOf("7.5\n")).Succeeded());
        QCOMPARE(client.WaitFor("7.5\n", kWaitMs), "7.5\n");
    }

    void chosen_for_a_sway_session() {
        struct : portal::RestoreTokenStore {
            QString Load() const override { return {}; }
            void Save(const QString&) override {}
        } tokens;
        const SessionFacts session{"wayland", sway->Socket(), "", "sway"};
        const TyperSelection selection =
            SelectTyper(session, QDBusConnection(QStringLiteral("no bus")), tokens);
        QCOMPARE(TypingMethodName(selection.method), "virtual-keyboard");
        QVERIFY(selection.probes.virtualKeyboard);
        QVERIFY(!selection.probes.portal);
        QCOMPARE(selection.typer->Name(), "virtual-keyboard");
    }

    void no_compositor() {
        const QString nowhere = QDir::tempPath() + "/no-such-wayland-socket";
        QVERIFY(!wayland::VirtualKeyboardTyper::Probe(nowhere));
        const TypeResult result = wayland::VirtualKeyboardTyper(nowhere).Type(StrokesOf("1"));
        QCOMPARE(result.outcome, TypeOutcome::Failed);
        QVERIFY2(result.message.contains(nowhere), qPrintable(result.message));
    }
};

QTEST_GUILESS_MAIN(TestVirtualKeyboardTyper)
#include "test_virtual_keyboard_typer.moc"
