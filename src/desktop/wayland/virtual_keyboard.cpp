#include "wayland/virtual_keyboard.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <wayland-client.h>

#include "virtual-keyboard-unstable-v1-client-protocol.h"

namespace rangedesk::desktop::wayland {

namespace {

void OnGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t) {
    auto* globals = static_cast<std::pair<wl_seat*, zwp_virtual_keyboard_manager_v1*>*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !globals->first) {
        globals->first =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0 &&
               !globals->second) {
        globals->second = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    }
}

void OnGlobalRemove(void*, wl_registry*, std::uint32_t) {}

constexpr wl_registry_listener kRegistryListener{OnGlobal, OnGlobalRemove};

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

std::uint32_t NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::uint32_t(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

// The keymap in a sealed memory file for the compositor to map; -1 with errno on failure.
int KeymapFile(const std::string& text) {
    const int fd = memfd_create("rangedesk-keymap", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0) {
        return -1;
    }
    // The size sent includes the terminating NUL.
    if (write(fd, text.c_str(), text.size() + 1) != ssize_t(text.size() + 1)) {
        const int saved = errno;
        close(fd);
        errno = saved;
        return -1;
    }
    fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL);
    return fd;
}

} // namespace

std::unique_ptr<VirtualKeyboard> VirtualKeyboard::Open(const QString& display, QString& error) {
    std::unique_ptr<VirtualKeyboard> k(new VirtualKeyboard);
    k->name_ = display.isEmpty() ? QString::fromLocal8Bit(qgetenv("WAYLAND_DISPLAY")) : display;
    k->display_ =
        wl_display_connect(display.isEmpty() ? nullptr : display.toLocal8Bit().constData());
    if (!k->display_) {
        error = QCoreApplication::translate("Typing",
                                            "cannot connect to the Wayland display \"%1\": %2")
                    .arg(k->name_, SystemError(errno));
        return nullptr;
    }
    std::pair<wl_seat*, zwp_virtual_keyboard_manager_v1*> globals{};
    wl_registry* registry = wl_display_get_registry(k->display_);
    wl_registry_add_listener(registry, &kRegistryListener, &globals);
    const bool read = wl_display_roundtrip(k->display_) >= 0;
    wl_registry_destroy(registry);
    k->seat_ = globals.first;
    k->manager_ = globals.second;
    if (!read || !k->seat_ || !k->manager_) {
        error = QCoreApplication::translate(
                    "Typing", "the Wayland compositor on \"%1\" offers no virtual keyboard "
                              "(zwp_virtual_keyboard_manager_v1) or no seat")
                    .arg(k->name_);
        return nullptr;
    }
    k->keyboard_ = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(k->manager_, k->seat_);
    return k;
}

bool VirtualKeyboard::Offered(const QString& display) {
    QString error;
    return Open(display, error) != nullptr;
}

VirtualKeyboard::~VirtualKeyboard() {
    if (keyboard_) {
        zwp_virtual_keyboard_v1_destroy(keyboard_);
    }
    if (manager_) {
        zwp_virtual_keyboard_manager_v1_destroy(manager_);
    }
    if (seat_) {
        wl_seat_destroy(seat_);
    }
    if (display_) {
        wl_display_roundtrip(display_);
        wl_display_disconnect(display_);
    }
}

QString VirtualKeyboard::Send(const VirtualKeymap& keymap) {
    const int fd = KeymapFile(keymap.text);
    if (fd < 0) {
        return QCoreApplication::translate("Typing",
                                           "cannot make the keymap file (memfd_create): %1")
            .arg(SystemError(errno));
    }
    zwp_virtual_keyboard_v1_keymap(keyboard_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                   std::uint32_t(keymap.text.size() + 1));
    close(fd);
    zwp_virtual_keyboard_v1_modifiers(keyboard_, 0, 0, 0, 0);
    for (const std::uint32_t key : keymap.keys) {
        const std::uint32_t time = NowMs();
        zwp_virtual_keyboard_v1_key(keyboard_, time, key, WL_KEYBOARD_KEY_STATE_PRESSED);
        zwp_virtual_keyboard_v1_key(keyboard_, time, key, WL_KEYBOARD_KEY_STATE_RELEASED);
    }
    // The round trip returns once the compositor has handled every request, or failed one
    // (an unauthorised client gets a protocol error).
    if (wl_display_roundtrip(display_) < 0 || wl_display_get_error(display_) != 0) {
        return QCoreApplication::translate(
                   "Typing", "the Wayland compositor on \"%1\" refused the virtual keyboard: %2")
            .arg(name_, SystemError(wl_display_get_error(display_)));
    }
    return {};
}

} // namespace rangedesk::desktop::wayland
