#include "typer_factory.h"

#include "clipboard_typer.h"
#include "fallback_typer.h"
#include "portal/portal_typer.h"
#include "wayland/virtual_keyboard_typer.h"
#include "x11/xtest_typer.h"

namespace rangedesk::desktop {

ProbeResults ProbeSession(const SessionFacts& session, const QDBusConnection& bus) {
    const ProbesWanted wanted = ProbesFor(session);
    ProbeResults found;
    found.xtest = wanted.x11 && x11::XTestTyper::Probe(session.display);
    found.virtualKeyboard =
        wanted.wayland && wayland::VirtualKeyboardTyper::Probe(session.waylandDisplay);
    found.portal = wanted.portal && portal::PortalTyper::Probe(bus);
    return found;
}

std::unique_ptr<Typer> MakeTyper(TypingMethod method, const SessionFacts& session,
                                 const QDBusConnection& bus, portal::RestoreTokenStore& tokens) {
    std::unique_ptr<Typer> primary;
    switch (method) {
    case TypingMethod::XTest:
        primary = std::make_unique<x11::XTestTyper>(session.display);
        break;
    case TypingMethod::VirtualKeyboard:
        primary = std::make_unique<wayland::VirtualKeyboardTyper>(session.waylandDisplay);
        break;
    case TypingMethod::Portal:
        primary = std::make_unique<portal::PortalTyper>(bus, tokens);
        break;
    case TypingMethod::Clipboard:
        return std::make_unique<ClipboardTyper>(bus);
    }
    return std::make_unique<FallbackTyper>(std::move(primary),
                                           std::make_unique<ClipboardTyper>(bus));
}

TyperSelection SelectTyper(const SessionFacts& session, const QDBusConnection& bus,
                           portal::RestoreTokenStore& tokens) {
    TyperSelection selection;
    selection.probes = ProbeSession(session, bus);
    selection.method = ChooseTypingMethod(session, selection.probes);
    selection.typer = MakeTyper(selection.method, session, bus, tokens);
    return selection;
}

} // namespace rangedesk::desktop
