#pragma once

#include <QString>

#include "typer.h"

namespace rangedesk::desktop::wayland {

// Types through the virtual-keyboard protocol of wlroots compositors (sway and others): each
// typing connects, creates a virtual keyboard on the first seat, uploads a keymap holding just
// the keysyms needed (see virtual_keymap.h) and sends the key presses.
class VirtualKeyboardTyper : public Typer {
public:
    // `display` is a socket name ("wayland-1") or path; empty uses $WAYLAND_DISPLAY.
    explicit VirtualKeyboardTyper(QString display);

    // Whether the compositor offers zwp_virtual_keyboard_manager_v1 and a seat.
    static bool Probe(const QString& display);

    QString Name() const override;
    TypeResult Type(const KeyStrokes& strokes) override;

private:
    QString display_;
};

} // namespace rangedesk::desktop::wayland
