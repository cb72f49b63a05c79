// XTEST typing under Xvfb into a separate X client, with the US and the German layout,
// characters a layout lacks (a spare keycode is lent and given back) and Tab/Enter.
#include <QTest>

#include <X11/Xlib.h>

#include <memory>

#include "key_echo_client.h"
#include "x11/xtest_typer.h"
#include "xvfb_server.h"

using namespace rangedesk::desktop;
using namespace std::chrono_literals;

namespace {

constexpr int kWaitMs = 15000;

// The whole core keyboard map of a display, to compare before and after.
std::vector<KeySym> CoreKeyboardMap(const QString& display) {
    Display* d = XOpenDisplay(display.toLocal8Bit().constData());
    if (!d) {
        return {};
    }
    int min = 0, max = 0, per = 0;
    XDisplayKeycodes(d, &min, &max);
    KeySym* syms = XGetKeyboardMapping(d, KeyCode(min), max - min + 1, &per);
    std::vector<KeySym> map(syms, syms + std::size_t((max - min + 1) * per));
    XFree(syms);
    XCloseDisplay(d);
    return map;
}

} // namespace

class TestXTestTyper : public QObject {
    Q_OBJECT

    std::unique_ptr<XvfbServer> xvfb;

private slots:
    void initTestCase() {
        if (!XvfbServer::Available()) {
            QSKIP("Xvfb is not installed (package xvfb)");
        }
        if (QStandardPaths::findExecutable("setxkbmap").isEmpty()) {
            QSKIP("setxkbmap is not installed (package x11-xkb-utils)");
        }
        xvfb = std::make_unique<XvfbServer>();
        QVERIFY2(!xvfb->Display().isEmpty(), qPrintable(xvfb->Error()));
        QVERIFY(x11::XTestTyper::Probe(xvfb->Display()));
    }
    void cleanupTestCase() { xvfb.reset(); }

    void types_into_client_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("lends");
        QTest::newRow("us reading tab") << "us"
                                        << "1.234\t" << false;
        QTest::newRow("us comma enter") << "us"
                                        << "-12,5 ft\n"
                                        << false;
        QTest::newRow("us shifted") << "us"
                                    << "5'3\"" << false;
        QTest::newRow("us lacks ² and ä") << "us"
                                          << "41.81 m²\tä" << true;
        QTest::newRow("de reading tab") << "de"
                                        << "1,234\t" << false;
        QTest::newRow("de point enter") << "de"
                                        << "0.750 m\n"
                                        << false;
        QTest::newRow("de altgr and shift") << "de"
                                            << "41,81 m² -1,6 °\t" << false;
        QTest::newRow("de lacks ☺") << "de"
                                    << "2☺5\n"
                                    << true;
        QTest::newRow("fr azerty") << "fr"
                                   << "1.234;5,6\t" << false;
    }
    void types_into_client() {
        QFETCH(QString, layout);
        QFETCH(QString, text);
        QFETCH(bool, lends);
        QVERIFY2(xvfb->SetLayout(layout).isEmpty(), qPrintable(xvfb->SetLayout(layout)));
        const std::vector<KeySym> before = CoreKeyboardMap(xvfb->Display());
        KeyEchoClient client(xvfb->Environment());
        QVERIFY2(client.WaitReady(kWaitMs), "the key_echo window never got the focus");
        x11::XTestTyper typer(xvfb->Display(), 300ms);
        QCOMPARE(typer.Name(), "xtest");
        const TypeResult result = typer.Type(StrokesOf(text));
        QVERIFY2(result.outcome == TypeOutcome::Typed, qPrintable(result.message));
        QCOMPARE(client.WaitFor(text, kWaitMs), text);
        QCOMPARE(typer.LentKeycodes() > 0, lends);
        QCOMPARE(result.message.contains("spare"), lends);
        // A lent keycode is given back after the quiet period: the map is as it was.
        QTRY_COMPARE_WITH_TIMEOUT(typer.LentKeycodes(), std::size_t(0), kWaitMs);
        QVERIFY(CoreKeyboardMap(xvfb->Display()) == before);
    }

    void follows_a_layout_change() {
        // One typer, the user switches layouts between two readings.
        QVERIFY(xvfb->SetLayout("us").isEmpty());
        KeyEchoClient client(xvfb->Environment());
        QVERIFY(client.WaitReady(kWaitMs));
        x11::XTestTyper typer(xvfb->Display(), 200ms);
        QVERIFY(typer.Type(StrokesOf("1.5\t")).Succeeded());
        QCOMPARE(client.WaitFor("1.5\t", kWaitMs), "1.5\t");
        QVERIFY(xvfb->SetLayout("de").isEmpty());
        client.Clear();
        QVERIFY(typer.Type(StrokesOf("2,75 m²\n")).Succeeded());
        QCOMPARE(client.WaitFor("2,75 m²\n", kWaitMs), "2,75 m²\n");
        QCOMPARE(typer.LentKeycodes(), std::size_t(0));
    }

    void back_to_back_lends_stay_right() {
        // A second reading within the quiet period reuses the lent key.
        QVERIFY(xvfb->SetLayout("us").isEmpty());
        KeyEchoClient client(xvfb->Environment());
        QVERIFY(client.WaitReady(kWaitMs));
        x11::XTestTyper typer(xvfb->Display(), 5s);
        QVERIFY(typer.Type(StrokesOf("3²\t")).Succeeded());
        QVERIFY(typer.Type(StrokesOf("4²\t")).Succeeded());
        QCOMPARE(client.WaitFor("3²\t4²\t", kWaitMs), "3²\t4²\t");
        QCOMPARE(typer.LentKeycodes(), std::size_t(1));
    }

    void no_display() {
        x11::XTestTyper typer(":4711");
        const TypeResult result = typer.Type(StrokesOf("1.0"));
        QCOMPARE(result.outcome, TypeOutcome::Failed);
        QVERIFY2(result.message.contains(":4711"), qPrintable(result.message));
        QVERIFY(!x11::XTestTyper::Probe(":4711"));
    }
};

QTEST_GUILESS_MAIN(TestXTestTyper)
#include "test_xtest_typer.moc"
