// rangedesk-cli over the record database, as users meet it: a database the user may only read,
// a file in rollback-journal mode, another process downloading, a --db that is no file, an
// installed program's user data, and a redecode under another locale.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <sys/stat.h>
#include <unistd.h>

#include "cli_run.h"
#include "crash_child_run.h"
#include "program_folder.h"
#include "test_user.h"

namespace {

constexpr auto kUserName = "rdstoreuser";

CliRun Cli(const QStringList& arguments, const QStringList& environment = {}) {
    return RunProgram(RANGEDESK_CLI, arguments, environment);
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMap<QString, QByteArray> FolderState(const QString& folder) {
    QMap<QString, QByteArray> state;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        state.insert(name, Bytes(QDir(folder).filePath(name)));
    }
    return state;
}

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

// A fresh database with downloads of `records` records from a simulated model-3 meter.
QString DatabaseWithDownloads(const QString& path, std::initializer_list<int> records) {
    CopyFreshDatabase(path);
    for (const int count : records) {
        Cli({"download", "--simulate", QString("3:%1").arg(count), "--db", path, "--quiet"});
    }
    return path;
}

void MakeReadableByAll(const QString& path, bool folder) {
    ::chmod(QFile::encodeName(path).constData(), folder ? 0755 : 0644);
}

} // namespace

class TestCliStore : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    // A database the user may only read (root's, in root's folder): listing, showing and
    // exporting its history work and change nothing; a load is refused as read-only.
    void historyOfADatabaseTheUserMayOnlyRead() {
        TestUser user(kUserName);
        if (!user.Made()) {
            QSKIP("needs root to make a user");
        }
        QTemporaryDir place;
        MakeReadableByAll(place.path(), true);
        const QString cli = place.filePath("rangedesk-cli");
        QVERIFY(QFile::copy(RANGEDESK_CLI, cli));
        const QString db = DatabaseWithDownloads(place.filePath("ro.mdb"), {5, 3});
        const QString older = place.filePath("older.mdb");
        CopyFreshDatabase(older);
        Values(older, "INSERT INTO LoadData (RecNo, MODE) VALUES ('1', 'Area')");
        for (const QString& file : {db, older}) {
            MakeReadableByAll(file, false);
        }
        QDir(place.path()).mkdir("out");
        ::chmod(QFile::encodeName(place.filePath("out")).constData(), 0777);
        const auto before = FolderState(place.path());

        CliRun run = user.Run(cli, {"history", "--db", db});
        QVERIFY2(run.exit == 0, run.err.constData());
        QCOMPARE(run.out.count("\tcomplete\n"), 2);
        run = user.Run(cli, {"history", "show", "1", "--db", db});
        QVERIFY2(run.exit == 0, run.err.constData());
        QCOMPARE(run.out.count('\n'), 6); // the header and five records
        const QString csv = place.filePath("out/one.csv");
        run = user.Run(cli, {"history", "export", "1", csv, "--db", db});
        QVERIFY2(run.exit == 0, run.err.constData());
        QCOMPARE(Bytes(csv).count("\r\n"), 6);
        // An older layout is read as the upgrade would make it, without writing it.
        run = user.Run(cli, {"history", "--db", older});
        QVERIFY2(run.exit == 0, run.err.constData());
        QVERIFY2(run.out.contains("1 of 1\t1\timported"), run.out.constData());
        // Writing is refused, with the file and the reason.
        run = user.Run(cli, {"history", "load", "1", "--db", db});
        QCOMPARE(run.exit, 5);
        QVERIFY2(run.err.contains(db.toUtf8()) && run.err.contains("readonly"),
                 run.err.constData());
        QVERIFY(FolderState(place.path()) == before);
    }

    // Reading a database in rollback-journal mode leaves it in that mode, byte for byte, with
    // no log files.
    void readingLeavesARollbackJournalFileAlone() {
        QDir(dir.path()).mkdir("journal");
        const QString db = DatabaseWithDownloads(dir.filePath("journal/DistLib.mdb"), {4});
        QCOMPARE(Values(db, "PRAGMA journal_mode=DELETE"), QVariantList({"delete"}));
        const auto before = FolderState(dir.filePath("journal"));
        const QList<QStringList> reads = {
            {"history", "--db", db},
            {"history", "--json", "--db", db},
            {"history", "show", "1", "--db", db},
            {"history", "show", "1", "--csv", "-", "--db", db},
            {"history", "export", "1", dir.filePath("journal.csv"), "--db", db},
            {"export", "--db", db, dir.filePath("journal.xls")},
            {"print", "--pdf", dir.filePath("journal.pdf"), "--db", db},
        };
        for (const QStringList& arguments : reads) {
            const CliRun run = Cli(arguments);
            QVERIFY2(run.exit == 0, qPrintable(arguments.join(' ') + ": " + run.err));
            QVERIFY2(FolderState(dir.filePath("journal")) == before,
                     qPrintable(arguments.join(' ')));
        }
        QCOMPARE(Values(db, "PRAGMA journal_mode"), QVariantList({"delete"}));
    }

    // While another process downloads, a second writer is refused naming it; the listing calls
    // its download running, and interrupted (with the records it kept) once it is gone.
    void anotherProcessDownloading() {
        const QString db = dir.filePath("busy.mdb");
        CopyFreshDatabase(db);
        DownloadingChild child(db);
        QVERIFY(child.WaitFor(20) >= 20);
        const QByteArray inUse =
            QString("the database is in use by a download (process %1)").arg(child.Pid()).toUtf8();
        const QList<QStringList> writes = {
            {"history", "load", "1", "--db", db},
            {"history", "delete", "1", "--db", db},
            {"history", "redecode", "1", "--db", db},
            {"download", "--simulate", "3:5", "--db", db, "--quiet"},
        };
        for (const QStringList& arguments : writes) {
            const CliRun run = Cli(arguments);
            QCOMPARE(run.exit, 5);
            QVERIFY2(run.err.contains(inUse), run.err.constData());
        }
        CliRun run = Cli({"history", "--json", "--db", db});
        QCOMPARE(run.exit, 0);
        QJsonArray list = QJsonDocument::fromJson(run.out).array();
        QCOMPARE(list.size(), 1); // the refused download left no row
        QCOMPARE(list[0].toObject()["outcome"].toString(), QString("running"));
        QVERIFY(list[0].toObject()["kept"].toInt() >= 20);

        child.Kill();
        const int kept = Values(db, "SELECT COUNT(*) FROM DownloadRecords").first().toInt();
        QVERIFY(kept >= 20);
        run = Cli({"history", "--db", db});
        QCOMPARE(run.exit, 0);
        QVERIFY2(run.out.contains(QString("\t%1 kept\t").arg(kept).toUtf8()) &&
                     run.out.contains("\tinterrupted\n"),
                 run.out.constData());
    }

    // --db naming what is no database file says what it is, at once.
    void databaseThatIsNoFile_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("says");
        QTest::newRow("a folder") << "folder"
                                  << "is a folder";
        QTest::newRow("a FIFO") << "fifo"
                                << "is not a regular file";
    }
    void databaseThatIsNoFile() {
        QFETCH(QString, what);
        QFETCH(QString, says);
        const QString path = dir.filePath("notafile-" + what);
        if (what == "folder") {
            QVERIFY(QDir().mkpath(path));
        } else {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        const QList<QStringList> commands = {
            {"export", "--db", path, dir.filePath("nothing.xls")},
            {"history", "--db", path},
            {"history", "load", "1", "--db", path},
            {"download", "--simulate", "3:2", "--db", path},
        };
        for (const QStringList& arguments : commands) {
            const CliRun run = Cli(arguments);
            QCOMPARE(run.exit, 5);
            QVERIFY2(run.err.contains(says.toUtf8()) && run.err.count(path.toUtf8()) == 1,
                     run.err.constData());
        }
    }

    // An installed program (lib/ the user cannot write) gives the user a private database in
    // the XDG data folder; without HOME it says so instead of writing somewhere odd.
    void installedProgramUserData() {
        TestUser user(kUserName);
        if (!user.Made()) {
            QSKIP("needs root to make a user");
        }
        QTemporaryDir place;
        MakeReadableByAll(place.path(), true);
        QDir(place.path()).mkpath("program/lib");
        MakeReadableByAll(place.filePath("program"), true);
        MakeReadableByAll(place.filePath("program/lib"), true);
        const QString cli = place.filePath("program/rangedesk-cli");
        QVERIFY(QFile::copy(RANGEDESK_CLI, cli));
        QVERIFY(QFile::copy(TemplateDatabase(), place.filePath("program/lib/DistLib.mdb")));
        MakeReadableByAll(place.filePath("program/lib/DistLib.mdb"), false);
        for (const char* folder : {"home", "work"}) {
            QDir(place.path()).mkdir(folder);
            ::chmod(QFile::encodeName(place.filePath(folder)).constData(), 0777);
        }

        CliRun run =
            user.Run(cli, {"history"}, {"HOME=", "XDG_DATA_HOME="}, place.filePath("work"));
        QCOMPARE(run.exit, 5);
        QVERIFY2(run.err.contains("HOME"), run.err.constData());

        // A relative XDG_DATA_HOME is ignored: the database goes under HOME, not the folder
        // the command runs in.
        const QString home = place.filePath("home");
        run = user.Run(cli, {"history"}, {"HOME=" + home, "XDG_DATA_HOME=data"},
                       place.filePath("work"));
        QVERIFY2(run.exit == 0, run.err.constData());
        const QString made = home + "/.local/share/RangeDesk/DistLib.mdb";
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(made).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
        QVERIFY(QDir(place.filePath("work")).isEmpty());
    }

    // Redecoding keeps the decimal separator the download was made with, whatever the locale
    // of the command now.
    void redecodeUnderAnotherLocale() {
        const std::string current = std::setlocale(LC_ALL, nullptr);
        const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        std::setlocale(LC_ALL, current.c_str());
        if (!german) {
            QSKIP("this machine has no de_DE.UTF-8 locale");
        }
        const QString db = DatabaseWithDownloads(dir.filePath("locale.mdb"), {20});
        const QVariantList made = Values(db, "SELECT DIST2 FROM DownloadRecords ORDER BY RecNo");
        QVERIFY(made[1].toString().contains('.'));
        Values(db, "UPDATE DownloadRecords SET DIST2 = 'wrong' WHERE RecNo IN (2, 3)");
        // German numbers, English words: the summary below is compared as text.
        const CliRun run =
            Cli({"history", "redecode", "1", "--db", db}, {"LC_ALL=de_DE.UTF-8", "LANGUAGE=en"});
        QCOMPARE(run.exit, 0);
        QCOMPARE(run.out, QByteArray("Download 1: 2 of 20 records changed.\n"));
        QCOMPARE(Values(db, "SELECT DIST2 FROM DownloadRecords ORDER BY RecNo"), made);
    }
};

QTEST_GUILESS_MAIN(TestCliStore)
#include "test_cli_store.moc"
