#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "key_stroke.h"

namespace rangedesk::desktop::wayland {

// A keymap made for one typing: every keysym the strokes need on a key of its own, at level
// one, so no modifier is ever pressed and the user's layout does not matter.
struct VirtualKeymap {
    std::string text;                // an xkb keymap, format xkb_v1
    std::vector<std::uint32_t> keys; // per stroke, the evdev key code to press (xkb code - 8)
    std::string error;               // a stroke with no keysym
};

VirtualKeymap BuildVirtualKeymap(const KeyStrokes& strokes);

} // namespace rangedesk::desktop::wayland
