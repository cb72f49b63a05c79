#include "typing_method.h"

#include <array>
#include <utility>

namespace rangedesk::desktop {

namespace {

constexpr std::array<std::pair<TypingMethod, const char*>, 4> kNames{{
    {TypingMethod::XTest, "xtest"},
    {TypingMethod::VirtualKeyboard, "virtual-keyboard"},
    {TypingMethod::Portal, "portal"},
    {TypingMethod::Clipboard, "clipboard"},
}};

enum class SessionKind { X11, Wayland, None };

SessionKind KindOf(const SessionFacts& session) {
    const QString type = session.sessionType.toLower();
    if (type == u"x11") {
        return SessionKind::X11;
    }
    if (type == u"wayland") {
        return SessionKind::Wayland;
    }
    // No usable session type (unset, "tty" from a login shell): what is reachable decides.
    if (!session.waylandDisplay.isEmpty()) {
        return SessionKind::Wayland;
    }
    if (!session.display.isEmpty()) {
        return SessionKind::X11;
    }
    return SessionKind::None;
}

bool PortalDesktop(const SessionFacts& session) {
    for (const QString& desktop : session.currentDesktop.split(u':', Qt::SkipEmptyParts)) {
        const QString d = desktop.trimmed().toLower();
        if (d == u"gnome" || d == u"kde" || d == u"unity" || d == u"budgie" || d == u"pantheon") {
            return true;
        }
    }
    return false;
}

} // namespace

QString TypingMethodName(TypingMethod method) {
    for (const auto& [m, name] : kNames) {
        if (m == method) {
            return QLatin1String(name);
        }
    }
    return {};
}

std::optional<TypingMethod> TypingMethodFromName(const QString& name) {
    for (const auto& [m, n] : kNames) {
        if (name == QLatin1String(n)) {
            return m;
        }
    }
    return std::nullopt;
}

SessionFacts SessionFactsFrom(const QProcessEnvironment& environment) {
    return {environment.value(QStringLiteral("XDG_SESSION_TYPE")),
            environment.value(QStringLiteral("WAYLAND_DISPLAY")),
            environment.value(QStringLiteral("DISPLAY")),
            environment.value(QStringLiteral("XDG_CURRENT_DESKTOP"))};
}

ProbesWanted ProbesFor(const SessionFacts& session) {
    switch (KindOf(session)) {
    case SessionKind::X11:
        return {!session.display.isEmpty(), false, false};
    case SessionKind::Wayland:
        return {false, !session.waylandDisplay.isEmpty(), true};
    case SessionKind::None:
        break;
    }
    return {};
}

TypingMethod ChooseTypingMethod(const SessionFacts& session, const ProbeResults& probes) {
    switch (KindOf(session)) {
    case SessionKind::X11:
        return probes.xtest ? TypingMethod::XTest : TypingMethod::Clipboard;
    case SessionKind::Wayland:
        if (PortalDesktop(session)) {
            return probes.portal            ? TypingMethod::Portal
                   : probes.virtualKeyboard ? TypingMethod::VirtualKeyboard
                                            : TypingMethod::Clipboard;
        }
        return probes.virtualKeyboard ? TypingMethod::VirtualKeyboard
               : probes.portal        ? TypingMethod::Portal
                                      : TypingMethod::Clipboard;
    case SessionKind::None:
        break;
    }
    return TypingMethod::Clipboard;
}

} // namespace rangedesk::desktop
