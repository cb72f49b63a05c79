#pragma once

#include <QString>
#include <QStringList>

namespace rangedesk::desktop {

// What the process was started with that says the language of its messages.
struct LanguageEnvironment {
    QString Language;   // LANGUAGE: a colon-separated list of preferences
    QString LcAll;      // LC_ALL
    QString LcMessages; // LC_MESSAGES
    QString Lang;       // LANG

    static LanguageEnvironment FromProcess();
};

// The translations RangeDesk ships, besides its English source texts.
QStringList TranslatedLanguages();

// The translation that fits one locale or language name ("de_AT.UTF-8" -> "de",
// "zh" -> "zh_CN"); empty for English and for languages without a translation.
QString TranslationFor(const QString& locale);

// The translation to load, empty for the English source texts. `choice` is the Settings
// override ("system", "en", "zh_CN", "de"); under "system" the environment decides as gettext
// does: LC_ALL, then LC_MESSAGES, then LANG name the locale, a C or POSIX locale keeps English,
// otherwise LANGUAGE's list is tried in order before the locale itself.
QString ChooseUiLanguage(const QString& choice, const LanguageEnvironment& environment);

} // namespace rangedesk::desktop
