#include "ui_language.h"

namespace rangedesk::desktop {
namespace {

// "de_DE.UTF-8@euro" -> "de_DE".
QString BareLocale(const QString& locale) {
    QString bare = locale.section('.', 0, 0).section('@', 0, 0);
    bare.replace('-', '_');
    return bare;
}

bool IsCLocale(const QString& locale) {
    const QString bare = BareLocale(locale);
    return bare == "C" || bare == "POSIX";
}

bool IsEnglish(const QString& locale) {
    return BareLocale(locale).section('_', 0, 0) == "en";
}

} // namespace

LanguageEnvironment LanguageEnvironment::FromProcess() {
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
            qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG")};
}

QStringList TranslatedLanguages() {
    return {"zh_CN", "de"};
}

QString TranslationFor(const QString& locale) {
    const QString bare = BareLocale(locale);
    const QString language = bare.section('_', 0, 0);
    const QString region = bare.section('_', 1);
    if (language == "de") {
        return "de";
    }
    // Simplified script only: Taiwan and Hong Kong write the traditional one.
    if (language == "zh" && region != "TW" && region != "HK" && region != "MO" &&
        region != "Hant") {
        return "zh_CN";
    }
    return {};
}

QString ChooseUiLanguage(const QString& choice, const LanguageEnvironment& environment) {
    if (TranslatedLanguages().contains(choice)) {
        return choice;
    }
    if (choice == "en") {
        return {};
    }
    QString locale = environment.LcAll;
    if (locale.isEmpty()) {
        locale = environment.LcMessages;
    }
    if (locale.isEmpty()) {
        locale = environment.Lang;
    }
    if (locale.isEmpty() || IsCLocale(locale)) {
        return {};
    }
    for (const QString& preferred : environment.Language.split(':', Qt::SkipEmptyParts)) {
        if (IsEnglish(preferred)) {
            return {};
        }
        if (const QString translation = TranslationFor(preferred); !translation.isEmpty()) {
            return translation;
        }
    }
    return TranslationFor(locale);
}

} // namespace rangedesk::desktop
