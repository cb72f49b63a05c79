#include "text_rules.h"

#include <algorithm>

namespace rangedesk::store {

std::optional<QString> JobNameProblem(const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        return QString("a job needs a name that is not empty or only blanks");
    }
    if (trimmed.size() > kMaxJobNameLength) {
        return QString("a job name has at most %1 characters; this one has %2")
            .arg(kMaxJobNameLength)
            .arg(trimmed.size());
    }
    if (std::any_of(trimmed.begin(), trimmed.end(),
                    [](QChar c) { return c.category() == QChar::Other_Control; })) {
        return QString("a job name may not hold control characters (tabs, line breaks...)");
    }
    return std::nullopt;
}

std::optional<QString> TextProblem(const QString& what, const QString& text) {
    if (text.size() > kMaxLabelLength) {
        return QString("a %1 has at most %2 characters; this one has %3")
            .arg(what)
            .arg(kMaxLabelLength)
            .arg(text.size());
    }
    return std::nullopt;
}

QString JobNameKey(const QString& name) {
    return name.trimmed().normalized(QString::NormalizationForm_KC).toCaseFolded();
}

} // namespace rangedesk::store
