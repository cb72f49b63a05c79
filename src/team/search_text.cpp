#include "search_text.h"

namespace rangedesk::team {

QString SearchKey(const QStringList& texts) {
    QStringList folded;
    for (const QString& text : texts) {
        if (!text.isEmpty()) {
            folded << text.normalized(QString::NormalizationForm_KC).toCaseFolded();
        }
    }
    // A newline cannot be typed into a search, so a match never spans two texts.
    return folded.join('\n');
}

QString SearchPattern(const QString& needle) {
    QString folded = needle.trimmed().normalized(QString::NormalizationForm_KC).toCaseFolded();
    if (folded.isEmpty()) {
        return {};
    }
    folded.replace('\\', "\\\\").replace('%', "\\%").replace('_', "\\_");
    return "%" + folded + "%";
}

} // namespace rangedesk::team
