// The X11 key planner on keyboard maps compiled from the layouts users have: every stroke
// replayed in an xkb state must give the character, and only characters a layout lacks go on
// spare keycodes.
#include <QTest>

#include "x11/xkb_key_plan.h"
#include "xkb_handles.h"

using namespace rangedesk::desktop;
using namespace rangedesk::desktop::x11;

namespace {

XkbKeymapPtr Keymap(xkb_context* context, const QByteArray& layout, const QByteArray& variant) {
    const xkb_rule_names names{"evdev", "pc105", layout.constData(), variant.constData(), ""};
    return XkbKeymapPtr(xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
}

bool Empty(xkb_keymap* keymap, xkb_keycode_t kc) {
    return xkb_keymap_num_layouts_for_key(keymap, kc) == 0 || [&] {
        for (xkb_layout_index_t g = 0; g < xkb_keymap_num_layouts_for_key(keymap, kc); ++g)
            for (xkb_level_index_t l = 0; l < xkb_keymap_num_levels_for_key(keymap, kc, g); ++l) {
                const xkb_keysym_t* syms = nullptr;
                if (xkb_keymap_key_get_syms_by_level(keymap, kc, g, l, &syms) > 0)
                    return false;
            }
        return true;
    }();
}

// What a client would read from the planned presses: the UTF-8 text of each press (Tab and
// Return as "\t" and "\n"), as a server and a client with this keymap work it out.
QString Replay(xkb_keymap* keymap, const LockedState& locked, const KeyPlan& plan) {
    QString text;
    for (const PlannedPress& press : plan.presses) {
        const auto spare = std::find_if(plan.spares.begin(), plan.spares.end(),
                                        [&](const auto& s) { return s.keycode == press.keycode; });
        if (spare != plan.spares.end()) {
            if (!Empty(keymap, press.keycode)) {
                return "<spare keycode in use>";
            }
            char utf8[8] = {};
            xkb_keysym_to_utf8(spare->keysym, utf8, sizeof utf8);
            text += QString::fromUtf8(utf8);
            continue;
        }
        const XkbStatePtr state(xkb_state_new(keymap));
        xkb_state_update_mask(state.get(), 0, 0, locked.mods, 0, 0, press.group);
        for (const auto m : press.modifiers) {
            xkb_state_update_key(state.get(), m, XKB_KEY_DOWN);
        }
        char utf8[8] = {};
        xkb_state_key_get_utf8(state.get(), press.keycode, utf8, sizeof utf8);
        text += QString::fromUtf8(utf8).replace("\r", "\n");
    }
    return text;
}

} // namespace

class TestXkbKeyPlan : public QObject {
    Q_OBJECT

    XkbContextPtr context{xkb_context_new(XKB_CONTEXT_NO_FLAGS)};

private slots:
    void plan_data() {
        QTest::addColumn<QByteArray>("layout");
        QTest::addColumn<QByteArray>("variant");
        QTest::addColumn<QString>("locked"); // "caps", "group2" or ""
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("spares");
        QTest::addColumn<int>("modifiedPresses"); // presses that hold a modifier
        QTest::newRow("us digits") << QByteArray("us") << QByteArray() << ""
                                   << "1.234\t" << 0 << 0;
        QTest::newRow("us comma enter") << QByteArray("us") << QByteArray() << ""
                                        << "12,5\n"
                                        << 0 << 0;
        QTest::newRow("us unit") << QByteArray("us") << QByteArray() << ""
                                 << "-0.75 ft\t" << 0 << 0;
        QTest::newRow("us lacks ² and °") << QByteArray("us") << QByteArray() << ""
                                          << "41.81 m²°" << 2 << 0;
        QTest::newRow("us same missing twice") << QByteArray("us") << QByteArray() << ""
                                               << "ä.ä" << 1 << 0;
        QTest::newRow("us shifted") << QByteArray("us") << QByteArray() << ""
                                    << "5'3\"" << 0 << 1;
        QTest::newRow("us caps lock") << QByteArray("us") << QByteArray() << "caps"
                                      << "2.5 m" << 0 << 1;
        QTest::newRow("de qwertz") << QByteArray("de") << QByteArray() << ""
                                   << "1,234\t" << 0 << 0;
        QTest::newRow("de point") << QByteArray("de") << QByteArray() << ""
                                  << "1.234\n"
                                  << 0 << 0;
        QTest::newRow("de altgr ²") << QByteArray("de") << QByteArray() << ""
                                    << "41,81 m²" << 0 << 1;
        QTest::newRow("de degree") << QByteArray("de") << QByteArray() << ""
                                   << "-1,6 °" << 0 << 1;
        QTest::newRow("de lacks ☺") << QByteArray("de") << QByteArray() << ""
                                    << "1☺" << 1 << 0;
        QTest::newRow("fr azerty digits need shift") << QByteArray("fr") << QByteArray() << ""
                                                     << "1.234\t" << 0 << 5;
        QTest::newRow("fr comma") << QByteArray("fr") << QByteArray() << ""
                                  << "1,5" << 0 << 2;
        QTest::newRow("ch qwertz") << QByteArray("ch") << QByteArray() << ""
                                   << "3.25 m" << 0 << 0;
        QTest::newRow("us,ru in ru") << QByteArray("us,ru") << QByteArray() << "group2"
                                     << "1.5 m\t" << 0 << -1;
        QTest::newRow("ru alone lacks m") << QByteArray("ru") << QByteArray() << ""
                                          << "1,5 m" << 1 << -1;
    }
    void plan() {
        QFETCH(QByteArray, layout);
        QFETCH(QByteArray, variant);
        QFETCH(QString, locked);
        QFETCH(QString, text);
        QFETCH(int, spares);
        QFETCH(int, modifiedPresses);
        const XkbKeymapPtr keymap = Keymap(context.get(), layout, variant);
        QVERIFY2(keymap, "no keymap: is xkb-data installed?");
        LockedState state;
        if (locked == "caps") {
            state.mods = 1u << xkb_keymap_mod_get_index(keymap.get(), XKB_MOD_NAME_CAPS);
        } else if (locked == "group2") {
            state.group = 1;
        }
        const KeyPlan plan = PlanKeys(keymap.get(), state, StrokesOf(text));
        QVERIFY2(plan.error.isEmpty(), qPrintable(plan.error));
        QCOMPARE(int(plan.presses.size()), int(StrokesOf(text).size()));
        QCOMPARE(Replay(keymap.get(), state, plan), text);
        QCOMPARE(int(plan.spares.size()), spares);
        if (modifiedPresses >= 0) {
            QCOMPARE(int(std::count_if(plan.presses.begin(), plan.presses.end(),
                                       [](const auto& p) { return !p.modifiers.empty(); })),
                     modifiedPresses);
        }
        for (const auto& s : plan.spares) {
            QVERIFY(s.keycode >= 8 && s.keycode <= 255);
        }
    }

    void group_in_use_first() {
        // "1" is in both groups of us,ru: with ru locked it is typed in ru, no group switch.
        const XkbKeymapPtr keymap = Keymap(context.get(), "us,ru", "");
        const KeyPlan plan = PlanKeys(keymap.get(), {0, 1}, StrokesOf("1"));
        QCOMPARE(plan.presses.at(0).group, 1u);
        // "m" is only in us: typed in group 0.
        const KeyPlan latin = PlanKeys(keymap.get(), {0, 1}, StrokesOf("m"));
        QCOMPARE(latin.presses.at(0).group, 0u);
        QVERIFY(latin.spares.empty());
    }

    void no_keysym() {
        const XkbKeymapPtr keymap = Keymap(context.get(), "us", "");
        const KeyPlan plan = PlanKeys(keymap.get(), {}, {KeyStroke::Char(0x110000)});
        QVERIFY(plan.error.contains("U+110000"));
        QVERIFY(plan.presses.empty());
    }
};

QTEST_GUILESS_MAIN(TestXkbKeyPlan)
#include "test_xkb_key_plan.moc"
