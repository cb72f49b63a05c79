#pragma once

#include <xkbcommon/xkbcommon.h>

#include <memory>

namespace rangedesk::desktop {

// Owners of libxkbcommon objects.
struct XkbContextUnref {
    void operator()(xkb_context* c) const { xkb_context_unref(c); }
};
struct XkbKeymapUnref {
    void operator()(xkb_keymap* k) const { xkb_keymap_unref(k); }
};
struct XkbStateUnref {
    void operator()(xkb_state* s) const { xkb_state_unref(s); }
};
using XkbContextPtr = std::unique_ptr<xkb_context, XkbContextUnref>;
using XkbKeymapPtr = std::unique_ptr<xkb_keymap, XkbKeymapUnref>;
using XkbStatePtr = std::unique_ptr<xkb_state, XkbStateUnref>;

} // namespace rangedesk::desktop
