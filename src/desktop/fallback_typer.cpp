#include "fallback_typer.h"

#include <QCoreApplication>

namespace rangedesk::desktop {

FallbackTyper::FallbackTyper(std::unique_ptr<Typer> primary, std::unique_ptr<Typer> fallback)
    : primary_(std::move(primary)), fallback_(std::move(fallback)) {}

QString FallbackTyper::Name() const {
    return primary_->Name();
}

TypeResult FallbackTyper::Type(const KeyStrokes& strokes) {
    const TypeResult first = primary_->Type(strokes);
    if (first.Succeeded()) {
        return first;
    }
    TypeResult second = fallback_->Type(strokes);
    second.message = QCoreApplication::translate("Typing", "%1 failed (%2); %3: %4")
                         .arg(first.method, first.message, second.method, second.message);
    return second;
}

} // namespace rangedesk::desktop
