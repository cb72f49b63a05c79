// The history of downloads: the schema upgrade, a Downloads row for every way a download ends,
// both-or-neither rows, a killed program, new records, redecoding, loading and deleting.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <clocale>
#include <functional>
#include <optional>

#include "crash_child_run.h"
#include "decimal_separator.h"
#include "download_history.h"
#include "download_writer.h"
#include "hid_controller.h"
#include "history_models.h"
#include "load_data_model.h"
#include "meter_link.h"
#include "meter_operations.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "record_store.h"
#include "schema.h"
#include "sim_meter.h"
#include "store_error.h"
#include "store_record_sink.h"

using namespace rangedesk;
using store::DownloadHistory;
using store::DownloadWriter;
using store::RecordStore;
using store::StoreAccess;

namespace {

constexpr int kTimeoutMs = 8000;

QVariantList Values(const QString& database, const QString& sql) {
    QVariantList values;
    {
        auto db = QSqlDatabase::addDatabase("QSQLITE", "look");
        db.setDatabaseName(database);
        db.open();
        QSqlQuery q(sql, db);
        while (q.next()) {
            values << q.value(0);
        }
    }
    QSqlDatabase::removeDatabase("look");
    return values;
}

bool Exec(const QString& database, const QString& sql) {
    bool ok = false;
    {
        auto db = QSqlDatabase::addDatabase("QSQLITE", "change");
        db.setDatabaseName(database);
        ok = db.open() && QSqlQuery(db).exec(sql);
    }
    QSqlDatabase::removeDatabase("change");
    return ok;
}

// A simulated meter, the meter core and a record store, without a window.
struct Rig {
    ProgramFolder folder;
    hid::sim::SimHidBus bus;
    sim::SimMeter meter;
    hid::THidDeviceController controller{bus};
    std::optional<meter::MeterLink> link;
    std::optional<RecordStore> store;
    std::optional<store::LoadDataModel> table;
    std::optional<store::StoreRecordSink> sink;
    std::optional<meter::MeterOperations> ops;

    explicit Rig(int model, int records) : meter(bus, model) {
        meter.SetRecords(sim::DemoRecords(model, records));
        meter.Plug();
        link.emplace(controller);
        store.emplace(Path(), StoreAccess::ReadWrite);
        table.emplace(*store);
        sink.emplace(*store);
        store->Open();
        ops.emplace(*link);
        ops->SetRecordSink(&*sink);
    }
    QString Path() const { return folder.LibFile("DistLib.mdb"); }
    bool Download() {
        if (!QTest::qWaitFor([&] { return link->MeterConnected(); }, kTimeoutMs)) {
            return false;
        }
        ops->ExportAllDataClick();
        return true;
    }
};

// A version-0 file (LoadData alone) holding rows with these RecNo texts.
void MakeOlderFile(const QString& path, const QStringList& numbers) {
    for (const QString& number : numbers) {
        QVERIFY(Exec(
            path, QString("INSERT INTO LoadData (RecNo, MODE) VALUES ('%1', 'Area')").arg(number)));
    }
}

// How the one writer rule answers a second writer while another process downloads.
using SecondWriter = std::function<void(RecordStore&, qint64 running)>;

} // namespace

Q_DECLARE_METATYPE(std::function<void(Rig&)>)
Q_DECLARE_METATYPE(SecondWriter)
Q_DECLARE_METATYPE(rangedesk::store::StoreAccess)

class TestDownloadHistory : public QObject {
    Q_OBJECT
private slots:
    void upgradeOfAnOlderFileKeepsItsRows() {
        ProgramFolder folder;
        const QString path = folder.LibFile("DistLib.mdb");
        QVERIFY(Exec(path, "INSERT INTO LoadData VALUES ('1','Area','m','1.500 m','2.000 m','   ',"
                           "' 3.00 m2'), ('2','Single','ft','   ','   ','   ',' 4.921 ft'), "
                           "('x','Odd','m','','','','')"));
        const QVariantList before = Values(path, "SELECT quote(rowid) || RecNo || MODE || RESULT "
                                                 "FROM LoadData ORDER BY rowid");
        {
            RecordStore store(path, StoreAccess::ReadWrite);
            store.Open();
            DownloadHistory history(store);
            const auto list = history.List();
            QCOMPARE(list.size(), 1u);
            QCOMPARE(list[0].Outcome, QString("imported"));
            QCOMPARE(list[0].Stored, 3);
            const auto records = history.Records(list[0].Id);
            QCOMPARE(records.size(), 3u);
            QCOMPARE(records[0].Texts[1], QString("Area"));
            QVERIFY(records[0].Reply.isNull());
        }
        QCOMPARE(Values(path, "PRAGMA user_version"), QVariantList({store::kSchemaVersion}));
        QCOMPARE(Values(path, "SELECT quote(rowid) || RecNo || MODE || RESULT FROM LoadData "
                              "ORDER BY rowid"),
                 before);
    }

    void newerFileIsNotWritten() {
        ProgramFolder folder;
        const QString path = folder.LibFile("DistLib.mdb");
        QVERIFY(Exec(path, "PRAGMA user_version = 7"));
        QVERIFY(Exec(path, "PRAGMA journal_mode = DELETE"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        RecordStore newer(path, StoreAccess::ReadWrite);
        try {
            newer.Open();
            QFAIL("a newer file should not open for writing");
        } catch (const store::StoreError& e) {
            QCOMPARE(e.Kind(), store::StoreErrorKind::NewerVersion);
            QVERIFY2(e.Message().contains("version 7") && e.Message().contains("version 2"),
                     e.what());
        }
        QVERIFY_THROWS_EXCEPTION(store::StoreError, newer.EmptyLoadData());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    // Every way a download ends leaves its Downloads row, and the kept records are exactly
    // the LoadData rows, with the meter's bytes.
    void outcomes_data() {
        QTest::addColumn<std::function<void(Rig&)>>("setUp");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("stored");
        using SetUp = std::function<void(Rig&)>;
        QTest::newRow("complete") << SetUp([](Rig&) {}) << "complete" << 6 << 6;
        QTest::newRow("incomplete")
            << SetUp([](Rig& r) { r.meter.SetFault("ATR002#", sim::Fault::BadChecksum); })
            << "incomplete" << 6 << 5;
        QTest::newRow("unplugged")
            << SetUp([](Rig& r) { r.meter.UnplugAfterReplies(4); }) << "unplugged" << 6 << 3;
        QTest::newRow("no answer")
            << SetUp([](Rig& r) { r.meter.SetFault("ATR???#", sim::Fault::NoReply); })
            << "no answer" << 0 << 0;
        QTest::newRow("cancelled") << SetUp([](Rig& r) {
            QObject::connect(&*r.ops, &meter::MeterOperations::downloadProgress, [&r](int i, int) {
                if (i == 2) {
                    r.ops->CancelDownload();
                }
            });
        }) << "cancelled" << 6 << 2;
        QTest::newRow("failed") << SetUp([](Rig& r) {
            // The kept record fails: its LoadData row must not stay alone.
            Exec(r.Path(), "CREATE TRIGGER full BEFORE INSERT ON DownloadRecords WHEN "
                           "NEW.RecNo = 3 BEGIN SELECT RAISE(ABORT, 'database or disk is full'); "
                           "END");
        }) << "failed" << 6 << 2;
    }
    void outcomes() {
        QFETCH(std::function<void(Rig&)>, setUp);
        QFETCH(QString, outcome);
        QFETCH(int, asked);
        QFETCH(int, stored);
        Rig rig(1, 6);
        setUp(rig);
        QVERIFY(rig.Download());
        DownloadHistory history(*rig.store);
        const auto list = history.List();
        QCOMPARE(list.size(), 1u);
        QCOMPARE(list[0].Outcome, outcome);
        QCOMPARE(list[0].Asked, asked);
        QCOMPARE(list[0].Stored, stored);
        QCOMPARE(list[0].Model, 1);
        QCOMPARE(list[0].VendorID, 0x0483);
        QVERIFY(list[0].Finished >= list[0].Started);
        const auto records = history.Records(list[0].Id);
        const QVariantList loadData =
            Values(rig.Path(), "SELECT RecNo FROM LoadData ORDER BY rowid");
        QCOMPARE(int(records.size()), stored);
        QCOMPARE(int(loadData.size()), stored);
        const auto sent = sim::DemoRecords(1, 6);
        for (std::size_t k = 0; k < records.size(); ++k) {
            QCOMPARE(QString::number(records[k].RecNo), loadData[qsizetype(k)].toString());
            const auto& bytes = sent[std::size_t(records[k].RecNo - 1)];
            QCOMPARE(
                records[k].Reply.left(qsizetype(bytes.size())),
                QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
            QCOMPARE(records[k].Reply.size(), 64);
        }
    }

    // A killed program leaves LoadData and the kept records alike; the next start calls the
    // download interrupted.
    void killedProgramLeavesAnInterruptedDownload() {
        ProgramFolder folder;
        const QString path = folder.LibFile("DistLib.mdb");
        const int reported = RunChildAndKill(path, 100);
        QVERIFY(reported >= 100);
        const QVariantList loadData = Values(path, "SELECT RecNo FROM LoadData ORDER BY rowid");
        const QVariantList kept = Values(path, "SELECT RecNo FROM DownloadRecords ORDER BY RecNo");
        QCOMPARE(loadData.size(), kept.size());
        QVERIFY(loadData.size() >= reported);
        QCOMPARE(Values(path, "SELECT outcome FROM Downloads"), QVariantList({"running"}));
        RecordStore store(path, StoreAccess::ReadWrite);
        store.Open();
        QCOMPARE(DownloadHistory(store).List()[0].Outcome, QString("interrupted"));
    }

    // A record is new when the previous download from the model lacked its bytes under its number.
    void newRecordsSinceThePreviousDownload() {
        Rig rig(3, 5);
        QVERIFY(rig.Download());
        auto records = sim::DemoRecords(3, 7);
        std::swap(records[0], records[1]); // two changed places, two added
        rig.meter.SetRecords(records);
        QVERIFY(rig.Download());
        DownloadHistory history(*rig.store);
        const auto list = history.List();
        QCOMPARE(list.size(), 2u);
        QVERIFY(list[0].Id > list[1].Id); // newest first
        QCOMPARE(history.NewRecords(list[1]), 5);
        QCOMPARE(history.NewRecords(list[0]), 4);
    }

    // Decoding the kept bytes again puts right what an older decoder got wrong.
    void redecodeMendsOldTexts() {
        Rig rig(3, 8);
        QVERIFY(rig.Download());
        DownloadHistory history(*rig.store);
        const qint64 id = history.List()[0].Id;
        const auto good = history.Records(id);
        QVERIFY(Exec(rig.Path(), "UPDATE DownloadRecords SET DIST1 = 'wrong', UNIT = '?' WHERE "
                                 "RecNo IN (2, 5, 7)"));
        DownloadWriter writer(*rig.store);
        QCOMPARE(writer.Redecode(id).Changed, 3);
        const auto mended = history.Records(id);
        for (std::size_t k = 0; k < good.size(); ++k) {
            QCOMPARE(mended[k].Texts, good[k].Texts);
        }
        QCOMPARE(writer.Redecode(id).Changed, 0);
    }

    // Every row of an older file is kept, a repeated or odd RecNo under its own number
    // (1000000 + rowid): by the upgrade, and by a reader that only derives what it would make.
    void upgradeKeepsEveryRow_data() {
        QTest::addColumn<store::StoreAccess>("access");
        QTest::newRow("upgraded for writing") << StoreAccess::ReadWrite;
        QTest::newRow("read as it would be") << StoreAccess::ReadOnly;
    }
    void upgradeKeepsEveryRow() {
        QFETCH(store::StoreAccess, access);
        ProgramFolder folder;
        const QString path = folder.LibFile("DistLib.mdb");
        MakeOlderFile(path, {"1", "2", "1", "2.5", "x", "01", "0", "-3", "1000001", "3"});
        RecordStore store(path, access);
        const DownloadHistory history(store);
        const auto list = history.List();
        QCOMPARE(list.size(), 1u);
        QCOMPARE(list[0].Stored, 10);
        QCOMPARE(list[0].Asked, 10);
        QCOMPARE(list[0].Kept, 10);
        QList<int> numbers;
        for (const auto& record : history.Records(list[0].Id)) {
            numbers << record.RecNo;
        }
        QCOMPARE(numbers, QList<int>({1, 2, 3, 1000003, 1000004, 1000005, 1000006, 1000007, 1000008,
                                      1000009}));
    }

    // Two programs opening an older file at once (a user's first start, twice): one upgrades
    // it, the other finds it upgraded; neither fails.
    void upgradeByTwoProgramsAtOnce() {
        for (int round = 0; round < 5; ++round) {
            ProgramFolder folder;
            const QString path = folder.LibFile("DistLib.mdb");
            // Enough rows that one upgrade takes a while: the other starts meanwhile.
            QVERIFY(Exec(path, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                               "WHERE i < 20000) INSERT INTO LoadData (RecNo, MODE) SELECT i, "
                               "'Area' FROM n"));
            QProcess first;
            QProcess second;
            for (QProcess* child : {&first, &second}) {
                child->start(QString(RANGEDESK_CRASH_CHILD), {path, "open"});
                QVERIFY(child->waitForStarted());
            }
            for (QProcess* child : {&first, &second}) {
                child->write("go\n"); // both open now
                child->waitForBytesWritten();
                child->closeWriteChannel();
            }
            for (QProcess* child : {&first, &second}) {
                QVERIFY(child->waitForFinished(kTimeoutMs * 2));
                const QByteArray said = child->readAllStandardOutput();
                QVERIFY2(child->exitCode() == 0, said.constData());
            }
            QCOMPARE(Values(path, "SELECT COUNT(*) FROM Downloads"), QVariantList({1}));
            QCOMPARE(Values(path, "SELECT COUNT(*) FROM DownloadRecords"), QVariantList({20000}));
            QCOMPARE(Values(path, "PRAGMA user_version"), QVariantList({store::kSchemaVersion}));
        }
    }

    // One writer at a time. While another process downloads, a second download, a load or a
    // delete is refused naming that process; its download stays "running", keeps every record,
    // and LoadData holds its rows alone.
    void oneWriterAtATime_data() {
        QTest::addColumn<SecondWriter>("second");
        QTest::newRow("a second download") << SecondWriter([](RecordStore& store, qint64) {
            store::StoreRecordSink sink(store);
            sink.BeginDownload(
                rangedesk::records::DownloadSource{1, 0x0483, 0x5750, {}, false, "."});
        });
        QTest::newRow("a load") << SecondWriter(
            [](RecordStore& store, qint64 running) { DownloadWriter(store).Load(running); });
        QTest::newRow("a delete of the running download") << SecondWriter(
            [](RecordStore& store, qint64 running) { DownloadWriter(store).Delete(running); });
        QTest::newRow("a redecode") << SecondWriter(
            [](RecordStore& store, qint64 running) { DownloadWriter(store).Redecode(running); });
    }
    void oneWriterAtATime() {
        QFETCH(SecondWriter, second);
        ProgramFolder folder;
        const QString path = folder.LibFile("DistLib.mdb");
        DownloadingChild child(path);
        QVERIFY(child.WaitFor(20) >= 20);
        RecordStore store(path, StoreAccess::ReadWrite);
        store.Open(); // a start of the program meanwhile marks nothing interrupted
        const auto list = DownloadHistory(store).List();
        QCOMPARE(list.size(), 1u);
        QCOMPARE(list[0].Outcome, QString("running"));
        try {
            second(store, list[0].Id);
            QFAIL("the second writer should be refused");
        } catch (const store::StoreError& e) {
            QCOMPARE(e.Kind(), store::StoreErrorKind::InUse);
            QVERIFY2(
                e.Message().contains(
                    QString("the database is in use by a download (process %1)").arg(child.Pid())),
                e.what());
        }
        const int reported = child.WaitFor(child.Reported() + 20); // it goes on storing
        child.Kill();
        QCOMPARE(Values(path, "SELECT COUNT(*) FROM Downloads"), QVariantList({1}));
        const QVariantList numbers = Values(path, "SELECT RecNo FROM LoadData ORDER BY rowid");
        QVERIFY(numbers.size() >= reported);
        for (int i = 0; i < numbers.size(); ++i) {
            QCOMPARE(numbers[i].toInt(), i + 1);
        }
        QCOMPARE(Values(path, "SELECT COUNT(*) FROM DownloadRecords"),
                 QVariantList({numbers.size()}));
        // Its process gone, the download reads "interrupted", and a start says so in the file.
        QCOMPARE(DownloadHistory(store).List()[0].Outcome, QString("interrupted"));
        RecordStore restart(path, StoreAccess::ReadWrite);
        restart.Open();
        QCOMPARE(Values(path, "SELECT outcome FROM Downloads"), QVariantList({"interrupted"}));
    }

    // A reader sees another process's download as it grows, and calls it running.
    void readingWhileAnotherProcessDownloads() {
        ProgramFolder folder;
        const QString path = folder.LibFile("DistLib.mdb");
        DownloadingChild child(path);
        QVERIFY(child.WaitFor(50) >= 50);
        for (int look = 0; look < 5; ++look) {
            RecordStore reader(path, StoreAccess::ReadOnly);
            store::LoadDataModel table(reader);
            table.Open();
            QVERIFY(table.rowCount() >= 50);
            for (int r = 0; r < table.rowCount(); ++r) {
                QCOMPARE(table.RowAt(r)[0], QString::number(r + 1));
            }
            const auto list = DownloadHistory(reader).List();
            QCOMPARE(list.size(), 1u);
            QCOMPARE(list[0].Outcome, QString("running"));
            QVERIFY(list[0].Kept >= table.rowCount());
        }
    }

    // An interrupted download lists the records it kept, not the "0 of 0" written only at an
    // end it never reached.
    void interruptedDownloadShowsWhatItKept() {
        ProgramFolder folder;
        const QString path = folder.LibFile("DistLib.mdb");
        const int reported = RunChildAndKill(path, 120);
        QVERIFY(reported >= 120);
        RecordStore store(path, StoreAccess::ReadOnly);
        DownloadHistory history(store);
        const auto list = history.List();
        QCOMPARE(list[0].Outcome, QString("interrupted"));
        QVERIFY(list[0].Kept >= reported);
        store::DownloadListModel model(history);
        model.Reload();
        QCOMPARE(model.index(0, store::DownloadListModel::Records).data().toString(),
                 QString("%1 kept").arg(list[0].Kept));
    }

    // Decoding again writes the texts with the decimal separator the download was made with,
    // whatever the locale is now.
    void redecodeKeepsTheDecimalSeparator_data() {
        QTest::addColumn<QString>("separator");
        QTest::newRow("point") << ".";
        QTest::newRow("comma") << ",";
    }
    void redecodeKeepsTheDecimalSeparator() {
        QFETCH(QString, separator);
        Rig rig(3, 20);
        rig.ops->SetFormat(NumberFormat{separator.toStdString()});
        QVERIFY(rig.Download());
        DownloadHistory history(*rig.store);
        const qint64 id = history.List()[0].Id;
        const auto made = history.Records(id);
        QVERIFY(made[1].Texts[4].contains(separator)); // "2.542 m" or "2,542 m"
        QVERIFY(
            Exec(rig.Path(), "UPDATE DownloadRecords SET DIST1 = 'wrong' WHERE RecNo IN (3, 7)"));
        // The other locale than the download's, when this machine has it.
        const char* other = separator == "." ? "de_DE.UTF-8" : "C";
        const std::string before = std::setlocale(LC_NUMERIC, nullptr);
        std::setlocale(LC_NUMERIC, other);
        store::RedecodeResult result;
        try {
            result = DownloadWriter(*rig.store).Redecode(id);
        } catch (...) {
            std::setlocale(LC_NUMERIC, before.c_str());
            throw;
        }
        std::setlocale(LC_NUMERIC, before.c_str());
        QCOMPARE(result.Changed, 2);
        QCOMPARE(result.Kept, 20);
        QCOMPARE(result.DecimalSeparator, separator);
        const auto mended = history.Records(id);
        for (std::size_t k = 0; k < made.size(); ++k) {
            QCOMPARE(mended[k].Texts, made[k].Texts);
        }
    }

    // An imported download has no meter model and no bytes: refused, its texts untouched.
    void redecodeRefusesAnUnknownModel() {
        ProgramFolder folder;
        const QString path = folder.LibFile("DistLib.mdb");
        MakeOlderFile(path, {"1", "2"});
        RecordStore store(path, StoreAccess::ReadWrite);
        const qint64 id = DownloadHistory(store).List()[0].Id;
        const QVariantList before = Values(path, "SELECT MODE FROM DownloadRecords");
        try {
            DownloadWriter(store).Redecode(id);
            QFAIL("an imported download should be refused");
        } catch (const store::HistoryRefusal& e) {
            QVERIFY2(QString(e.what()).contains("no known meter model"), e.what());
        }
        QCOMPARE(Values(path, "SELECT MODE FROM DownloadRecords"), before);
    }

    void decimalSeparatorOfTexts_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("separator");
        QTest::newRow("point") << QStringList{"1.500 m"} << ".";
        QTest::newRow("comma") << QStringList{"1,500 m"} << ",";
        QTest::newRow("negative angle") << QStringList{"-1,6 °"} << ",";
        QTest::newRow("blank slot, then a comma") << QStringList{"   ", " 12,345 m2"} << ",";
        QTest::newRow("feet and inches") << QStringList{"5'3 1/2\""} << ".";
        QTest::newRow("whole numbers only") << QStringList{"12 m"} << ".";
        QTest::newRow("nothing") << QStringList{} << ".";
    }
    void decimalSeparatorOfTexts() {
        QFETCH(QStringList, texts);
        QFETCH(QString, separator);
        std::vector<records::LoadDataTexts> rows;
        for (const QString& text : texts) {
            records::LoadDataTexts row;
            row[0] = "1.5"; // a record number is no measurement
            row[3] = text;
            rows.push_back(row);
        }
        if (texts.isEmpty()) {
            rows.push_back({});
        }
        QCOMPARE(QString::fromStdString(store::DecimalSeparatorOf(rows)), separator);
    }

    void loadAndDelete() {
        Rig rig(1, 4);
        QVERIFY(rig.Download());
        rig.meter.SetRecords(sim::DemoRecords(1, 2));
        QVERIFY(rig.Download());
        DownloadHistory history(*rig.store);
        DownloadWriter writer(*rig.store);
        const auto list = history.List();
        writer.Load(list[1].Id); // the first download's four rows
        QCOMPARE(rig.table->rowCount(), 4);
        QCOMPARE(Values(rig.Path(), "SELECT COUNT(*) FROM LoadData"), QVariantList({4}));
        writer.Delete(list[1].Id);
        QCOMPARE(history.List().size(), 1u);
        QCOMPARE(Values(rig.Path(), "SELECT COUNT(*) FROM DownloadRecords"), QVariantList({2}));
        QCOMPARE(Values(rig.Path(), "SELECT COUNT(*) FROM LoadData"), QVariantList({4}));
    }
};

QTEST_GUILESS_MAIN(TestDownloadHistory)
#include "test_download_history.moc"
