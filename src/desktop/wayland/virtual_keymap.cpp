#include "wayland/virtual_keymap.h"

#include <QCoreApplication>

#include <xkbcommon/xkbcommon.h>

#include <map>

#include "stroke_keysym.h"

namespace rangedesk::desktop::wayland {

namespace {

// Wayland key codes are evdev codes; xkb numbers the same keys 8 higher.
constexpr std::uint32_t kEvdevOffset = 8;
constexpr std::uint32_t kFirstKeycode = 9;

std::string KeysymName(xkb_keysym_t keysym) {
    char name[64] = {};
    xkb_keysym_get_name(keysym, name, sizeof name);
    return name;
}

} // namespace

VirtualKeymap BuildVirtualKeymap(const KeyStrokes& strokes) {
    VirtualKeymap keymap;
    std::map<xkb_keysym_t, std::uint32_t> keycodes; // keysym -> xkb keycode
    for (const KeyStroke& stroke : strokes) {
        const xkb_keysym_t keysym = KeysymOf(stroke);
        if (keysym == XKB_KEY_NoSymbol) {
            keymap.error = QCoreApplication::translate("Typing", "no keysym for the character U+%1")
                               .arg(uint(stroke.character), 0, 16)
                               .toStdString();
            keymap.keys.clear();
            return keymap;
        }
        const auto [it, added] =
            keycodes.emplace(keysym, kFirstKeycode + std::uint32_t(keycodes.size()));
        keymap.keys.push_back(it->second - kEvdevOffset);
    }
    std::string codes, symbols;
    for (const auto& [keysym, keycode] : keycodes) {
        const std::string name = "<K" + std::to_string(keycode) + ">";
        codes += "    " + name + " = " + std::to_string(keycode) + ";\n";
        symbols += "    key " + name + " { [ " + KeysymName(keysym) + " ] };\n";
    }
    keymap.text = "xkb_keymap {\n"
                  "xkb_keycodes \"rangedesk\" {\n"
                  "    minimum = 8;\n"
                  "    maximum = 255;\n" +
                  codes +
                  "};\n"
                  "xkb_types \"rangedesk\" {\n"
                  "    type \"ONE_LEVEL\" {\n"
                  "        modifiers = none;\n"
                  "        level_name[Level1] = \"Any\";\n"
                  "    };\n"
                  "};\n"
                  "xkb_compatibility \"rangedesk\" {\n"
                  "};\n"
                  "xkb_symbols \"rangedesk\" {\n" +
                  symbols +
                  "};\n"
                  "};\n";
    return keymap;
}

} // namespace rangedesk::desktop::wayland
