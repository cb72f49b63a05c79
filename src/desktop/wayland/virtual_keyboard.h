#pragma once

#include <QString>

#include <memory>

#include "wayland/virtual_keymap.h"

struct wl_display;
struct wl_seat;
struct zwp_virtual_keyboard_manager_v1;
struct zwp_virtual_keyboard_v1;

namespace rangedesk::desktop::wayland {

// A connection to a Wayland compositor with one virtual keyboard on its first seat; the
// keyboard goes when the object does.
class VirtualKeyboard {
public:
    // `display` is a socket name or path; empty uses $WAYLAND_DISPLAY. Null, with the reason
    // in `error`, when the compositor cannot be reached or offers no virtual keyboard.
    static std::unique_ptr<VirtualKeyboard> Open(const QString& display, QString& error);

    // Whether the compositor offers zwp_virtual_keyboard_manager_v1 and a seat.
    static bool Offered(const QString& display);

    ~VirtualKeyboard();
    VirtualKeyboard(const VirtualKeyboard&) = delete;
    VirtualKeyboard& operator=(const VirtualKeyboard&) = delete;

    // Uploads the keymap and presses and releases its keys in order; returns once the
    // compositor has handled them. Empty on success, else the reason.
    QString Send(const VirtualKeymap& keymap);

private:
    VirtualKeyboard() = default;

    QString name_;
    wl_display* display_ = nullptr;
    wl_seat* seat_ = nullptr;
    zwp_virtual_keyboard_manager_v1* manager_ = nullptr;
    zwp_virtual_keyboard_v1* keyboard_ = nullptr;
};

} // namespace rangedesk::desktop::wayland
