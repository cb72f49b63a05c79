#include "stroke_keysym.h"

namespace rangedesk::desktop {

xkb_keysym_t KeysymOf(const KeyStroke& stroke) {
    switch (stroke.kind) {
    case KeyStroke::Kind::Tab:
        return XKB_KEY_Tab;
    case KeyStroke::Kind::Enter:
        return XKB_KEY_Return;
    case KeyStroke::Kind::Character:
        break;
    }
    return xkb_utf32_to_keysym(stroke.character);
}

} // namespace rangedesk::desktop
