// The record database: opening, the LoadData lifecycle, edits by rowid, failures, crashes.
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include "load_data_row.h"
#include "program_folder.h"
#include "record_store.h"
#include "store_error.h"

using namespace rangedesk;
using store::RecordStore;

namespace {

// A connection of the test's own to the same file.
class Peek {
public:
    explicit Peek(const QString& path) : name_("peek-" + QString::number(++count_)) {
        auto db = QSqlDatabase::addDatabase("QSQLITE", name_);
        db.setDatabaseName(path);
        db.open();
    }
    ~Peek() {
        QSqlDatabase::database(name_).close();
        QSqlDatabase::removeDatabase(name_);
    }
    QStringList Column(const QString& column) {
        QSqlQuery q(QSqlDatabase::database(name_));
        q.exec("SELECT " + column + " FROM LoadData ORDER BY rowid");
        QStringList out;
        while (q.next()) {
            out << q.value(0).toString();
        }
        return out;
    }
    bool Exec(const QString& sql) { return QSqlQuery(QSqlDatabase::database(name_)).exec(sql); }
    QSqlDatabase Db() { return QSqlDatabase::database(name_); }

private:
    QString name_;
    static inline int count_ = 0;
};

MeasurementRecord Record(const std::string& mode) {
    MeasurementRecord r;
    r.ModeText = mode;
    r.UnitText = "ft in";
    r.Slots[0] = {"1.500", "m"};
    r.Slots[1] = {"2.000", "ft"};
    r.Slots[3] = {" 12.345", "m2"};
    return r;
}

} // namespace

class TestRecordStore : public QObject {
    Q_OBJECT
private slots:
    void lifecycle() {
        ProgramFolder folder;
        const QString path = folder.LibFile("DistLib.mdb");
        {
            Peek peek(path);
            QVERIFY(peek.Exec("INSERT INTO LoadData (RecNo) VALUES ('old')"));
        }
        RecordStore store(path);
        QVERIFY(store.ADOConnectAccess());
        QVERIFY(!store.Table().IsOpen());
        QCOMPARE(store.Table().rowCount(), 0); // closed at start whatever the file holds
        store.EmptyLoadData();
        QVERIFY(store.Table().IsOpen());
        QCOMPARE(store.Table().rowCount(), 0);
        for (int i = 1; i <= 3; ++i) {
            store.AddRecToLib(i, Record("Area"), RecordLayout::Extended);
            QCOMPARE(store.Table().rowCount(), i); // visible as soon as appended
        }
        Peek peek(path);
        QCOMPARE(peek.Column("RecNo"), QStringList({"1", "2", "3"}));
        QCOMPARE(peek.Column("DIST3"), QStringList({"   ", "   ", "   "}));
        QCOMPARE(peek.Column("RESULT").first(), QString(" 12.345 m2"));
        QCOMPARE(peek.Column("UNIT").first(), QString("ft in"));
        store.AddRecToLib(4, Record("Distance"), RecordLayout::Compact);
        QCOMPARE(peek.Column("UNIT").last(), QString("ft")); // DIST2 suffix for compact meters
        QCOMPARE(store.Table().RowAt(3)[2], QString("ft"));
    }

    void rowTexts() {
        MeasurementRecord r;
        const auto texts = store::RowTexts(12, r, RecordLayout::Extended);
        QCOMPARE(texts[0], QString("12"));
        QCOMPARE(texts[1], QString(" "));
        QCOMPARE(texts[2], QString()); // UnitText starts empty
        QCOMPARE(texts[3], QString("   "));
    }

    void cannotConnect_data() {
        QTest::addColumn<QString>("setup");
        QTest::newRow("file missing") << "missing";
        QTest::newRow("folder missing") << "nofolder";
        QTest::newRow("not a database") << "garbage";
        QTest::newRow("no LoadData table") << "notable";
        QTest::newRow("a column missing") << "nocolumn";
    }
    void cannotConnect() {
        QFETCH(QString, setup);
        ProgramFolder folder(ProgramFolder::Database::Missing);
        QString path = folder.LibFile("DistLib.mdb");
        if (setup == "nofolder") {
            path = folder.Path() + "/nowhere/DistLib.mdb";
        } else if (setup == "garbage") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4096, 'x'));
        } else if (setup != "missing") {
            Peek peek(path);
            QVERIFY(peek.Exec(setup == "notable"
                                  ? "CREATE TABLE Other (a TEXT)"
                                  : "CREATE TABLE LoadData (RecNo TEXT, MODE TEXT)"));
        }
        RecordStore store(path);
        QVERIFY(!store.ADOConnectAccess());
        QVERIFY(!store.LastError().isEmpty());
        QVERIFY(!store.Connected());
        if (setup == "missing" || setup == "nofolder") {
            QVERIFY(!QFile::exists(path)); // never created
        }
        QVERIFY_THROWS_EXCEPTION(store::StoreError, store.EmptyLoadData());
    }

    void editChangesExactlyThatRow() {
        ProgramFolder folder;
        RecordStore store(folder.LibFile("DistLib.mdb"));
        QVERIFY(store.ADOConnectAccess());
        store.EmptyLoadData();
        store.AddRecToLib(1, Record("Same"), RecordLayout::Extended);
        store.AddRecToLib(1, Record("Same"), RecordLayout::Extended); // two rows with equal texts
        auto& table = store.Table();
        QVERIFY(table.setData(table.index(1, 1), "Edited", Qt::EditRole));
        Peek peek(folder.LibFile("DistLib.mdb"));
        QCOMPARE(peek.Column("MODE"), QStringList({"Same", "Edited"}));
        QCOMPARE(table.index(1, 1).data().toString(), QString("Edited"));
        QVERIFY(table.flags(table.index(0, 0)) & Qt::ItemIsEditable);
        QCOMPARE(table.index(0, 3).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    }

    void writeFailuresAreRaised() {
        ProgramFolder folder;
        RecordStore store(folder.LibFile("DistLib.mdb"));
        QVERIFY(store.ADOConnectAccess());
        store.EmptyLoadData();
        store.AddRecToLib(1, Record("Area"), RecordLayout::Extended);
        Peek peek(folder.LibFile("DistLib.mdb"));
        QVERIFY(peek.Exec("BEGIN EXCLUSIVE"));
        auto& table = store.Table();
        try {
            table.setData(table.index(0, 1), "Locked out", Qt::EditRole);
            QFAIL("the edit should have failed");
        } catch (const store::StoreError& e) {
            QVERIFY2(QString(e.what()).contains("locked"), e.what());
        }
        QCOMPARE(table.index(0, 1).data().toString(), QString("Area"));
        QVERIFY_THROWS_EXCEPTION(store::StoreError,
                                 store.AddRecToLib(2, Record("x"), RecordLayout::Extended));
        QVERIFY(peek.Exec("ROLLBACK"));
        QVERIFY(peek.Exec("DROP TABLE LoadData"));
        QVERIFY_THROWS_EXCEPTION(store::StoreError, store.EmptyLoadData());
    }

    void killedDuringADownloadKeepsEveryRow() {
        ProgramFolder folder;
        const QString path = folder.LibFile("DistLib.mdb");
        QProcess child;
        child.start(QString(RANGEDESK_CRASH_CHILD), {path});
        QVERIFY(child.waitForStarted());
        int reported = 0;
        while (reported < 200 && child.waitForReadyRead(10000)) {
            while (child.canReadLine()) {
                reported = child.readLine().trimmed().toInt();
            }
        }
        child.kill(); // SIGKILL
        child.waitForFinished();
        QVERIFY(reported >= 200);
        Peek peek(path);
        QSqlQuery check(peek.Db());
        QVERIFY(check.exec("PRAGMA integrity_check") && check.next());
        QCOMPARE(check.value(0).toString(), QString("ok"));
        const QStringList numbers = peek.Column("RecNo");
        QVERIFY(numbers.size() >= reported);
        for (int i = 0; i < reported; ++i) {
            QCOMPARE(numbers[i], QString::number(i + 1));
        }
    }
};

QTEST_GUILESS_MAIN(TestRecordStore)
#include "test_record_store.moc"
