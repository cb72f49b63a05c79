// Where the data lives: the program folder's lib/ when the user can write it, otherwise the
// user's own database copied from the installed template, which stays untouched.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "data_location.h"
#include "load_data_model.h"
#include "measurement_record.h"
#include "program_folder.h"
#include "record_store.h"
#include "store_error.h"
#include "store_record_sink.h"

using namespace rangedesk;
using store::ChooseDataLocation;

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
};

QTEST_GUILESS_MAIN(TestDataLocation)
#include "test_data_location.moc"
