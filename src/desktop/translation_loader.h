#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace rangedesk::desktop {

// Where RangeDesk's .qm files can be for the program in `programDir`: translations/ beside it
// (a build tree, a portable copy), then the installed share/rangedesk/translations.
QStringList TranslationFolders(const QString& programDir);

// Installs RangeDesk's translation for `language` ("zh_CN", "de"; empty: none) from the first
// folder that has it, and Qt's own (qtbase_*.qm: the file and print dialogs, the standard
// buttons) from Qt's translations folder. The translators become children of `application`.
// Returns the files loaded.
QStringList InstallTranslations(QCoreApplication& application, const QString& language,
                                const QStringList& folders);

// The one call of each main(): the language from the Settings choice and the environment,
// installed. Returns the language loaded, empty for English.
QString SetUpUiLanguage(QCoreApplication& application);

} // namespace rangedesk::desktop
