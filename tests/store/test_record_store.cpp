// The record database: opening, the LoadData lifecycle, edits by rowid, failures, crashes.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include "crash_child_run.h"
#include "download_history.h"
#include "load_data_model.h"
#include "load_data_row.h"
#include "program_folder.h"
#include "record_store.h"
#include "store_error.h"
#include "store_record_sink.h"
#include "table_sheet.h"

using namespace rangedesk;
using store::LoadDataModel;
using store::RecordStore;
using store::StoreAccess;
using store::StoreRecordSink;

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

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file of a folder with its bytes: what a reader must leave as it found it.
QMap<QString, QByteArray> FolderState(const QString& folder) {
    QMap<QString, QByteArray> state;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        state.insert(name, Bytes(QDir(folder).filePath(name)));
    }
    return state;
}

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

Q_DECLARE_METATYPE(rangedesk::store::StoreErrorKind)

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
        RecordStore store(path, StoreAccess::ReadWrite);
        LoadDataModel table(store);
        StoreRecordSink sink(store);
        store.Open();
        QVERIFY(!table.IsOpen());
        QCOMPARE(table.rowCount(), 0); // closed at start whatever the file holds
        sink.EmptyLoadData();
        QVERIFY(table.IsOpen());
        QCOMPARE(table.rowCount(), 0);
        for (int i = 1; i <= 3; ++i) {
            sink.AddRecToLib(i, Record("Area"), RecordLayout::Extended);
            QCOMPARE(table.rowCount(), i); // visible as soon as appended
        }
        Peek peek(path);
        QCOMPARE(peek.Column("RecNo"), QStringList({"1", "2", "3"}));
        QCOMPARE(peek.Column("DIST3"), QStringList({"   ", "   ", "   "}));
        QCOMPARE(peek.Column("RESULT").first(), QString(" 12.345 m2"));
        QCOMPARE(peek.Column("UNIT").first(), QString("ft in"));
        sink.AddRecToLib(4, Record("Distance"), RecordLayout::Compact);
        QCOMPARE(peek.Column("UNIT").last(), QString("ft")); // DIST2 suffix for compact meters
        QCOMPARE(table.RowAt(3)[2], QString("ft"));
    }

    void rowTexts() {
        MeasurementRecord r;
        const auto texts = records::RowTexts(12, r, RecordLayout::Extended);
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
        RecordStore store(path, StoreAccess::ReadWrite);
        try {
            store.Open();
            QFAIL("the database should not open");
        } catch (const store::StoreError& e) {
            QVERIFY(!e.Reason().isEmpty());
        }
        QVERIFY(!store.IsOpen());
        if (setup == "missing" || setup == "nofolder") {
            QVERIFY(!QFile::exists(path)); // never created
        }
        StoreRecordSink sink(store);
        QVERIFY_THROWS_EXCEPTION(store::StoreError, sink.EmptyLoadData());
    }

    void editChangesExactlyThatRow() {
        ProgramFolder folder;
        RecordStore store(folder.LibFile("DistLib.mdb"), StoreAccess::ReadWrite);
        LoadDataModel table(store);
        StoreRecordSink sink(store);
        store.Open();
        sink.EmptyLoadData();
        sink.AddRecToLib(1, Record("Same"), RecordLayout::Extended);
        sink.AddRecToLib(1, Record("Same"), RecordLayout::Extended); // two rows with equal texts
        QVERIFY(table.setData(table.index(1, 1), "Edited", Qt::EditRole));
        Peek peek(folder.LibFile("DistLib.mdb"));
        QCOMPARE(peek.Column("MODE"), QStringList({"Same", "Edited"}));
        QCOMPARE(table.index(1, 1).data().toString(), QString("Edited"));
        QVERIFY(table.flags(table.index(0, 0)) & Qt::ItemIsEditable);
        QCOMPARE(table.index(0, 3).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    }

    void writeFailuresAreRaised() {
        ProgramFolder folder;
        RecordStore store(folder.LibFile("DistLib.mdb"), StoreAccess::ReadWrite);
        LoadDataModel table(store);
        StoreRecordSink sink(store);
        store.Open();
        sink.EmptyLoadData();
        sink.AddRecToLib(1, Record("Area"), RecordLayout::Extended);
        Peek peek(folder.LibFile("DistLib.mdb"));
        QVERIFY(peek.Exec("BEGIN EXCLUSIVE"));
        try {
            table.setData(table.index(0, 1), "Locked out", Qt::EditRole);
            QFAIL("the edit should have failed");
        } catch (const store::StoreError& e) {
            QVERIFY2(QString(e.what()).contains("locked"), e.what());
        }
        QCOMPARE(table.index(0, 1).data().toString(), QString("Area"));
        QVERIFY_THROWS_EXCEPTION(store::StoreError,
                                 sink.AddRecToLib(2, Record("x"), RecordLayout::Extended));
        QVERIFY(peek.Exec("ROLLBACK"));
        QVERIFY(peek.Exec("DROP TABLE LoadData"));
        QVERIFY_THROWS_EXCEPTION(store::StoreError, sink.EmptyLoadData());
    }

    // Running the program upgrades and fills its own lib/DistLib.mdb; a test's fresh database
    // is the template CMake made where the program never looks, so it starts empty whatever
    // the program did before.
    void freshDatabaseIsThePristineTemplate() {
        const QString programFolder = QFileInfo(QString(RANGEDESK_BUILT_LIB)).absolutePath();
        QVERIFY2(!QFileInfo(TemplateDatabase()).absoluteFilePath().startsWith(programFolder + "/"),
                 qPrintable(TemplateDatabase()));
        ProgramFolder folder;
        Peek peek(folder.LibFile("DistLib.mdb"));
        QSqlQuery q(peek.Db());
        QVERIFY(q.exec("PRAGMA user_version") && q.next());
        QCOMPARE(q.value(0).toInt(), 0);
        QVERIFY(q.exec("SELECT group_concat(name) FROM sqlite_master") && q.next());
        QCOMPARE(q.value(0).toString(), QString("LoadData"));
        QVERIFY(peek.Column("RecNo").isEmpty());
    }

    void killedDuringADownloadKeepsEveryRow() {
        ProgramFolder folder;
        const QString path = folder.LibFile("DistLib.mdb");
        const int reported = RunChildAndKill(path, 200);
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

// Hostile folder names, read-only use, the write-ahead log, locks and NULL fields.
class TestStoreHardening : public QObject {
    Q_OBJECT
    QTemporaryDir base;

    QString Place(const QString& folder) {
        const QString lib = base.filePath(folder + "/lib");
        QDir().mkpath(lib);
        const QString db = lib + "/DistLib.mdb";
        CopyFreshDatabase(db);
        return db;
    }

private slots:
    // Each folder name opens its own file: nothing is cut at "#" or "?", "%41" is no "A".
    void hostileFolderNames_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("hash") << "site#1";
        QTest::newRow("question mark") << "site?x=1";
        QTest::newRow("percent escape") << "site%41";
        QTest::newRow("bad percent") << "site%zz";
        QTest::newRow("blanks") << "my site ";
        QTest::newRow("non-ASCII") << QString::fromUtf8("工地 ü");
    }
    void hostileFolderNames() {
        QFETCH(QString, folder);
        const QString decoy = Place("siteA");
        Peek(decoy).Exec("INSERT INTO LoadData (RecNo) VALUES ('kept')");
        const QString db = Place(folder);
        const QStringList before =
            QDir(base.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        {
            RecordStore store(db, StoreAccess::ReadWrite);
            StoreRecordSink sink(store);
            store.Open();
            sink.EmptyLoadData();
            sink.AddRecToLib(1, Record("Area"), RecordLayout::Extended);
        }
        QCOMPARE(Peek(db).Column("MODE"), QStringList({"Area"}));
        QCOMPARE(Peek(decoy).Column("RecNo"), QStringList({"kept"}));
        QCOMPARE(QDir(base.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        QCOMPARE(QDir(base.filePath(folder + "/lib")).entryList(QDir::Files),
                 QStringList({"DistLib.mdb"})); // checkpointed and closed: no stray files
    }

    void uriEscapesWhatSqliteReads() {
        QCOMPARE(store::DatabaseUri("/a b/c#d?e%41/DistLib.mdb", store::StoreAccess::ReadWrite),
                 QString("file:/a%20b/c%23d%3Fe%2541/DistLib.mdb?mode=rw"));
        QCOMPARE(store::DatabaseUri("/x", store::StoreAccess::ReadOnly),
                 QString("file:/x?mode=ro"));
    }

    // Reading leaves the file's journal as it was.
    void readOnlyUseChangesNothing() {
        const QString db = Place("ro");
        Peek(db).Exec("PRAGMA journal_mode=DELETE");
        {
            RecordStore store(db, store::StoreAccess::ReadOnly);
            LoadDataModel table(store);
            table.Open();
            QVERIFY_THROWS_EXCEPTION(store::StoreError, store.EmptyLoadData());
        }
        Peek peek(db);
        QSqlQuery mode("PRAGMA journal_mode", peek.Db());
        QVERIFY(mode.next());
        QCOMPARE(mode.value(0).toString(), QString("delete"));
        QVERIFY(!QFile::exists(db + "-wal"));
    }

    // Whatever cannot be opened says so once: which file, and why, in words.
    void openingFailuresSayThePathOnceAndWhy_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<store::StoreErrorKind>("kind");
        QTest::addColumn<QString>("reason");
        using K = store::StoreErrorKind;
        QTest::newRow("missing") << "missing" << K::Missing << "No such file or directory";
        QTest::newRow("folder missing") << "nofolder" << K::Missing << "No such file or directory";
        QTest::newRow("a folder") << "folder" << K::NotOurs << "it is a folder";
        QTest::newRow("a FIFO") << "fifo" << K::NotOurs << "it is not a regular file";
        QTest::newRow("a link to /dev/zero") << "zero" << K::NotOurs << "it is not a regular file";
        QTest::newRow("not a database") << "garbage" << K::NotOurs << "file is not a database";
        QTest::newRow("empty file") << "empty" << K::NotOurs << "no such table: LoadData";
        QTest::newRow("a column missing") << "nocolumn" << K::NotOurs << "no such column";
    }
    void openingFailuresSayThePathOnceAndWhy() {
        QFETCH(QString, setup);
        QFETCH(store::StoreErrorKind, kind);
        QFETCH(QString, reason);
        const QString dir = base.filePath("fail-" + setup);
        QDir().mkpath(dir);
        QString path = dir + "/DistLib.mdb";
        const QByteArray name = QFile::encodeName(path);
        if (setup == "nofolder") {
            path = dir + "/nowhere/DistLib.mdb";
        } else if (setup == "folder") {
            QDir().mkpath(path);
        } else if (setup == "fifo") {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (setup == "zero") {
            QCOMPARE(::symlink("/dev/zero", name.constData()), 0);
        } else if (setup == "garbage" || setup == "empty") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(setup == "garbage" ? QByteArray(4096, 'x') : QByteArray());
        } else if (setup == "nocolumn") {
            QVERIFY(Peek(path).Exec("CREATE TABLE LoadData (RecNo TEXT, MODE TEXT)"));
        }
        for (const StoreAccess access : {StoreAccess::ReadOnly, StoreAccess::ReadWrite}) {
            RecordStore store(path, access);
            try {
                store.Open();
                QFAIL("it should not open");
            } catch (const store::StoreError& e) {
                const QString message = e.Message();
                QCOMPARE(e.Kind(), kind);
                QVERIFY2(message.contains(reason), e.what());
                QCOMPARE(message.count(path), 1);
                QVERIFY2(message.startsWith("cannot open " + path + ": "), e.what());
                QVERIFY2(!message.contains("Unable to"), e.what());
            }
        }
        if (setup == "missing" || setup == "nofolder") {
            QVERIFY(!QFile::exists(path)); // never created
        }
    }

    // A command that only reads leaves the folder as it found it, byte for byte: no journal
    // mode switched, no upgrade, no log files; an older layout is read as the upgrade would
    // make it, in memory.
    void readingChangesNothing_data() {
        QTest::addColumn<QString>("journal");
        QTest::addColumn<bool>("upgraded");
        QTest::newRow("write-ahead log") << "wal" << true;
        QTest::newRow("rollback journal") << "delete" << true;
        QTest::newRow("write-ahead log, older layout") << "wal" << false;
        QTest::newRow("rollback journal, older layout") << "delete" << false;
    }
    void readingChangesNothing() {
        QFETCH(QString, journal);
        QFETCH(bool, upgraded);
        const QString db = Place(QString("read-%1-%2").arg(journal).arg(upgraded));
        QVERIFY(Peek(db).Exec("INSERT INTO LoadData VALUES ('1','Area','m','1.500 m','2.000 m',"
                              "'   ',' 3.00 m2'), ('2','Single','m','','','',' 2.227 m')"));
        if (upgraded) {
            RecordStore writer(db, StoreAccess::ReadWrite);
            writer.Open();
        }
        QVERIFY(Peek(db).Exec("PRAGMA journal_mode=" + journal));
        const QString folder = QFileInfo(db).absolutePath();
        const auto before = FolderState(folder);
        QCOMPARE(before.keys(), QStringList({"DistLib.mdb"}));
        {
            RecordStore store(db, StoreAccess::ReadOnly);
            LoadDataModel table(store);
            table.Open();
            QCOMPARE(table.rowCount(), 2);
            const store::DownloadHistory history(store);
            const auto list = history.List();
            QCOMPARE(list.size(), 1u);
            QCOMPARE(list[0].Outcome, QString("imported"));
            QCOMPARE(list[0].Kept, 2);
            QCOMPARE(history.Records(list[0].Id).size(), 2u);
            QVERIFY_THROWS_EXCEPTION(store::StoreError, store.EmptyLoadData());
        }
        const auto after = FolderState(folder);
        QCOMPARE(after.keys(), before.keys());
        QVERIFY(after == before);
    }

    // After a checkpoint a copy of DistLib.mdb alone holds every row.
    void checkpointPutsTheRowsInTheFile() {
        const QString db = Place("wal");
        RecordStore store(db, StoreAccess::ReadWrite);
        StoreRecordSink sink(store);
        store.Open();
        sink.EmptyLoadData();
        for (int i = 1; i <= 5; ++i) {
            sink.AddRecToLib(i, Record("Area"), RecordLayout::Extended);
        }
        store.Checkpoint();
        const QString copy = base.filePath("backup.mdb");
        QFile::remove(copy);
        QVERIFY(QFile::copy(db, copy));
        QCOMPARE(Peek(copy).Column("RecNo").size(), 5);
    }

    // A lock held at start is waited out for a while, and the next use opens the database.
    void lockAtStartIsRetried() {
        const QString db = Place("locked");
        Peek holder(db);
        QVERIFY(holder.Exec("PRAGMA journal_mode=DELETE")); // as a file another program wrote
        QVERIFY(holder.Exec("BEGIN EXCLUSIVE"));
        RecordStore store(db, StoreAccess::ReadWrite);
        StoreRecordSink sink(store);
        try {
            store.Open();
            QFAIL("the lock should keep it from opening");
        } catch (const store::StoreError& e) {
            QVERIFY2(e.Message().contains("locked"), e.what());
            QCOMPARE(e.Kind(), store::StoreErrorKind::Locked);
        }
        QVERIFY(holder.Exec("COMMIT"));
        sink.EmptyLoadData(); // opens it now
        sink.AddRecToLib(1, Record("Area"), RecordLayout::Extended);
        QCOMPARE(Peek(db).Column("RecNo"), QStringList({"1"}));
    }

    // A NULL written by another program is no value: the legacy sheet gets a BLANK cell.
    void nullFieldIsNoValue() {
        const QString db = Place("nulls");
        Peek(db).Exec("INSERT INTO LoadData (RecNo, MODE) VALUES ('1', NULL)");
        RecordStore store(db, store::StoreAccess::ReadOnly);
        LoadDataModel table(store);
        table.Open();
        QVERIFY(table.index(0, 1).data(Qt::EditRole).isNull());
        QCOMPARE(table.index(0, 1).data(Qt::DisplayRole).toString(), QString());
        const auto sheet = output::SheetFromTable(table, output::AllColumns(table));
        QCOMPARE(sheet.Rows[0][1].kind, output::SheetCell::Kind::Blank);
        QCOMPARE(sheet.Rows[0][0].kind, output::SheetCell::Kind::Label);
    }
};

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    TestRecordStore store;
    TestStoreHardening hardening;
    return QTest::qExec(&store, argc, argv) | QTest::qExec(&hardening, argc, argv);
}
#include "test_record_store.moc"
