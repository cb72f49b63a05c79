#pragma once

#include <QString>

#include <xkbcommon/xkbcommon.h>

#include <vector>

#include "key_stroke.h"

namespace rangedesk::desktop::x11 {

// The keyboard state typing starts from: what is locked (Caps Lock, Num Lock) and the layout
// (XKB group) in use.
struct LockedState {
    xkb_mod_mask_t mods = 0;
    xkb_layout_index_t group = 0;
};

// One key press: the key, the modifier keys held around it, the group it needs.
struct PlannedPress {
    xkb_keycode_t keycode = 0;
    std::vector<xkb_keycode_t> modifiers;
    xkb_layout_index_t group = 0;
};

// A keycode with no symbols that gets a keysym the layout lacks for the time of the typing.
struct SpareMapping {
    xkb_keycode_t keycode = 0;
    xkb_keysym_t keysym = 0;
};

struct KeyPlan {
    std::vector<PlannedPress> presses; // one per stroke
    std::vector<SpareMapping> spares;  // to map before the presses, and to clear afterwards
    QString error;                     // when some stroke cannot be typed; then nothing is
};

// Plans the presses for `strokes` on `keymap` (the live map of the X server): each keysym on
// the key, level and group that give it, preferring the group in use and the fewest modifiers,
// checked by replaying the presses in an xkb state; a keysym the map lacks goes on a spare
// keycode (one with no symbols, at most 255). Pure: reads the keymap only.
KeyPlan PlanKeys(xkb_keymap* keymap, const LockedState& locked, const KeyStrokes& strokes);

} // namespace rangedesk::desktop::x11
