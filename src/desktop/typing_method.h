#pragma once

#include <QProcessEnvironment>
#include <QString>

#include <optional>

namespace rangedesk::desktop {

// The ways a reading can reach the focused application.
enum class TypingMethod {
    XTest,           // X11: synthetic key events through the live keyboard map
    VirtualKeyboard, // Wayland compositors with zwp_virtual_keyboard_manager_v1 (wlroots)
    Portal,          // the RemoteDesktop portal (GNOME, KDE under Wayland)
    Clipboard,       // the text on the clipboard and a notification saying so
};

// The name shown in the settings and by --verbose: "xtest", "virtual-keyboard", "portal",
// "clipboard".
QString TypingMethodName(TypingMethod method);
std::optional<TypingMethod> TypingMethodFromName(const QString& name);

// What the environment says about the desktop session.
struct SessionFacts {
    QString sessionType;    // XDG_SESSION_TYPE: "x11", "wayland", "tty", ...
    QString waylandDisplay; // WAYLAND_DISPLAY
    QString display;        // DISPLAY
    QString currentDesktop; // XDG_CURRENT_DESKTOP, colon-separated: "GNOME", "KDE", "sway"...
};

SessionFacts SessionFactsFrom(const QProcessEnvironment& environment);

// What probing the session found.
struct ProbeResults {
    bool xtest = false;           // an X server answered with the XTEST extension
    bool virtualKeyboard = false; // the compositor offers the virtual keyboard manager
    bool portal = false;          // the desktop portal offers RemoteDesktop
};

// Which probes are worth running for a session; the others stay false.
struct ProbesWanted {
    bool x11 = false;
    bool wayland = false;
    bool portal = false;
};

ProbesWanted ProbesFor(const SessionFacts& session);

// The method for a session: XTest on X11; on Wayland the portal first under GNOME and KDE
// (whose compositors keep the virtual keyboard to input methods), the virtual keyboard first
// elsewhere; else the clipboard. XTest is never chosen under Wayland, where it would reach
// X clients only and say nothing when a Wayland window has the focus.
TypingMethod ChooseTypingMethod(const SessionFacts& session, const ProbeResults& probes);

} // namespace rangedesk::desktop
