#include "x11/xtest_typer.h"

#include <QCoreApplication>

#include <X11/XKBlib.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <xkbcommon/xkbcommon-x11.h>

#include <vector>

#include "typing_method.h"
#include "x11/xkb_key_plan.h"

namespace rangedesk::desktop::x11 {

namespace {

// Xlib reports protocol errors through one process-wide handler, whose default ends the
// process; while this typer talks to the server, errors are recorded here instead.
int lastXError = 0;

int RecordXError(Display*, XErrorEvent* event) {
    lastXError = event->error_code;
    return 0;
}

class XErrorTrap {
public:
    explicit XErrorTrap(Display* display) : display_(display) {
        lastXError = 0;
        previous_ = XSetErrorHandler(RecordXError);
    }
    ~XErrorTrap() { XSetErrorHandler(previous_); }
    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

    // Waits until the server has handled every request sent so far; the error, if any.
    QString Sync() const {
        XSync(display_, False);
        if (lastXError == 0) {
            return {};
        }
        char text[256] = {};
        XGetErrorText(display_, lastXError, text, sizeof text);
        return QString::fromLocal8Bit(text);
    }

private:
    Display* display_;
    XErrorHandler previous_;
};

QString DisplayText(const QString& name) {
    return name.isEmpty() ? QString::fromLocal8Bit(qgetenv("DISPLAY")) : name;
}

Display* OpenDisplay(const QString& name) {
    return XOpenDisplay(name.isEmpty() ? nullptr : name.toLocal8Bit().constData());
}

// Maps `keysym` on every column of `keycode` (NoSymbol clears it), so any group and level
// gives it.
void MapKeycode(Display* display, unsigned keycode, KeySym keysym) {
    int perKeycode = 0;
    KeySym* current = XGetKeyboardMapping(display, KeyCode(keycode), 1, &perKeycode);
    XFree(current);
    std::vector<KeySym> columns(std::size_t(std::max(perKeycode, 1)), keysym);
    XChangeKeyboardMapping(display, int(keycode), int(columns.size()), columns.data(), 1);
}

void Press(Display* display, unsigned keycode, bool down) {
    XTestFakeKeyEvent(display, keycode, down ? True : False, CurrentTime);
}

} // namespace

void XTestTyper::DisplayClose::operator()(_XDisplay* d) const {
    XCloseDisplay(d);
}

XTestTyper::XTestTyper(const QString& display, std::chrono::milliseconds spareQuietPeriod)
    : displayName_(display), display_(OpenDisplay(display)),
      context_(xkb_context_new(
          xkb_context_flags(XKB_CONTEXT_NO_DEFAULT_INCLUDES | XKB_CONTEXT_NO_ENVIRONMENT_NAMES))) {
    clearLent_.setSingleShot(true);
    clearLent_.setInterval(spareQuietPeriod);
    QObject::connect(&clearLent_, &QTimer::timeout, [this] { ClearLentKeycodes(); });
    if (!display_) {
        return;
    }
    xcb_connection_t* xcb = XGetXCBConnection(display_.get());
    if (xkb_x11_setup_xkb_extension(
            xcb, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr)) {
        keyboardDevice_ = xkb_x11_get_core_keyboard_device_id(xcb);
    }
}

XTestTyper::~XTestTyper() {
    ClearLentKeycodes();
}

bool XTestTyper::Probe(const QString& display) {
    Display* d = OpenDisplay(display);
    if (!d) {
        return false;
    }
    int event = 0, error = 0, major = 0, minor = 0;
    const bool xtest = XTestQueryExtension(d, &event, &error, &major, &minor);
    XCloseDisplay(d);
    return xtest;
}

QString XTestTyper::Name() const {
    return TypingMethodName(TypingMethod::XTest);
}

QString XTestTyper::OpenError() const {
    if (!display_) {
        return QCoreApplication::translate("Typing", "cannot open the X display \"%1\"")
            .arg(DisplayText(displayName_));
    }
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display_.get(), &event, &error, &major, &minor)) {
        return QCoreApplication::translate("Typing", "the X display \"%1\" has no XTEST extension")
            .arg(DisplayText(displayName_));
    }
    if (keyboardDevice_ < 0 || !context_) {
        return QCoreApplication::translate("Typing",
                                           "the X display \"%1\" has no usable XKB extension")
            .arg(DisplayText(displayName_));
    }
    return {};
}

TypeResult XTestTyper::Type(const KeyStrokes& strokes) {
    const auto failed = [this](const QString& why) {
        return TypeResult{TypeOutcome::Failed, Name(), why};
    };
    if (const QString error = OpenError(); !error.isEmpty()) {
        return failed(error);
    }
    Display* d = display_.get();
    XErrorTrap trap(d);
    // The live map and state: the user may have switched layouts since the last reading.
    const XkbKeymapPtr keymap(xkb_x11_keymap_new_from_device(
        context_.get(), XGetXCBConnection(d), keyboardDevice_, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap) {
        return failed(QCoreApplication::translate(
                          "Typing", "cannot read the keyboard map of the X display \"%1\"")
                          .arg(DisplayText(displayName_)));
    }
    XkbStateRec state{};
    XkbGetState(d, XkbUseCoreKbd, &state);
    const KeyPlan plan = PlanKeys(keymap.get(), {state.locked_mods, state.locked_group}, strokes);
    if (!plan.error.isEmpty()) {
        return failed(plan.error);
    }
    clearLent_.stop();
    for (const SpareMapping& spare : plan.spares) {
        MapKeycode(d, spare.keycode, KeySym(spare.keysym));
        lent_.insert(spare.keycode);
    }
    if (const QString error = trap.Sync(); !error.isEmpty()) {
        ClearLentKeycodes();
        return failed(
            QCoreApplication::translate("Typing", "cannot lend a spare keycode on \"%1\": %2")
                .arg(DisplayText(displayName_), error));
    }
    unsigned group = state.locked_group;
    for (const PlannedPress& press : plan.presses) {
        if (press.group != group) {
            XkbLockGroup(d, XkbUseCoreKbd, press.group);
            group = press.group;
        }
        for (const auto m : press.modifiers) {
            Press(d, m, true);
        }
        Press(d, press.keycode, true);
        Press(d, press.keycode, false);
        for (auto m = press.modifiers.rbegin(); m != press.modifiers.rend(); ++m) {
            Press(d, *m, false);
        }
    }
    if (group != state.locked_group) {
        XkbLockGroup(d, XkbUseCoreKbd, state.locked_group);
    }
    const QString error = trap.Sync();
    if (!lent_.empty()) {
        clearLent_.start();
    }
    if (!error.isEmpty()) {
        return failed(QCoreApplication::translate("Typing", "XTEST on \"%1\" failed: %2")
                          .arg(DisplayText(displayName_), error));
    }
    return {TypeOutcome::Typed, Name(),
            QStringLiteral("typed %1 keys with XTEST on \"%2\"%3")
                .arg(plan.presses.size())
                .arg(DisplayText(displayName_))
                .arg(plan.spares.empty()
                         ? QString()
                         : QStringLiteral(", %1 on spare keycodes").arg(plan.spares.size()))};
}

void XTestTyper::ClearLentKeycodes() {
    clearLent_.stop();
    if (lent_.empty() || !display_) {
        return;
    }
    XErrorTrap trap(display_.get());
    for (const unsigned keycode : lent_) {
        MapKeycode(display_.get(), keycode, NoSymbol);
    }
    trap.Sync();
    lent_.clear();
}

} // namespace rangedesk::desktop::x11
