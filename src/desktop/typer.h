#pragma once

#include <QString>

#include "key_stroke.h"

namespace rangedesk::desktop {

// What a Type call came to. Every path says what it did: a reading is never silently lost.
enum class TypeOutcome {
    Typed,       // the keys went to the focused application
    OnClipboard, // the text is on the clipboard (and a notification said so, if one could)
    Failed,      // nothing reached the user; the message says why
};

struct TypeResult {
    TypeOutcome outcome = TypeOutcome::Failed;
    QString method;  // the name of the method that did it (TypingMethodName)
    QString message; // what was done, or the operation that failed and the system's reason

    bool Succeeded() const { return outcome != TypeOutcome::Failed; }
};

// One way of typing key strokes into the focused application.
class Typer {
public:
    virtual ~Typer() = default;

    // The method's name, for the settings and --verbose.
    virtual QString Name() const = 0;

    // Sends the strokes; returns when they have been handed to the display server (or to the
    // clipboard). May run a local event loop while a desktop service answers.
    virtual TypeResult Type(const KeyStrokes& strokes) = 0;
};

} // namespace rangedesk::desktop
