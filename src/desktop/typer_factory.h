#pragma once

#include <QDBusConnection>

#include <memory>

#include "portal/restore_token_store.h"
#include "typer.h"
#include "typing_method.h"

namespace rangedesk::desktop {

// Probes what the session offers: only the probes worth running for it (ProbesFor).
ProbeResults ProbeSession(const SessionFacts& session, const QDBusConnection& bus);

// A typer for a method; any method but the clipboard falls back to the clipboard when it
// fails, so a reading is never silently lost. `tokens` must outlive the typer.
std::unique_ptr<Typer> MakeTyper(TypingMethod method, const SessionFacts& session,
                                 const QDBusConnection& bus, portal::RestoreTokenStore& tokens);

// What the session got, and why: for the settings and --verbose.
struct TyperSelection {
    std::unique_ptr<Typer> typer;
    TypingMethod method = TypingMethod::Clipboard;
    ProbeResults probes;
};

// Probes the session, chooses the method (ChooseTypingMethod) and makes its typer.
TyperSelection SelectTyper(const SessionFacts& session, const QDBusConnection& bus,
                           portal::RestoreTokenStore& tokens);

} // namespace rangedesk::desktop
