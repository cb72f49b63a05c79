#pragma once

#include <xkbcommon/xkbcommon.h>

#include "key_stroke.h"

namespace rangedesk::desktop {

// The keysym a stroke stands for: its character's, Tab, or Return; NoSymbol when the
// character has none.
xkb_keysym_t KeysymOf(const KeyStroke& stroke);

} // namespace rangedesk::desktop
