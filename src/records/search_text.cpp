#include "search_text.h"

namespace rangedesk::records {

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

QString SearchNeedle(const QString& needle) {
    return needle.trimmed().normalized(QString::NormalizationForm_KC).toCaseFolded();
}

QString SearchPattern(const QString& needle) {
    QString folded = SearchNeedle(needle);
    if (folded.isEmpty()) {
        return {};
    }
    folded.replace('\\', "\\\\").replace('%', "\\%").replace('_', "\\_");
    return "%" + folded + "%";
}

} // namespace rangedesk::records
