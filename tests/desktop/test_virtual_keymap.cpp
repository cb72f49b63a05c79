// The keymap uploaded to a virtual keyboard: compiled as a compositor and a client compile it,
// each stroke's key gives its keysym at level one, with no modifier.
#include <QTest>

#include <set>

#include "stroke_keysym.h"
#include "wayland/virtual_keymap.h"
#include "xkb_handles.h"

using namespace rangedesk::desktop;

class TestVirtualKeymap : public QObject {
    Q_OBJECT

private slots:
    void keys_give_the_strokes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("distinctKeys");
        QTest::newRow("reading tab") << "1.234\t" << 6;
        QTest::newRow("repeated digits") << "1111\n" << 2;
        QTest::newRow("unit and symbols") << "41,81 m² -1,6 °\t" << 11;
        QTest::newRow("beyond Latin-1") << "2☺€\n" << 4;
        QTest::newRow("nothing") << "" << 0;
    }
    void keys_give_the_strokes() {
        QFETCH(QString, text);
        QFETCH(int, distinctKeys);
        const KeyStrokes strokes = StrokesOf(text);
        const auto keymap = wayland::BuildVirtualKeymap(strokes);
        QVERIFY(keymap.error.empty());
        QCOMPARE(keymap.keys.size(), strokes.size());
        const XkbContextPtr context(xkb_context_new(XKB_CONTEXT_NO_DEFAULT_INCLUDES));
        const XkbKeymapPtr compiled(xkb_keymap_new_from_string(context.get(), keymap.text.c_str(),
                                                               XKB_KEYMAP_FORMAT_TEXT_V1,
                                                               XKB_KEYMAP_COMPILE_NO_FLAGS));
        QVERIFY2(compiled, keymap.text.c_str());
        const XkbStatePtr state(xkb_state_new(compiled.get()));
        for (std::size_t i = 0; i < strokes.size(); ++i) {
            QCOMPARE(xkb_state_key_get_one_sym(state.get(), keymap.keys[i] + 8),
                     KeysymOf(strokes[i]));
        }
        QCOMPARE(int(std::set<std::uint32_t>(keymap.keys.begin(), keymap.keys.end()).size()),
                 distinctKeys);
    }

    void no_keysym() {
        const auto keymap = wayland::BuildVirtualKeymap({KeyStroke::Char(0x110000)});
        QVERIFY(!keymap.error.empty());
        QVERIFY(keymap.keys.empty());
    }
};

QTEST_GUILESS_MAIN(TestVirtualKeymap)
#include "test_virtual_keymap.moc"
