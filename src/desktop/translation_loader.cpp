#include "translation_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

#include "language_setting.h"
#include "ui_language.h"

namespace rangedesk::desktop {
namespace {

// Loads `file` from the first of `folders` that has it; the translator is the application's.
QString Install(QCoreApplication& application, const QString& file, const QStringList& folders) {
    for (const QString& folder : folders) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(file, folder)) {
            QCoreApplication::installTranslator(translator.get());
            translator->setParent(&application);
            return translator.release()->filePath();
        }
    }
    return {};
}

} // namespace

QStringList TranslationFolders(const QString& programDir) {
    const QDir program(programDir);
    return {program.filePath("translations"),
            QDir::cleanPath(program.filePath("../../share/rangedesk/translations"))};
}

QStringList InstallTranslations(QCoreApplication& application, const QString& language,
                                const QStringList& folders) {
    QStringList loaded;
    if (language.isEmpty()) {
        return loaded;
    }
    for (const QString& file : {Install(application, "rangedesk_" + language + ".qm", folders),
                                Install(application, "qtbase_" + language + ".qm",
                                        {QLibraryInfo::path(QLibraryInfo::TranslationsPath)})}) {
        if (!file.isEmpty()) {
            loaded << file;
        }
    }
    return loaded;
}

QString SetUpUiLanguage(QCoreApplication& application) {
    const QString language =
        ChooseUiLanguage(LoadLanguageChoice(), LanguageEnvironment::FromProcess());
    InstallTranslations(application, language,
                        TranslationFolders(QCoreApplication::applicationDirPath()));
    return language;
}

} // namespace rangedesk::desktop
