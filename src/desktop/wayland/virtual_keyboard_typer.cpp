#include "wayland/virtual_keyboard_typer.h"

#include "typing_method.h"
#include "wayland/virtual_keyboard.h"
#include "wayland/virtual_keymap.h"

namespace rangedesk::desktop::wayland {

VirtualKeyboardTyper::VirtualKeyboardTyper(QString display) : display_(std::move(display)) {}

bool VirtualKeyboardTyper::Probe(const QString& display) {
    return VirtualKeyboard::Offered(display);
}

QString VirtualKeyboardTyper::Name() const {
    return TypingMethodName(TypingMethod::VirtualKeyboard);
}

TypeResult VirtualKeyboardTyper::Type(const KeyStrokes& strokes) {
    const auto failed = [this](const QString& why) {
        return TypeResult{TypeOutcome::Failed, Name(), why};
    };
    const VirtualKeymap keymap = BuildVirtualKeymap(strokes);
    if (!keymap.error.empty()) {
        return failed(QString::fromStdString(keymap.error));
    }
    // A keyboard of its own for each typing: the compositor may have restarted meanwhile.
    QString error;
    const auto keyboard = VirtualKeyboard::Open(display_, error);
    if (!keyboard) {
        return failed(error);
    }
    if (error = keyboard->Send(keymap); !error.isEmpty()) {
        return failed(error);
    }
    return {TypeOutcome::Typed, Name(),
            QStringLiteral("typed %1 keys with a virtual keyboard on \"%2\"")
                .arg(keymap.keys.size())
                .arg(display_.isEmpty() ? QString::fromLocal8Bit(qgetenv("WAYLAND_DISPLAY"))
                                        : display_)};
}

} // namespace rangedesk::desktop::wayland
