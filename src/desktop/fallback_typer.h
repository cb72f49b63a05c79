#pragma once

#include <memory>

#include "typer.h"

namespace rangedesk::desktop {

// Tries one method and, when it fails (no display, the user declined), another; the result
// says both what failed and what was done instead.
class FallbackTyper : public Typer {
public:
    FallbackTyper(std::unique_ptr<Typer> primary, std::unique_ptr<Typer> fallback);

    // The primary method's name.
    QString Name() const override;
    TypeResult Type(const KeyStrokes& strokes) override;

private:
    std::unique_ptr<Typer> primary_;
    std::unique_ptr<Typer> fallback_;
};

} // namespace rangedesk::desktop
