// Which typing method a session gets, from its environment and what probing found.
#include <QTest>

#include "typing_method.h"

using namespace rangedesk::desktop;

class TestTypingMethod : public QObject {
    Q_OBJECT

private slots:
    void choice_data() {
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("found"); // probes that succeed: x, v(irtual keyboard), p(ortal)
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("probed"); // probes worth running
        // X11 sessions.
        QTest::newRow("x11") << "x11"
                             << ""
                             << ":0"
                             << "XFCE"
                             << "x"
                             << "xtest"
                             << "x";
        QTest::newRow("x11 no xtest") << "x11"
                                      << ""
                                      << ":0"
                                      << "XFCE"
                                      << ""
                                      << "clipboard"
                                      << "x";
        QTest::newRow("x11 gnome") << "x11"
                                   << ""
                                   << ":0"
                                   << "GNOME"
                                   << "xp"
                                   << "xtest"
                                   << "x";
        QTest::newRow("X11 upper case") << "X11"
                                        << ""
                                        << ":1"
                                        << ""
                                        << "x"
                                        << "xtest"
                                        << "x";
        QTest::newRow("x11 without DISPLAY") << "x11"
                                             << ""
                                             << ""
                                             << ""
                                             << ""
                                             << "clipboard"
                                             << "";
        // Wayland, wlroots desktops: the virtual keyboard.
        QTest::newRow("sway") << "wayland"
                              << "wayland-1"
                              << ":0"
                              << "sway"
                              << "xvp"
                              << "virtual-keyboard"
                              << "vp";
        QTest::newRow("sway no portal") << "wayland"
                                        << "wayland-1"
                                        << ""
                                        << "sway"
                                        << "v"
                                        << "virtual-keyboard"
                                        << "vp";
        QTest::newRow("wlroots portal only") << "wayland"
                                             << "wayland-0"
                                             << ""
                                             << "Hyprland"
                                             << "p"
                                             << "portal"
                                             << "vp";
        QTest::newRow("wayland nothing, XWayland there") << "wayland"
                                                         << "wayland-0"
                                                         << ":0"
                                                         << "river"
                                                         << "x"
                                                         << "clipboard"
                                                         << "vp";
        // GNOME and KDE: the portal first.
        QTest::newRow("gnome") << "wayland"
                               << "wayland-0"
                               << ":0"
                               << "GNOME"
                               << "xp"
                               << "portal"
                               << "vp";
        QTest::newRow("ubuntu gnome") << "wayland"
                                      << "wayland-0"
                                      << ":0"
                                      << "ubuntu:GNOME"
                                      << "p"
                                      << "portal"
                                      << "vp";
        QTest::newRow("kde") << "wayland"
                             << "wayland-0"
                             << ":1"
                             << "KDE"
                             << "vp"
                             << "portal"
                             << "vp";
        QTest::newRow("kde portal declined earlier") << "wayland"
                                                     << "wayland-0"
                                                     << ":1"
                                                     << "KDE"
                                                     << "v"
                                                     << "virtual-keyboard"
                                                     << "vp";
        QTest::newRow("gnome no portal") << "wayland"
                                         << "wayland-0"
                                         << ":0"
                                         << "GNOME"
                                         << "x"
                                         << "clipboard"
                                         << "vp";
        // No session type: what is reachable decides.
        QTest::newRow("tty with wayland") << "tty"
                                          << "wayland-0"
                                          << ""
                                          << ""
                                          << "v"
                                          << "virtual-keyboard"
                                          << "vp";
        QTest::newRow("unset with DISPLAY") << ""
                                            << ""
                                            << ":99"
                                            << ""
                                            << "x"
                                            << "xtest"
                                            << "x";
        QTest::newRow("unset with both") << ""
                                         << "wayland-0"
                                         << ":0"
                                         << ""
                                         << "xv"
                                         << "virtual-keyboard"
                                         << "vp";
        QTest::newRow("nothing") << ""
                                 << ""
                                 << ""
                                 << ""
                                 << ""
                                 << "clipboard"
                                 << "";
        QTest::newRow("tty") << "tty"
                             << ""
                             << ""
                             << ""
                             << "xvp"
                             << "clipboard"
                             << "";
    }
    void choice() {
        QFETCH(QString, sessionType);
        QFETCH(QString, wayland);
        QFETCH(QString, display);
        QFETCH(QString, desktop);
        QFETCH(QString, found);
        QFETCH(QString, method);
        QFETCH(QString, probed);
        const SessionFacts session{sessionType, wayland, display, desktop};
        const ProbeResults probes{found.contains('x'), found.contains('v'), found.contains('p')};
        QCOMPARE(TypingMethodName(ChooseTypingMethod(session, probes)), method);
        const ProbesWanted wanted = ProbesFor(session);
        QCOMPARE(wanted.x11, probed.contains('x'));
        QCOMPARE(wanted.wayland, probed.contains('v'));
        QCOMPARE(wanted.portal, probed.contains('p'));
        // A probe not worth running never changes the choice.
        const ProbeResults onlyWanted{probes.xtest && wanted.x11,
                                      probes.virtualKeyboard && wanted.wayland,
                                      probes.portal && wanted.portal};
        QCOMPARE(TypingMethodName(ChooseTypingMethod(session, onlyWanted)), method);
    }

    void names() {
        for (const auto m : {TypingMethod::XTest, TypingMethod::VirtualKeyboard,
                             TypingMethod::Portal, TypingMethod::Clipboard}) {
            QCOMPARE(TypingMethodFromName(TypingMethodName(m)), m);
        }
        QCOMPARE(TypingMethodFromName("XTest"), std::nullopt);
    }

    void environment() {
        QProcessEnvironment env;
        env.insert("XDG_SESSION_TYPE", "wayland");
        env.insert("WAYLAND_DISPLAY", "wayland-0");
        env.insert("DISPLAY", ":0");
        env.insert("XDG_CURRENT_DESKTOP", "KDE");
        const SessionFacts facts = SessionFactsFrom(env);
        QCOMPARE(facts.sessionType, "wayland");
        QCOMPARE(facts.waylandDisplay, "wayland-0");
        QCOMPARE(facts.display, ":0");
        QCOMPARE(facts.currentDesktop, "KDE");
    }
};

QTEST_GUILESS_MAIN(TestTypingMethod)
#include "test_typing_method.moc"
