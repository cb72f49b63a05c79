// The language of the texts: chosen from the Settings choice and the environment as gettext
// does, and installed together with Qt's own translations of its dialogs.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "translation_loader.h"
#include "ui_language.h"

using rangedesk::desktop::LanguageEnvironment;

class TestUiLanguage : public QObject {
    Q_OBJECT

private slots:
    void choice_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("nothing set")        << "system" << "" << "" << "" << "" << "";
        QTest::newRow("C keeps English")    << "system" << "de" << "C" << "" << "de_DE.UTF-8" << "";
        QTest::newRow("C.UTF-8 too")        << "system" << "zh_CN" << "C.UTF-8" << "" << "" << "";
        QTest::newRow("POSIX messages")     << "system" << "de" << "" << "POSIX" << "de_DE" << "";
        QTest::newRow("LANG German")        << "system" << "" << "" << "" << "de_DE.UTF-8" << "de";
        QTest::newRow("LANG Austrian")      << "system" << "" << "" << "" << "de_AT.UTF-8@euro" << "de";
        QTest::newRow("LANG Chinese")       << "system" << "" << "" << "" << "zh_CN.UTF-8" << "zh_CN";
        QTest::newRow("Singapore simplified") << "system" << "" << "" << "" << "zh_SG.UTF-8" << "zh_CN";
        QTest::newRow("Taiwan traditional") << "system" << "" << "" << "" << "zh_TW.UTF-8" << "";
        QTest::newRow("LANG French")        << "system" << "" << "" << "" << "fr_FR.UTF-8" << "";
        QTest::newRow("messages over LANG") << "system" << "" << "" << "zh_CN.UTF-8" << "de_DE.UTF-8" << "zh_CN";
        QTest::newRow("LC_ALL over all")    << "system" << "" << "de_DE.UTF-8" << "zh_CN.UTF-8" << "" << "de";
        QTest::newRow("LANGUAGE list")      << "system" << "fr:de:zh_CN" << "" << "" << "en_US.UTF-8" << "de";
        QTest::newRow("LANGUAGE English first") << "system" << "en_GB:de" << "" << "" << "de_DE.UTF-8" << "";
        QTest::newRow("LANGUAGE none fits") << "system" << "fr:it" << "" << "" << "zh_CN.UTF-8" << "zh_CN";
        QTest::newRow("Settings German")    << "de" << "" << "C" << "" << "" << "de";
        QTest::newRow("Settings Chinese")   << "zh_CN" << "de" << "" << "" << "de_DE.UTF-8" << "zh_CN";
        QTest::newRow("Settings English")   << "en" << "" << "" << "" << "de_DE.UTF-8" << "";
        QTest::newRow("unknown setting")    << "xx" << "" << "" << "" << "de_DE.UTF-8" << "de";
        // clang-format on
    }
    void choice() {
        QFETCH(QString, choice);
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(QString, expected);
        QCOMPARE(rangedesk::desktop::ChooseUiLanguage(choice, {language, lcAll, lcMessages, lang}),
                 expected);
    }

    // RangeDesk's file comes from the first folder that has it, Qt's from Qt's own folder, and
    // Qt's standard buttons then speak the language.
    void installsOursAndQts_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("de") << "de"
                            << "Abbrechen";
        QTest::newRow("zh_CN") << "zh_CN" << QString::fromUtf8("取消");
    }
    void installsOursAndQts() {
        QFETCH(QString, language);
        QFETCH(QString, cancel);
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (!QFile::exists(QDir(qtFolder).filePath("qtbase_" + language + ".qm"))) {
            QSKIP("Qt's translations are missing (qt6-translations-l10n)");
        }
        QTemporaryDir empty;
        const QString built = RANGEDESK_QM_DIR;
        const QStringList loaded = rangedesk::desktop::InstallTranslations(
            *QCoreApplication::instance(), language, {empty.path(), built});
        QCOMPARE(loaded, QStringList({QDir(built).filePath("rangedesk_" + language + ".qm"),
                                      QDir(qtFolder).filePath("qtbase_" + language + ".qm")}));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
        // A translator that goes away takes itself out of the application.
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));
    }

    void englishLoadsNothing() {
        QVERIFY(rangedesk::desktop::InstallTranslations(*QCoreApplication::instance(), {},
                                                        {RANGEDESK_QM_DIR})
                    .isEmpty());
        QVERIFY(QCoreApplication::instance()->findChildren<QTranslator*>().isEmpty());
    }

    void installedFolderFromTheProgramFolder() {
        QCOMPARE(
            rangedesk::desktop::TranslationFolders("/usr/lib/rangedesk"),
            QStringList({"/usr/lib/rangedesk/translations", "/usr/share/rangedesk/translations"}));
    }
};

QTEST_GUILESS_MAIN(TestUiLanguage)
#include "test_ui_language.moc"
