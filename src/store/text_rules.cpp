#include "text_rules.h"

#include <QCoreApplication>

#include <algorithm>

namespace rangedesk::store {
namespace {

// The whole sentence for each text that has a length limit, so a translator sees it whole.
QString TooLongText(const QString& what, int limit, qsizetype size) {
    if (what == u"client") {
        return QCoreApplication::translate("JobRefusal",
                                           "a client has at most %1 characters; this one has %2")
            .arg(limit)
            .arg(size);
    }
    if (what == u"address") {
        return QCoreApplication::translate("JobRefusal",
                                           "a address has at most %1 characters; this one has %2")
            .arg(limit)
            .arg(size);
    }
    if (what == u"job's notes") {
        return QCoreApplication::translate(
                   "JobRefusal", "a job's notes has at most %1 characters; this one has %2")
            .arg(limit)
            .arg(size);
    }
    if (what == u"label") {
        return QCoreApplication::translate("JobRefusal",
                                           "a label has at most %1 characters; this one has %2")
            .arg(limit)
            .arg(size);
    }
    if (what == u"note") {
        return QCoreApplication::translate("JobRefusal",
                                           "a note has at most %1 characters; this one has %2")
            .arg(limit)
            .arg(size);
    }
    return QString("a %1 has at most %2 characters; this one has %3")
        .arg(what)
        .arg(limit)
        .arg(size);
}

} // namespace

std::optional<QString> JobNameProblem(const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        return QCoreApplication::translate("JobRefusal",
                                           "a job needs a name that is not empty or only blanks");
    }
    if (trimmed.size() > kMaxJobNameLength) {
        return QCoreApplication::translate("JobRefusal",
                                           "a job name has at most %1 characters; this one has %2")
            .arg(kMaxJobNameLength)
            .arg(trimmed.size());
    }
    if (std::any_of(trimmed.begin(), trimmed.end(),
                    [](QChar c) { return c.category() == QChar::Other_Control; })) {
        return QCoreApplication::translate(
            "JobRefusal", "a job name may not hold control characters (tabs, line breaks...)");
    }
    return std::nullopt;
}

std::optional<QString> TextProblem(const QString& what, const QString& text) {
    if (text.size() > kMaxLabelLength) {
        return TooLongText(what, kMaxLabelLength, text.size());
    }
    return std::nullopt;
}

QString JobNameKey(const QString& name) {
    return name.trimmed().normalized(QString::NormalizationForm_KC).toCaseFolded();
}

} // namespace rangedesk::store
