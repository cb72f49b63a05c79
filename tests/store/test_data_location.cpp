// Where the data lives: the program folder's lib/ when the user can write it, otherwise the
// user's own database copied from the installed template, which stays untouched.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include "data_location.h"
#include "load_data_model.h"
#include "measurement_record.h"
#include "program_folder.h"
#include "record_store.h"
#include "store_error.h"
#include "store_record_sink.h"

using namespace rangedesk;
using store::ChooseDataLocation;

Q_DECLARE_METATYPE(rangedesk::store::StoreErrorKind)

class TestDataLocation : public QObject {
    Q_OBJECT
private slots:
    void rule_data() {
        QTest::addColumn<bool>("libWritable");
        QTest::addColumn<bool>("userRav");
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("rav");
        QTest::addColumn<QString>("templateFile");
        QTest::newRow("writable program folder") << true << true << "/opt/rd/lib/DistLib.mdb"
                                                 << "/opt/rd/lib/Vermo.rav"
                                                 << "";
        QTest::newRow("installed") << false << false << "/home/u/.local/share/RangeDesk/DistLib.mdb"
                                   << "/opt/rd/lib/Vermo.rav"
                                   << "/opt/rd/lib/DistLib.mdb";
        QTest::newRow("installed, own report")
            << false << true << "/home/u/.local/share/RangeDesk/DistLib.mdb"
            << "/home/u/.local/share/RangeDesk/Vermo.rav"
            << "/opt/rd/lib/DistLib.mdb";
    }
    void rule() {
        QFETCH(bool, libWritable);
        QFETCH(bool, userRav);
        QFETCH(QString, database);
        QFETCH(QString, rav);
        QFETCH(QString, templateFile);
        const auto location =
            ChooseDataLocation("/opt/rd", "/home/u/.local/share/RangeDesk", libWritable, userRav);
        QCOMPARE(location.Database, database);
        QCOMPARE(location.ReportDefinition, rav);
        QCOMPARE(location.Template, templateFile);
    }

    // The user's copy is made once from the template, which is never written.
    void userCopyOfAReadOnlyTemplate() {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("program/lib"));
        const QString templateFile = dir.filePath("program/lib/DistLib.mdb");
        QVERIFY(QFile::copy(TemplateDatabase(), templateFile));
        QVERIFY(QFile::setPermissions(templateFile,
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QFile t(templateFile);
        QVERIFY(t.open(QIODevice::ReadOnly));
        const QByteArray before = t.readAll();
        t.close();
        const auto location =
            ChooseDataLocation(dir.filePath("program"), dir.filePath("user"), false, false);
        store::PrepareUserDatabase(location);
        QVERIFY(QFile::exists(location.Database));
        {
            store::RecordStore copy(location.Database, store::StoreAccess::ReadWrite);
            store::StoreRecordSink sink(copy);
            copy.Open();
            sink.EmptyLoadData();
            sink.AddRecToLib(1, MeasurementRecord{}, RecordLayout::Compact);
        }
        // Made once: a second start keeps the user's rows.
        store::PrepareUserDatabase(location);
        store::RecordStore again(location.Database, store::StoreAccess::ReadWrite);
        store::LoadDataModel table(again);
        table.Open();
        QCOMPARE(table.rowCount(), 1);
        QVERIFY(t.open(QIODevice::ReadOnly));
        QCOMPARE(t.readAll(), before);
        QVERIFY(!QFile::exists(templateFile + "-wal"));
    }

    // The XDG rule: a relative value is no value; without an absolute HOME there is no folder.
    void userDataFolder_data() {
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("folder");
        QTest::newRow("XDG_DATA_HOME") << "/data/u"
                                       << "/home/u"
                                       << "/data/u/RangeDesk";
        QTest::newRow("only HOME") << ""
                                   << "/home/u"
                                   << "/home/u/.local/share/RangeDesk";
        QTest::newRow("relative XDG_DATA_HOME is ignored") << "data"
                                                           << "/home/u"
                                                           << "/home/u/.local/share/RangeDesk";
        QTest::newRow("HOME unset") << ""
                                    << ""
                                    << "";
        QTest::newRow("relative HOME") << ""
                                       << "u"
                                       << "";
        QTest::newRow("HOME unset, relative XDG_DATA_HOME") << "data"
                                                            << ""
                                                            << "";
        QTest::newRow("HOME /") << ""
                                << "/"
                                << "/.local/share/RangeDesk";
    }
    void userDataFolder() {
        QFETCH(QString, xdg);
        QFETCH(QString, home);
        QFETCH(QString, folder);
        QCOMPARE(store::UserDataFolder(xdg, home), folder);
    }

    // The user's database cannot be made: said with the file and the reason, and nothing is
    // left behind, so a start after the template is put right makes it.
    void preparingRefusesWhatItCannotUse_data() {
        QTest::addColumn<QString>("templateKind");
        QTest::addColumn<store::StoreErrorKind>("kind");
        QTest::addColumn<QString>("says");
        using K = store::StoreErrorKind;
        QTest::newRow("template missing") << "missing" << K::Missing << "No such file";
        QTest::newRow("template not a database") << "garbage" << K::NotOurs << "not a database";
        QTest::newRow("template without LoadData") << "empty" << K::NotOurs << "LoadData";
        QTest::newRow("template a FIFO") << "fifo" << K::NotOurs << "not a regular file";
        QTest::newRow("template a link to /dev/zero")
            << "zero" << K::NotOurs << "not a regular file";
        QTest::newRow("HOME unset") << "nohome" << K::Io << "HOME";
    }
    void preparingRefusesWhatItCannotUse() {
        QFETCH(QString, templateKind);
        QFETCH(store::StoreErrorKind, kind);
        QFETCH(QString, says);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("program/lib"));
        auto location = ChooseDataLocation(
            dir.filePath("program"), templateKind == "nohome" ? QString() : dir.filePath("user"),
            false, false);
        const QByteArray name = QFile::encodeName(location.Template);
        if (templateKind == "garbage" || templateKind == "empty" || templateKind == "nohome") {
            QFile f(location.Template);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(templateKind == "garbage" ? QByteArray(4096, 'x') : QByteArray());
        } else if (templateKind == "fifo") {
            QCOMPARE(::mkfifo(name.constData(), 0644), 0);
        } else if (templateKind == "zero") {
            QCOMPARE(::symlink("/dev/zero", name.constData()), 0);
        }
        try {
            store::PrepareUserDatabase(location);
            QFAIL("the user's database should not be made");
        } catch (const store::StoreError& e) {
            QCOMPARE(e.Kind(), kind);
            QVERIFY2(e.Message().contains(says), e.what());
            QVERIFY2(!e.Message().contains("Unable to"), e.what());
            if (templateKind != "nohome") {
                QCOMPARE(e.Message().count(location.Database), 1);
                QCOMPARE(e.Message().count(location.Template), 1);
            }
        }
        // Nothing half-made stays, not even a temporary file.
        QVERIFY(QDir(dir.filePath("user"))
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                    .isEmpty());
        if (templateKind == "nohome") {
            return;
        }
        // The template put right, the next start makes the user's database.
        QFile::remove(location.Template);
        QVERIFY(QFile::copy(TemplateDatabase(), location.Template));
        store::PrepareUserDatabase(location);
        store::RecordStore made(location.Database, store::StoreAccess::ReadWrite);
        made.Open();
    }

    // The user's database is the user's private data, whatever the umask.
    void userDatabaseIsPrivate() {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("program/lib"));
        const auto location =
            ChooseDataLocation(dir.filePath("program"), dir.filePath("user/deep"), false, false);
        QVERIFY(QFile::copy(TemplateDatabase(), location.Template));
        QVERIFY(::chmod(QFile::encodeName(location.Template).constData(), 0644) == 0);
        const mode_t before = ::umask(022);
        store::PrepareUserDatabase(location);
        ::umask(before);
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(location.Database).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
        QCOMPARE(::stat(QFile::encodeName(dir.filePath("user")).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0700)); // made as the XDG rule asks
    }

    void missingTemplateCopiesNothing() {
        QTemporaryDir dir;
        const auto location =
            ChooseDataLocation(dir.filePath("program"), dir.filePath("user"), false, false);
        try {
            store::PrepareUserDatabase(location);
            QFAIL("a missing template should be said");
        } catch (const store::StoreError& e) {
            QCOMPARE(e.Kind(), store::StoreErrorKind::Missing); // the installation message
        }
        QVERIFY(!QFile::exists(location.Database));
        store::RecordStore none(location.Database, store::StoreAccess::ReadWrite);
        QVERIFY_THROWS_EXCEPTION(store::StoreError, none.Open());
    }

    // The client report's definition follows the printout's rule: the user's own copy only
    // when the data lives in the user's folder.
    void clientReportDefinition_data() {
        QTest::addColumn<bool>("libWritable");
        QTest::addColumn<QString>("userDir");
        QTest::addColumn<bool>("userHasFile");
        QTest::addColumn<QString>("file");
        const QString user = "/home/u/.local/share/RangeDesk";
        QTest::newRow("installed, own copy") << false << user << true << user + "/Report.rav";
        QTest::newRow("installed, none") << false << user << false << "/opt/rd/lib/Report.rav";
        QTest::newRow("writable program folder")
            << true << user << true << "/opt/rd/lib/Report.rav";
        QTest::newRow("no user folder") << false << "" << true << "/opt/rd/lib/Report.rav";
    }
    void clientReportDefinition() {
        QFETCH(bool, libWritable);
        QFETCH(QString, userDir);
        QFETCH(bool, userHasFile);
        QFETCH(QString, file);
        QCOMPARE(store::ChooseReportFile("/opt/rd", userDir, libWritable, userHasFile,
                                         store::kClientReportDefinitionFile),
                 file);
    }
};

QTEST_GUILESS_MAIN(TestDataLocation)
#include "test_data_location.moc"
