// rangedesk-cli speaks the user's language: a usage error, the help and a database that is not
// there come out in German and Chinese under those locales, with the same exit status, and in
// today's English, byte for byte, under the C locale.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <functional>

#include "cli_help.h"
#include "cli_options.h"
#include "cli_run.h"
#include "store_error.h"

using namespace rangedesk;

namespace {

// What the program prints for one case, made in this process from the same sources and the
// same translation file: the expected bytes of standard output or standard error.
using ExpectedText = std::function<QByteArray()>;

// Stands for the system's own reason (strerror), which follows the system's locale, not ours.
constexpr char kSystemReason = '\x01';

QByteArray UsageErrorText(const QStringList& arguments) {
    try {
        cli::ParseCommandLine(arguments);
    } catch (const cli::UsageError& e) {
        return "rangedesk-cli: " +
               QCoreApplication::translate("CliMain", "%1 (rangedesk-cli --help tells more)")
                   .arg(e.Message())
                   .toUtf8() +
               '\n';
    }
    return "(no usage error)";
}

QByteArray MissingDatabaseText(const QString& path) {
    return "rangedesk-cli: " +
           store::StoreErrorMessage(store::StoreErrorKind::Missing, store::StoreAction::Open, path,
                                    QString(kSystemReason))
               .toUtf8() +
           '\n';
}

// The environment of a user whose language is `locale`: nothing else of this process's
// locale settings, and a configuration folder of the test's own so no Settings choice
// overrides it.
QStringList EnvironmentFor(const QString& locale, const QString& language,
                           const QString& configFolder) {
    return {"LC_ALL=" + (locale == "C" ? locale : QString()), "LC_MESSAGES=", "LANG=" + locale,
            "LANGUAGE=" + language, "XDG_CONFIG_HOME=" + configFolder};
}

// `text` is `expected`, where kSystemReason in it stands for any one-line text.
bool Matches(const QByteArray& text, const QByteArray& expected) {
    const qsizetype reason = expected.indexOf(kSystemReason);
    if (reason < 0) {
        return text == expected;
    }
    const QByteArray before = expected.left(reason);
    const QByteArray after = expected.mid(reason + 1);
    return text.size() > before.size() + after.size() && text.startsWith(before) &&
           text.endsWith(after) &&
           !text.mid(before.size(), text.size() - before.size() - after.size()).contains('\n');
}

} // namespace

Q_DECLARE_METATYPE(ExpectedText)

class TestCliLanguage : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString MissingDatabase() const { return dir.filePath("nowhere/DistLib.mdb"); }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void speaksTheLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("onStandardOutput");
        QTest::addColumn<ExpectedText>("expected");
        const QStringList unknown{"fly"};
        const QStringList noArgument{"history", "show"};
        const QStringList badOption{"--format", "ods", "export", "x.ods"};
        const QStringList missing{"history", "--db", MissingDatabase()};
        for (const QString language : {"de", "zh_CN"}) {
            const QByteArray tag = language.toLatin1();
            QTest::newRow(tag + " unknown command")
                << language << unknown << 1 << false
                << ExpectedText([=] { return UsageErrorText(unknown); });
            QTest::newRow(tag + " missing argument")
                << language << noArgument << 1 << false
                << ExpectedText([=] { return UsageErrorText(noArgument); });
            QTest::newRow(tag + " bad value")
                << language << badOption << 1 << false
                << ExpectedText([=] { return UsageErrorText(badOption); });
            QTest::newRow(tag + " --help")
                << language << QStringList{"--help"} << 0 << true
                << ExpectedText([] { return cli::HelpText({}).toUtf8(); });
            QTest::newRow(tag + " history --help")
                << language << QStringList{"history", "--help"} << 0 << true
                << ExpectedText([] { return cli::HelpText("history").toUtf8(); });
            QTest::newRow(tag + " missing database")
                << language << missing << 5 << false
                << ExpectedText([this] { return MissingDatabaseText(MissingDatabase()); });
        }
    }

    // The program's text is the translation (made here with the same .qm file), which is not
    // the English one, and the exit status is the one it has in English.
    void speaksTheLanguage() {
        QFETCH(QString, language);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(bool, onStandardOutput);
        QFETCH(ExpectedText, expected);

        const QByteArray english = expected();
        QTranslator translator;
        QVERIFY2(translator.load("rangedesk_" + language, RANGEDESK_QM_DIR),
                 qPrintable("no rangedesk_" + language + ".qm in " RANGEDESK_QM_DIR));
        QCoreApplication::installTranslator(&translator);
        const QByteArray translated = expected();
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(translated != english, ("the text has no translation: " + english).constData());

        const QString locale = language == "de" ? "de_DE.UTF-8" : "zh_CN.UTF-8";
        const CliRun run = RunProgram(RANGEDESK_CLI, arguments,
                                      EnvironmentFor(locale, language, dir.filePath("config")));
        QCOMPARE(run.exit, status);
        const QByteArray& said = onStandardOutput ? run.out : run.err;
        QVERIFY2(Matches(said, translated),
                 ("said:\n" + said + "\nexpected:\n" + translated).constData());
    }

    // Under the C locale every text is today's English, whatever LANGUAGE asks for.
    void cLocaleKeepsTheEnglishText_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("err");
        QTest::addColumn<QByteArray>("outStart");
        QTest::newRow("unknown command")
            << QStringList{"fly"} << 1
            << QByteArray("rangedesk-cli: unknown command \"fly\" (rangedesk-cli --help tells "
                          "more)\n")
            << QByteArray();
        QTest::newRow("missing argument")
            << QStringList{"history", "show"} << 1
            << QByteArray("rangedesk-cli: history show needs a download ID (rangedesk-cli --help "
                          "tells more)\n")
            << QByteArray();
        QTest::newRow("two arguments")
            << QStringList{"history", "export"} << 1
            << QByteArray("rangedesk-cli: history export needs a download ID and a FILE "
                          "(rangedesk-cli --help tells more)\n")
            << QByteArray();
        QTest::newRow("bad value")
            << QStringList{"--format", "ods", "export", "x.ods"} << 1
            << QByteArray("rangedesk-cli: --format takes xls, xlsx or csv, not \"ods\" "
                          "(rangedesk-cli --help tells more)\n")
            << QByteArray();
        QTest::newRow("--help") << QStringList{"--help"} << 0 << QByteArray()
                                << QByteArray("Usage: rangedesk-cli [global options] COMMAND "
                                              "[options]\n\nThe laser distance meter and its "
                                              "records from a terminal.\n");
        QTest::newRow("missing database")
            << QStringList{"history", "--db", MissingDatabase()} << 5
            << QByteArray("rangedesk-cli: cannot open " + MissingDatabase().toUtf8() +
                          ": No such file or directory\n")
            << QByteArray();
    }

    void cLocaleKeepsTheEnglishText() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, err);
        QFETCH(QByteArray, outStart);
        for (const QString language : {"de", "zh_CN"}) {
            const CliRun run = RunProgram(RANGEDESK_CLI, arguments,
                                          EnvironmentFor("C", language, dir.filePath("config")));
            QCOMPARE(run.exit, status);
            QCOMPARE(run.err, err);
            QVERIFY2(run.out.startsWith(outStart), run.out.left(200).constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestCliLanguage)
#include "test_cli_language.moc"
