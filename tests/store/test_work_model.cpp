// Jobs, labels, notes, deductions and readings on the kept downloads: the layout upgrade from
// older files, the rules of names and texts, search, and which records are new.
#include <QCryptographicHash>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <optional>

#include "download_history.h"
#include "download_summary.h"
#include "download_writer.h"
#include "job_book.h"
#include "measurement_record.h"
#include "program_folder.h"
#include "reading_log.h"
#include "record_edits.h"
#include "record_sink.h"
#include "record_store.h"
#include "schema.h"
#include "store_record_sink.h"

using namespace rangedesk;
using store::DownloadHistory;
using store::JobBook;
using store::JobRefusal;
using store::RecordStore;
using store::StoreAccess;

namespace {

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

bool Exec(const QString& database, const QStringList& statements) {
    bool ok = true;
    {
        auto db = QSqlDatabase::addDatabase("QSQLITE", "change");
        db.setDatabaseName(database);
        ok = db.open();
        for (const QString& sql : statements) {
            ok = ok && QSqlQuery(db).exec(sql);
        }
    }
    QSqlDatabase::removeDatabase("change");
    return ok;
}

QByteArray Hash(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// A file as version 1 of the program left it: two downloads with the meter's bytes.
void MakeVersion1File(const QString& path) {
    QVERIFY(CopyFreshDatabase(path));
    QVERIFY(Exec(
        path,
        {"CREATE TABLE Downloads (id INTEGER PRIMARY KEY, started TEXT, finished TEXT, model "
         "INTEGER, vendor INTEGER, product INTEGER, asked INTEGER, stored INTEGER, outcome TEXT)",
         "CREATE TABLE DownloadRecords (download_id INTEGER NOT NULL REFERENCES Downloads(id) ON "
         "DELETE CASCADE, RecNo INTEGER NOT NULL, reply BLOB, MODE TEXT, UNIT TEXT, DIST1 TEXT, "
         "DIST2 TEXT, DIST3 TEXT, RESULT TEXT, PRIMARY KEY (download_id, RecNo))",
         "INSERT INTO Downloads VALUES (1, '2026-11-02T09:00:00.000Z', "
         "'2026-11-02T09:00:05.000Z', 3, 1158, 22352, 2, 2, 'complete')",
         "INSERT INTO Downloads VALUES (2, '2026-11-03T09:00:00.000Z', "
         "'2026-11-03T09:00:05.000Z', 1, 1155, 22352, 1, 1, 'incomplete')",
         "INSERT INTO DownloadRecords VALUES (1, 1, x'0102', 'Area', 'm', '1.500 m', '2.000 m', "
         "'   ', ' 3.00 m2')",
         "INSERT INTO DownloadRecords VALUES (1, 2, x'0304', 'Single', 'm', '   ', '   ', "
         "'   ', '4.921 m')",
         "INSERT INTO DownloadRecords VALUES (2, 1, x'0506', '面积', '米', '   ', '   ', '   ', "
         "'2.0 米2')",
         "INSERT INTO LoadData VALUES ('1', '面积', '米', '   ', '   ', '   ', '2.0 米2')",
         "PRAGMA user_version = 1"}));
}

// A store on a fresh database, and downloads made into it as a meter would.
struct Rig {
    ProgramFolder folder;
    RecordStore store{folder.LibFile("DistLib.mdb"), StoreAccess::ReadWrite};
    store::StoreRecordSink sink{store};

    // A download of `bytes.size()` records, record i (from 1) with bytes {bytes[i-1]}.
    qint64 Download(const std::vector<std::uint8_t>& bytes, const QString& serial = {},
                    records::DownloadEnd end = records::DownloadEnd::Complete, int model = 3) {
        sink.BeginDownload(records::DownloadSource{model, 0x0486, 0x5750, serial, false, "."});
        sink.EmptyLoadData();
        MeasurementRecord record;
        record.ModeText = "Area";
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const std::uint8_t reply[1] = {bytes[i]};
            sink.AddRecToLib(int(i) + 1, record, RecordLayout::Extended, reply);
        }
        records::DownloadSummary summary;
        summary.End = end;
        summary.Asked = summary.Stored = int(bytes.size());
        sink.FinishDownload(summary);
        return DownloadHistory(store).List().front().Id;
    }
    int New(qint64 id) {
        return DownloadHistory(store).NewRecords(*DownloadHistory(store).Find(id));
    }
};

std::vector<std::uint8_t> Bytes(int count, std::uint8_t first = 1) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < count; ++i) {
        bytes.push_back(std::uint8_t(first + i));
    }
    return bytes;
}

} // namespace

class TestWorkModel : public QObject {
    Q_OBJECT
private slots:
    // A version-1 file keeps every download, reply and text; each download gets an identity and
    // waits for a team server.
    void upgradeOfAVersion1File() {
        ProgramFolder folder;
        const QString path = folder.LibFile("DistLib.mdb");
        MakeVersion1File(path);
        const QVariantList before = Values(
            path, "SELECT download_id || '/' || RecNo || '/' || hex(reply) || '/' || MODE || "
                  "RESULT FROM DownloadRecords ORDER BY download_id, RecNo");
        {
            RecordStore store(path, StoreAccess::ReadWrite);
            store.Open();
            const auto list = DownloadHistory(store).List();
            QCOMPARE(list.size(), 2u);
            QVERIFY(!list[0].Uuid.isNull() && !list[1].Uuid.isNull());
            QVERIFY(list[0].Uuid != list[1].Uuid);
            QCOMPARE(list[1].Outcome, QString("complete"));
            QVERIFY(!list[0].JobId);
            const auto records = DownloadHistory(store).Records(1);
            QCOMPARE(records.size(), 2u);
            QCOMPARE(records[0].Label, QString());
            QVERIFY(!records[0].Deduction);
        }
        QCOMPARE(Values(path, "PRAGMA user_version"), QVariantList({store::kSchemaVersion}));
        QCOMPARE(Values(path, "SELECT download_id || '/' || RecNo || '/' || hex(reply) || '/' || "
                              "MODE || RESULT FROM DownloadRecords ORDER BY download_id, RecNo"),
                 before);
        QCOMPARE(Values(path, "SELECT COUNT(*) FROM Outbox WHERE kind = 'download'"),
                 QVariantList({2}));
        QCOMPARE(Values(path, "SELECT COUNT(*) FROM LoadData"), QVariantList({1}));
    }

    // Read by a command that only reads, an older file is read as the current layout and its
    // bytes stay as they are.
    void readingAnOlderFileChangesNothing_data() {
        QTest::addColumn<int>("version");
        QTest::newRow("version 0") << 0;
        QTest::newRow("version 1") << 1;
    }
    void readingAnOlderFileChangesNothing() {
        QFETCH(int, version);
        ProgramFolder folder;
        const QString path = folder.LibFile("DistLib.mdb");
        if (version == 1) {
            MakeVersion1File(path);
        } else {
            QVERIFY(Exec(path, {"INSERT INTO LoadData VALUES ('1','Area','m','','','',' 3.00 m2')",
                                "PRAGMA journal_mode = DELETE"}));
        }
        const QByteArray before = Hash(path);
        {
            RecordStore store(path, StoreAccess::ReadOnly);
            const auto list = DownloadHistory(store).List();
            QCOMPARE(list.size(), version == 1 ? 2u : 1u);
            QVERIFY(JobBook(store).List().empty());
            QCOMPARE(DownloadHistory(store).Search("area").size(), 1u);
            QCOMPARE(DownloadHistory(store).Records(list.back().Id).front().Label, QString());
        }
        QCOMPARE(Hash(path), before);
        QVERIFY(!QFile::exists(path + "-wal"));
    }

    void jobNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("refusal"); // empty: taken
        QTest::newRow("plain") << "Site B"
                               << "";
        QTest::newRow("Chinese") << "厨房改造"
                                 << "";
        QTest::newRow("empty") << ""
                               << "not empty or only blanks";
        QTest::newRow("only blanks") << "   "
                                     << "not empty or only blanks";
        QTest::newRow("201 characters") << QString(201, 'x') << "at most 200 characters";
        QTest::newRow("200 characters") << QString(200, 'x') << "";
        QTest::newRow("a tab") << "Site\tC"
                               << "control characters";
        QTest::newRow("a line break") << "Site\nC"
                                      << "control characters";
        QTest::newRow("another case of an existing name") << "SITE a"
                                                          << "there is a job \"Site A\" already";
        QTest::newRow("the same with blanks around") << "  Site A "
                                                     << "\"Site A\" already";
    }
    void jobNames() {
        QFETCH(QString, name);
        QFETCH(QString, refusal);
        Rig rig;
        JobBook jobs(rig.store);
        jobs.Create("Site A");
        try {
            const store::JobInfo job = jobs.Create(name, {"ACME", "1 Main St", ""});
            QVERIFY2(refusal.isEmpty(), "should have been refused");
            QCOMPARE(job.Name, name.trimmed());
            QCOMPARE(jobs.FindNamed(name.toUpper())->Id, job.Id);
            QCOMPARE(jobs.List().front().Id, job.Id); // newest first
        } catch (const JobRefusal& e) {
            QVERIFY2(!refusal.isEmpty(), e.what());
            QVERIFY2(QString::fromUtf8(e.what()).contains(refusal), e.what());
            QCOMPARE(jobs.List().size(), 1u); // nothing half-made
        }
    }

    void renamingAndDetails() {
        Rig rig;
        JobBook jobs(rig.store);
        const auto a = jobs.Create("Site A");
        const auto b = jobs.Create("Site B");
        QVERIFY_THROWS_EXCEPTION(JobRefusal, jobs.Rename(b.Id, "site a"));
        jobs.Rename(a.Id, "site a"); // its own name in another case
        QCOMPARE(jobs.Find(a.Id)->Name, QString("site a"));
        QVERIFY_THROWS_EXCEPTION(JobRefusal, jobs.SetDetails(a.Id, {QString(2001, 'c'), "", ""}));
        jobs.SetDetails(a.Id, {"ACME Ltd", "1 Main St", "gate code 1234"});
        QCOMPARE(jobs.Find(a.Id)->Client, QString("ACME Ltd"));
        QVERIFY_THROWS_EXCEPTION(JobRefusal, jobs.Assign(99, a.Id));
        QVERIFY_THROWS_EXCEPTION(JobRefusal, jobs.Assign(1, 99));
    }

    // Labels, notes and deductions: kept, limited, and each row's version moves once while its
    // change waits for the team server.
    void labelsNotesAndDeductions() {
        Rig rig;
        const qint64 id = rig.Download(Bytes(3));
        store::RecordEdits edits(rig.store);
        edits.SetLabel(id, 2, "Kitchen north wall");
        edits.SetNote(id, 2, "behind the fridge");
        edits.SetDeduction(id, 3, true);
        auto records = DownloadHistory(rig.store).Records(id);
        QCOMPARE(records[1].Label, QString("Kitchen north wall"));
        QCOMPARE(records[1].Note, QString("behind the fridge"));
        QVERIFY(records[2].Deduction && !records[1].Deduction);
        const QString path = rig.folder.LibFile("DistLib.mdb");
        QCOMPARE(Values(path, "SELECT version FROM DownloadRecords WHERE RecNo = 2"),
                 QVariantList({2}));
        QCOMPARE(Values(path, "SELECT COUNT(*) FROM Outbox WHERE kind = 'record'"),
                 QVariantList({2}));
        QVERIFY(Exec(path, {"DELETE FROM Outbox"})); // as a push does
        edits.SetLabel(id, 2, "");
        QCOMPARE(Values(path, "SELECT version FROM DownloadRecords WHERE RecNo = 2"),
                 QVariantList({3}));
        QCOMPARE(DownloadHistory(rig.store).Records(id)[1].Label, QString());

        QVERIFY_THROWS_EXCEPTION(JobRefusal, edits.SetLabel(id, 2, QString(2001, 'x')));
        edits.SetNote(id, 2, QString(2000, 'x'));
        try {
            edits.SetLabel(id, 9, "x");
            QFAIL("a record that does not exist");
        } catch (const JobRefusal& e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     QString("there is no record 9 in download %1").arg(id));
        }
    }

    void search_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("downloads");
        QTest::addColumn<int>("records"); // found in the first download listed
        QTest::newRow("a label, Latin") << "kitchen" << 1 << 1;
        QTest::newRow("another case") << "KITCHEN N" << 1 << 1;
        QTest::newRow("a label, Chinese") << "厨房" << 1 << 1;
        QTest::newRow("a note") << "fridge" << 1 << 1;
        QTest::newRow("a mode") << "area" << 2 << 3;
        QTest::newRow("a job's name") << "site a" << 1 << 0;
        QTest::newRow("a job's client") << "acme" << 1 << 0;
        QTest::newRow("nothing") << "garage" << 0 << 0;
        QTest::newRow("blank") << "  " << 0 << 0;
    }
    void search() {
        QFETCH(QString, text);
        QFETCH(int, downloads);
        QFETCH(int, records);
        Rig rig;
        const qint64 first = rig.Download(Bytes(3));
        const qint64 second = rig.Download(Bytes(3, 10));
        JobBook jobs(rig.store);
        jobs.Assign(first, jobs.Create("Site A", {"ACME Ltd", "", ""}).Id);
        store::RecordEdits edits(rig.store);
        edits.SetLabel(second, 1, "Kitchen north wall");
        edits.SetLabel(second, 2, "厨房北墙");
        edits.SetNote(second, 3, "behind the fridge");
        const auto hits = DownloadHistory(rig.store).Search(text);
        QCOMPARE(int(hits.size()), downloads);
        if (downloads > 0) {
            QCOMPARE(int(hits.front().Records.size()), records);
        }
    }

    // A record is new when no earlier download from the same meter had its bytes under its
    // number, whatever came in between; a meter is its serial number where it has one.
    void newRecords() {
        Rig rig;
        const qint64 first = rig.Download(Bytes(25));
        const qint64 cancelled = rig.Download(Bytes(10), {}, records::DownloadEnd::Cancelled);
        const qint64 third = rig.Download(Bytes(25));
        QCOMPARE(rig.New(first), 25);
        QCOMPARE(rig.New(cancelled), 0);
        QCOMPARE(rig.New(third), 0); // not 15, though a cancelled download came in between
        QCOMPARE(DownloadHistory(rig.store).Records(third, store::RecordChoice::OnlyNew).size(),
                 0u);
        // Deleting one download changes no other's count.
        store::DownloadWriter(rig.store).Delete(cancelled);
        QCOMPARE(rig.New(third), 0);
        // Two meters of one model, told apart by their serial numbers.
        const qint64 otherMeter = rig.Download(Bytes(25), "SN-B");
        QCOMPARE(rig.New(otherMeter), 25);
        std::vector<std::uint8_t> changed = Bytes(25);
        changed[4] = 99;
        const qint64 again = rig.Download(changed, "SN-B");
        QCOMPARE(rig.New(again), 1);
        const auto onlyNew =
            DownloadHistory(rig.store).Records(again, store::RecordChoice::OnlyNew);
        QCOMPARE(onlyNew.size(), 1u);
        QCOMPARE(onlyNew.front().RecNo, 5);
    }

    void readingsAndTheLoadDataDownload() {
        Rig rig;
        const qint64 first = rig.Download(Bytes(2));
        QCOMPARE(DownloadHistory(rig.store).LoadDataDownload(), std::optional<qint64>(first));
        const qint64 second = rig.Download(Bytes(3));
        QCOMPARE(DownloadHistory(rig.store).LoadDataDownload(), std::optional<qint64>(second));
        store::DownloadWriter(rig.store).Load(first);
        QCOMPARE(DownloadHistory(rig.store).LoadDataDownload(), std::optional<qint64>(first));

        const auto job = JobBook(rig.store).Create("Site A");
        store::ReadingLog readings(rig.store);
        store::ReadingInfo reading;
        reading.Model = 3;
        reading.DistanceTenths = 12345;
        reading.Text = "1.235 m";
        reading.JobId = job.Id;
        const qint64 id = readings.Add(reading);
        readings.Add({});
        readings.SetLabel(id, "door width");
        QCOMPARE(readings.List().size(), 2u);
        const auto ofJob = readings.List(job.Id);
        QCOMPARE(ofJob.size(), 1u);
        QCOMPARE(ofJob[0].Label, QString("door width"));
        QCOMPARE(ofJob[0].JobName, QString("Site A"));
        QCOMPARE(ofJob[0].DistanceTenths, 12345);
        QVERIFY_THROWS_EXCEPTION(JobRefusal, readings.SetNote(999, "x"));
    }
};

QTEST_GUILESS_MAIN(TestWorkModel)
#include "test_work_model.moc"
