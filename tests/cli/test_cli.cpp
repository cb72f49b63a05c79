// rangedesk-cli as a user runs it: every command against the simulated meter, through a real
// process, with its output, files and exit status.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

#include "cli_options.h"
#include "csv_text.h"
#include "program_folder.h"
#include "progress_line.h"

using namespace rangedesk;

namespace {

constexpr int kRunMs = 60000;

struct Run {
    int exit = -1;
    QByteArray out;
    QByteArray err;
};

Run Cli(const QStringList& arguments, const QByteArray& input = {},
        const QStringList& environment = {}, const QString& standardOutput = {}) {
    QProcess process;
    if (!standardOutput.isEmpty()) {
        process.setStandardOutputFile(standardOutput);
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& pair : environment) {
        env.insert(pair.section('=', 0, 0), pair.section('=', 1));
    }
    process.setProcessEnvironment(env);
    process.start(RANGEDESK_CLI, arguments);
    process.waitForStarted();
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(kRunMs)) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A fresh copy of the program's empty database.
QString FreshDatabase(const QTemporaryDir& dir, const QString& name = "DistLib.mdb") {
    const QString path = dir.filePath(name);
    CopyFreshDatabase(path);
    return path;
}

QStringList Rows(const QString& database) {
    QStringList rows;
    {
        auto db = QSqlDatabase::addDatabase("QSQLITE", "peek");
        db.setDatabaseName(database);
        if (db.open()) {
            QSqlQuery q("SELECT RecNo, MODE, UNIT, DIST1, DIST2, DIST3, RESULT FROM LoadData "
                        "ORDER BY rowid",
                        db);
            while (q.next()) {
                QStringList fields;
                for (int c = 0; c < 7; ++c) {
                    fields << q.value(c).toString();
                }
                rows << fields.join('|');
            }
        }
    }
    QSqlDatabase::removeDatabase("peek");
    return rows;
}

// The CSV lines without their CRLF, the byte-order mark taken off.
QStringList CsvLines(QByteArray csv) {
    if (csv.startsWith(output::kUtf8Bom)) {
        csv.remove(0, 3);
    }
    QStringList lines = QString::fromUtf8(csv).split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void usageErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("says");
        QTest::newRow("no command") << QStringList{} << "no command";
        QTest::newRow("unknown command") << QStringList{"fly"} << "unknown command \"fly\"";
        QTest::newRow("unknown option")
            << QStringList{"download", "--fast"} << "download takes no option --fast";
        QTest::newRow("option of another command")
            << QStringList{"read", "--csv", "-"} << "read takes no option --csv";
        QTest::newRow("decode without a model") << QStringList{"decode"} << "--model";
        QTest::newRow("model 0") << QStringList{"decode", "--model", "0"} << "from 1 to 4";
        QTest::newRow("model 5") << QStringList{"decode", "--model", "5"} << "from 1 to 4";
        QTest::newRow("model -1") << QStringList{"decode", "--model=-1"} << "from 1 to 4";
        QTest::newRow("export without a file") << QStringList{"export"} << "one FILE";
        QTest::newRow("bad simulation")
            << QStringList{"--simulate", "9", "read"} << "MODEL[:RECORDS[:LATENCY_MS]]";
        QTest::newRow("no-db without csv") << QStringList{"download", "--no-db"} << "--csv";
        QTest::newRow("missing value") << QStringList{"export", "--db"} << "--db needs a value";
        QTest::newRow("empty --db")
            << QStringList{"export", "--db", "", "out.csv"} << "--db needs a file name";
        QTest::newRow("empty --csv")
            << QStringList{"download", "--csv", ""} << "--csv needs a file name";
        QTest::newRow("empty export file") << QStringList{"export", ""} << "needs a file name";
        QTest::newRow("option of another action")
            << QStringList{"history", "load", "1", "--csv", "-"}
            << "history load takes no option --csv";
        QTest::newRow("--db where no database is used")
            << QStringList{"devices", "--db", "x.mdb"} << "devices takes no option --db";
        QTest::newRow("unknown action")
            << QStringList{"history", "fly", "1"} << "history has no action \"fly\"";
        QTest::newRow("download ID that is no number")
            << QStringList{"history", "show", "x"} << "history show needs a download ID";
        QTest::newRow("unknown option alone") << QStringList{"--fast"} << "unknown option --fast";
    }
    void usageErrors() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, says);
        const Run run = Cli(arguments);
        QCOMPARE(run.exit, 1);
        QVERIFY2(run.err.contains(says.toUtf8()), run.err.constData());
        QVERIFY(run.out.isEmpty());
    }

    void helpAndVersion() {
        Run run = Cli({"--help"});
        QCOMPARE(run.exit, 0);
        QVERIFY(run.out.contains("Commands:") && run.out.contains("130  interrupted"));
        for (const char* command : {"devices", "read", "download", "export", "decode", "print"}) {
            run = Cli({command, "--help"});
            QCOMPARE(run.exit, 0);
            QVERIFY2(run.out.contains(QByteArray("Usage: rangedesk-cli ") + command),
                     run.out.constData());
            QVERIFY(run.out.contains("Example"));
        }
        run = Cli({"--version"});
        QCOMPARE(run.exit, 0);
        QVERIFY(run.out.startsWith("rangedesk-cli 1."));
        QVERIFY(run.out.contains("database: "));
    }

    void devices() {
        Run run = Cli({"devices", "--simulate", "3"});
        QCOMPARE(run.exit, 0);
        QVERIFY2(run.out.startsWith("model 3  0486:5750  sim:hid"), run.out.constData());
        QVERIFY(run.out.contains("can be opened"));
        run = Cli({"devices", "--json", "--simulate", "4"});
        QCOMPARE(run.exit, 0);
        const QJsonArray list = QJsonDocument::fromJson(run.out).array();
        QCOMPARE(list.size(), 1);
        const QJsonObject meter = list[0].toObject();
        QCOMPARE(meter["model"].toInt(), 4);
        QCOMPARE(meter["vendor"].toString(), QString("0486"));
        QCOMPARE(meter["product"].toString(), QString("5752"));
        QCOMPARE(meter["access"].toBool(), true);
        // A meter that cannot be opened comes with the fix.
        run = Cli({"devices", "--simulate", "1"}, {}, {"RANGEDESK_SIM_ACCESS=none"});
        QCOMPARE(run.exit, 3);
        QVERIFY(run.out.contains("cannot be opened"));
        QVERIFY(run.err.contains("70-rangedesk.rules"));
        // A device node that is no meter names the meters there are.
        run = Cli({"read", "--simulate", "1", "--device", "/dev/null"});
        QCOMPARE(run.exit, 2);
        QVERIFY2(run.err.contains("no meter found at /dev/null; meters found: sim:hid1"),
                 run.err.constData());
    }

    void read() {
        Run run = Cli({"read", "--simulate", "3"});
        QCOMPARE(run.exit, 0);
        QCOMPARE(run.out, QByteArray("2.346 m\n"));
        run = Cli({"--simulate", "2", "read", "--json"});
        QCOMPARE(run.exit, 0);
        const QJsonObject reading = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(reading["distance_m"].toDouble(), 2.3456);
        QCOMPARE(reading["text"].toString(), QString("2.346 m"));
    }

    void noMeterAndNoAccess() {
        Run run = Cli({"--device", "/dev/hidraw99", "--simulate", "3", "read"});
        QCOMPARE(run.exit, 2);
        QVERIFY(run.err.contains("no meter found"));
        run = Cli({"read", "--simulate", "3"}, {}, {"RANGEDESK_SIM_ACCESS=none"});
        QCOMPARE(run.exit, 3);
        QVERIFY(run.err.contains("udev rule"));
        run = Cli({"download", "--simulate", "3"}, {}, {"RANGEDESK_SIM_ACCESS=none"});
        QCOMPARE(run.exit, 3);
    }

    // The same texts in the database and in the CSV, a mark only in a file.
    void downloadIntoDatabaseAndCsv() {
        const QString db = FreshDatabase(dir);
        Run run = Cli({"download", "--simulate", "3:20:1", "--db", db, "--csv", "-"});
        QCOMPARE(run.exit, 0);
        QVERIFY2(run.err.contains("20 of 20 records stored."), run.err.constData());
        QVERIFY(!run.out.startsWith(output::kUtf8Bom));
        const QStringList lines = CsvLines(run.out);
        QCOMPARE(lines.first(), QString("RecNo,MODE,UNIT,DIST1,DIST2,DIST3,RESULT"));
        const QStringList rows = Rows(db);
        QCOMPARE(rows.size(), 20);
        QCOMPARE(lines.size(), 21);
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(lines[i + 1].split(',').join('|'), rows[i]);
        }
        // Progress, one line a tenth, when standard error is no terminal.
        QVERIFY(run.err.contains("Record 1 of 20\n") && run.err.contains("Record 20 of 20\n"));

        const QString csv = dir.filePath("records.csv");
        run = Cli({"download", "--simulate", "1:5", "--no-db", "--csv", csv, "--quiet"});
        QCOMPARE(run.exit, 0);
        QVERIFY(!run.err.contains("Record 1 of"));
        const QByteArray file = ReadFile(csv);
        QVERIFY(file.startsWith(output::kUtf8Bom));
        QCOMPARE(CsvLines(file).size(), 6);
        QCOMPARE(Rows(db).size(), 20); // --no-db left the database alone
    }

    // Every CSV follows one rule: ";" where the locale writes decimals with a comma.
    void csvSeparatorFollowsTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("header");
        QTest::newRow("C") << "C.UTF-8"
                           << "RecNo,MODE,UNIT,DIST1,DIST2,DIST3,RESULT";
        QTest::newRow("de_DE") << "de_DE.UTF-8"
                               << "RecNo;MODE;UNIT;DIST1;DIST2;DIST3;RESULT";
    }
    void csvSeparatorFollowsTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, header);
        const QString db = FreshDatabase(dir, "locale.mdb");
        const QStringList env{"LC_ALL=" + locale, "LANG=" + locale};
        const Run download =
            Cli({"download", "--simulate", "3:2", "--db", db, "--csv", "-", "--quiet"}, {}, env);
        QCOMPARE(download.exit, 0);
        QCOMPARE(CsvLines(download.out).first(), header);
        const Run exported = Cli({"export", "--db", db, "-"}, {}, env);
        QCOMPARE(CsvLines(exported.out).first(), header);
        const Run shown = Cli({"history", "show", "1", "--csv", "-", "--db", db}, {}, env);
        QCOMPARE(CsvLines(shown.out).first(), header);
    }

    // A CSV target that cannot be written is found before the meter is asked anything: the
    // database keeps what it held.
    void unwritableCsvTargetChangesNothing() {
        const QString db = FreshDatabase(dir, "target.mdb");
        QCOMPARE(Cli({"download", "--simulate", "3:4", "--db", db, "--quiet"}).exit, 0);
        const Run run = Cli({"download", "--simulate", "3:2", "--db", db, "--csv",
                             dir.filePath("no/such/folder/x.csv")});
        QCOMPARE(run.exit, 5);
        QCOMPARE(Rows(db).size(), 4);
        const QJsonArray list =
            QJsonDocument::fromJson(Cli({"history", "--json", "--db", db}).out).array();
        QCOMPARE(list.size(), 1);
    }

    void incompleteDownloads_data() {
        QTest::addColumn<QString>("faults");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("says");
        QTest::newRow("unreadable record")
            << "ATR003#:checksum" << 5 << "5 of 6 records stored; missing: 3.";
        QTest::newRow("unplugged") << "unplug:3" << 2 << "2 of 6 records stored; missing: 3-6.";
        QTest::newRow("no count") << "ATR???#:noreply" << 0 << "did not answer";
    }
    void incompleteDownloads() {
        QFETCH(QString, faults);
        QFETCH(int, stored);
        QFETCH(QString, says);
        const QString db = FreshDatabase(dir);
        const Run run = Cli({"download", "--simulate", "1:6", "--db", db}, {},
                            {"RANGEDESK_SIM_FAULTS=" + faults});
        QCOMPARE(run.exit, 4);
        QVERIFY2(run.err.contains(says.toUtf8()), run.err.constData());
        QCOMPARE(Rows(db).size(), stored);
    }

    // Ctrl+C cancels: what was stored stays, the summary is printed, exit 130.
    void interruptCancels() {
        const QString db = FreshDatabase(dir);
        QProcess process;
        QByteArray err;
        QObject::connect(&process, &QProcess::readyReadStandardError,
                         [&] { err += process.readAllStandardError(); });
        process.start(RANGEDESK_CLI, {"download", "--simulate", "3:300:20", "--db", db});
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(err.contains("Record 30 of 300"), kRunMs);
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        QVERIFY(process.waitForFinished(kRunMs));
        err += process.readAllStandardError();
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 130);
        const int rows = int(Rows(db).size());
        QVERIFY(rows >= 29 && rows < 300);
        QVERIFY2(err.contains(
                     QString("Download cancelled: %1 of 300 records stored.").arg(rows).toUtf8()),
                 err.constData());
    }

    void decodeCapturedReplies_data() {
        QTest::addColumn<int>("model");
        QTest::newRow("compact") << 1;
        QTest::newRow("extended") << 3;
    }
    void decodeCapturedReplies() {
        QFETCH(int, model);
        const QString data = QString(RANGEDESK_DECODE_DATA) + "/model" + QString::number(model);
        const Run run = Cli({"decode", "--model", QString::number(model)}, ReadFile(data + ".hex"));
        QCOMPARE(run.exit, 0);
        QCOMPARE(run.out, ReadFile(data + ".expected"));
    }
    void decodeBadLines() {
        const Run run =
            Cli({"decode", "--model", "3"}, ReadFile(QString(RANGEDESK_DECODE_DATA) + "/bad.hex"));
        QCOMPARE(run.exit, 5);
        QVERIFY(run.err.contains("line 1: not hexadecimal"));
        QVERIFY(run.err.contains("line 2: 4 bytes"));
    }

    // Standard input that is a folder is an error, not an empty input.
    void decodeFromAFolder() {
        QProcess shell;
        shell.start(
            "sh",
            {"-c",
             QString("'%1' decode --model 3 < '%2'").arg(QString(RANGEDESK_CLI), dir.path())});
        QVERIFY(shell.waitForFinished(kRunMs));
        QCOMPARE(shell.exitCode(), 5);
        QVERIFY(shell.readAllStandardError().contains("standard input: it is a folder"));
    }

    void exportFormats() {
        const QString db = FreshDatabase(dir);
        QCOMPARE(Cli({"download", "--simulate", "4:3", "--db", db, "--quiet"}).exit, 0);
        const QString xls = dir.filePath("out.XLS");
        Run run = Cli({"export", "--db", db, xls});
        QCOMPARE(run.exit, 0);
        QVERIFY(run.err.contains("Exported 3 records"));
        QCOMPARE(ReadFile(xls).left(18).toHex(),
                 QByteArray("09080800000010000000000042000200a803"));
        run = Cli({"export", "--db", db, "--format", "csv", "-"});
        QCOMPARE(run.exit, 0);
        QCOMPARE(CsvLines(run.out).size(), 4);
        QVERIFY(!run.out.startsWith(output::kUtf8Bom));
        const QString csv = dir.filePath("out.csv");
        QCOMPARE(Cli({"export", "--db", db, csv}).exit, 0);
        QVERIFY(ReadFile(csv).startsWith(output::kUtf8Bom));
        // A workbook goes to standard output too, whole.
        run = Cli({"export", "--db", db, "--format", "xlsx", "-"});
        QCOMPARE(run.exit, 0);
        QVERIFY(run.out.startsWith("PK\x03\x04"));
        QVERIFY(run.out.contains("xl/worksheets/sheet1.xml"));
    }

    // A full standard output or device is an error with the system's reason, never exit 0.
    void fullOutput_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("says");
        const QString stdoutFull = "cannot write standard output: No space left on device";
        for (const char* format : {"csv", "xls", "xlsx"}) {
            QTest::addRow("export %s", format)
                << QStringList{"export", "--format", format, "-"} << stdoutFull;
        }
        QTest::newRow("download to standard output")
            << QStringList{"download", "--simulate", "3:3", "--no-db", "--csv", "-"} << stdoutFull;
        QTest::newRow("history show into a full device")
            << QStringList{"history", "show", "1", "--csv", "/dev/full"}
            << "cannot write /dev/full: No space left on device";
        QTest::newRow("history show") << QStringList{"history", "show", "1"} << stdoutFull;
        QTest::newRow("history list") << QStringList{"history", "--json"} << stdoutFull;
        QTest::newRow("print to standard output")
            << QStringList{"print", "--pdf", "-"} << stdoutFull;
        QTest::newRow("read") << QStringList{"read", "--simulate", "3"} << stdoutFull;
        QTest::newRow("devices") << QStringList{"devices", "--simulate", "3"} << stdoutFull;
        QTest::newRow("version") << QStringList{"--version"} << stdoutFull;
    }
    void fullOutput() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, says);
        const QString db = FreshDatabase(dir, "full.mdb");
        QCOMPARE(Cli({"download", "--simulate", "3:3", "--db", db, "--quiet"}).exit, 0);
        if (arguments[0] == "history" || arguments[0] == "export" || arguments[0] == "print") {
            arguments << "--db" << db;
        }
        const Run run = Cli(arguments, {}, {}, "/dev/full");
        QCOMPARE(run.exit, 5);
        QVERIFY2(run.err.contains(says.toUtf8()), run.err.constData());
    }

    // Names that are not UTF-8 are the bytes they are: the database opens and the export goes
    // to exactly that name.
    void namesThatAreNotUtf8() {
        const QString db = FreshDatabase(dir, "latin.mdb");
        QCOMPARE(Cli({"download", "--simulate", "3:3", "--db", db, "--quiet"}).exit, 0);
        QProcess shell;
        shell.setWorkingDirectory(dir.path());
        shell.start("sh", {"-c", QString("db=$(printf 'caf\\351.mdb'); cp '%1' \"$db\" && "
                                         "'%2' export --db \"$db\" \"$(printf 'r\\377.csv')\"")
                                     .arg(db, QString(RANGEDESK_CLI))});
        QVERIFY(shell.waitForFinished(kRunMs));
        QVERIFY2(shell.exitCode() == 0, shell.readAllStandardError().constData());
        const std::filesystem::path written =
            std::filesystem::path(dir.path().toStdString()) / "r\377.csv";
        std::ifstream in(written, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        QCOMPARE(CsvLines(QByteArray::fromStdString(bytes)).size(), 4);
    }

    // A reader that goes away ends the download as failed, with the reason, never "running".
    void readerGoneEndsTheDownload() {
        const QString db = FreshDatabase(dir, "pipe.mdb");
        QProcess shell;
        shell.start("sh", {"-c", QString("'%1' download --simulate 3:400 --db '%2' --csv - "
                                         "--quiet | head -c 10 > /dev/null; echo $? >&2")
                                     .arg(QString(RANGEDESK_CLI), db)});
        QVERIFY(shell.waitForFinished(kRunMs));
        const QByteArray err = shell.readAllStandardError();
        QVERIFY2(err.contains("Broken pipe"), err.constData());
        const Run run = Cli({"history", "--json", "--db", db});
        const QJsonArray list = QJsonDocument::fromJson(run.out).array();
        QCOMPARE(list.size(), 1);
        QCOMPARE(list[0].toObject()["outcome"].toString(), QString("failed"));
    }

    // The database is never an output of a command, however it is named.
    void databaseIsNeverAnOutput_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("export") << QStringList{"export", "DB"};
        QTest::newRow("export through ..") << QStringList{"export", "sub/../protected.mdb"};
        QTest::newRow("print") << QStringList{"print", "--pdf", "DB-wal"};
        QTest::newRow("download csv")
            << QStringList{"download", "--simulate", "3:2", "--csv", "DB"};
        QTest::newRow("history export") << QStringList{"history", "export", "1", "DB"};
        QTest::newRow("history show") << QStringList{"history", "show", "1", "--csv", "DB-shm"};
    }
    void databaseIsNeverAnOutput() {
        QFETCH(QStringList, arguments);
        QTemporaryDir place;
        QDir(place.path()).mkdir("sub");
        const QString db = FreshDatabase(place, "protected.mdb");
        QCOMPARE(Cli({"download", "--simulate", "3:3", "--db", db, "--quiet"}).exit, 0);
        const QByteArray before = ReadFile(db);
        arguments.replaceInStrings("DB", db);
        arguments.replaceInStrings(QRegularExpression("^sub/"), place.path() + "/sub/");
        const Run run = Cli(arguments + QStringList{"--db", db});
        QCOMPARE(run.exit, 5);
        QVERIFY2(run.err.contains("is the record database"), run.err.constData());
        QCOMPARE(ReadFile(db), before);
        QCOMPARE(Rows(db).size(), 3);
    }

    void exportRefusals() {
        Run run = Cli({"export", "--db", dir.filePath("none.mdb"), dir.filePath("x.xls")});
        QCOMPARE(run.exit, 5);
        QVERIFY(run.err.contains("cannot open"));
        QVERIFY(!QFile::exists(dir.filePath("x.xls")));
        const QString empty = FreshDatabase(dir, "empty.mdb");
        run = Cli({"export", "--db", empty, dir.filePath("empty.xls")});
        QCOMPARE(run.exit, 5);
        QVERIFY2(run.err.contains("no records"), run.err.constData());
        QVERIFY(!QFile::exists(dir.filePath("empty.xls")));
    }

    // A target that is not a regular file is refused and stays what it was.
    void specialTargetsAreNeverReplaced() {
        const QString db = FreshDatabase(dir);
        QCOMPARE(Cli({"download", "--simulate", "3:3", "--db", db, "--quiet"}).exit, 0);
        const QString fifo = dir.filePath("pipe.csv");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        for (const QString& target : {QString("/dev/null"), fifo}) {
            const Run run = Cli({"export", "--db", db, "--format", "csv", target});
            QCOMPARE(run.exit, 5);
            QVERIFY2(run.err.contains("not a regular file"), run.err.constData());
        }
        struct stat st {};
        QCOMPARE(::stat("/dev/null", &st), 0);
        QVERIFY(S_ISCHR(st.st_mode));
        QCOMPARE(::stat(QFile::encodeName(fifo).constData(), &st), 0);
        QVERIFY(S_ISFIFO(st.st_mode));
    }

    // More rows than the legacy format holds: refused before any file is touched.
    void xlsLimit() {
        const QString db = FreshDatabase(dir, "big.mdb");
        {
            auto sql = QSqlDatabase::addDatabase("QSQLITE", "fill");
            sql.setDatabaseName(db);
            QVERIFY(sql.open());
            QSqlQuery q(sql);
            QVERIFY(q.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                           "WHERE i < 16384) INSERT INTO LoadData (RecNo, MODE) "
                           "SELECT i, 'Area' FROM n"));
        }
        QSqlDatabase::removeDatabase("fill");
        const QString xls = dir.filePath("big.xls");
        Run run = Cli({"export", "--db", db, xls});
        QCOMPARE(run.exit, 5);
        QVERIFY2(run.err.contains("16384 records are more than an Excel 97-2003 (.XLS) file "
                                  "holds (16383)") &&
                     run.err.contains(".xlsx"),
                 run.err.constData());
        QVERIFY(!QFile::exists(xls));
        run = Cli({"export", "--db", db, dir.filePath("big.xlsx")});
        QCOMPARE(run.exit, 0);
    }

    // As an ordinary user, the cases root never meets: each gives a clear message and changes
    // nothing that existed.
    void permissionsOfAnOrdinaryUser() {
        if (::geteuid() != 0 || QProcess::execute("useradd", {"-M", "-N", "rdtestuser"}) != 0) {
            QSKIP("needs root to create a user");
        }
        struct RemoveUser {
            ~RemoveUser() { QProcess::execute("userdel", {"rdtestuser"}); }
        } removeUser;
        QTemporaryDir place;
        QFile::setPermissions(place.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadOther | QFile::ExeOther |
                                                QFile::ReadGroup | QFile::ExeGroup);
        const QString cli = place.filePath("rangedesk-cli");
        QVERIFY(QFile::copy(RANGEDESK_CLI, cli));
        const auto asUser = [&](const QStringList& arguments) {
            QProcess process;
            process.start("runuser", QStringList{"-u", "rdtestuser", "--", cli} + arguments);
            process.waitForFinished(kRunMs);
            return Run{process.exitCode(), process.readAllStandardOutput(),
                       process.readAllStandardError()};
        };
        const QFile::Permissions readable =
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        // A read-only database (root's, readable by all).
        const QString db = FreshDatabase(place, "ro.mdb");
        QVERIFY(QFile::setPermissions(db, readable));
        const QByteArray before = ReadFile(db);
        Run run = asUser({"download", "--simulate", "3:5", "--db", db, "--quiet"});
        QCOMPARE(run.exit, 5);
        QVERIFY2(run.err.contains(db.toUtf8()) && run.err.contains("readonly"),
                 run.err.constData());
        QCOMPARE(ReadFile(db), before);
        // Reading it is fine, and changes nothing.
        run = asUser({"export", "--db", db, "--format", "csv", "-"});
        QCOMPARE(run.exit, 5); // no records: said, nothing written
        QVERIFY2(run.err.contains("no records"), run.err.constData());
        QCOMPARE(ReadFile(db), before);
        // A writable database in a folder the user cannot write: its journal cannot be made.
        QDir(place.path()).mkdir("lib");
        const QString inLib = FreshDatabase(place, "lib/DistLib.mdb");
        QVERIFY(QFile::setPermissions(inLib, readable | QFile::WriteOther));
        const QByteArray libBefore = ReadFile(inLib);
        run = asUser({"download", "--simulate", "3:5", "--db", inLib, "--quiet"});
        QCOMPARE(run.exit, 5);
        QVERIFY2(run.err.contains(inLib.toUtf8()), run.err.constData());
        QCOMPARE(ReadFile(inLib), libBefore);
        // An export into a folder the user cannot write.
        const QString full = FreshDatabase(place, "full.mdb");
        QCOMPARE(Cli({"download", "--simulate", "3:3", "--db", full, "--quiet"}).exit, 0);
        QVERIFY(QFile::setPermissions(full, readable));
        run = asUser({"export", "--db", full, place.filePath("lib/out.csv")});
        QCOMPARE(run.exit, 5);
        QVERIFY2(run.err.contains("Permission denied"), run.err.constData());
        QVERIFY(!QFile::exists(place.filePath("lib/out.csv")));
    }

    void printToPdf() {
        const QString db = FreshDatabase(dir);
        QCOMPARE(Cli({"download", "--simulate", "3:40", "--db", db, "--quiet"}).exit, 0);
        const QString pdf = dir.filePath("records.pdf");
        Run run = Cli({"print", "--pdf", pdf, "--db", db});
        QCOMPARE(run.exit, 0);
        QVERIFY(ReadFile(pdf).startsWith("%PDF"));
        const QString empty = FreshDatabase(dir, "empty.mdb");
        run = Cli({"print", "--pdf", dir.filePath("none.pdf"), "--db", empty});
        QCOMPARE(run.exit, 5);
        QVERIFY(run.err.contains("Have No Data in Database,Can not to Print!"));
        QVERIFY(!QFile::exists(dir.filePath("none.pdf")));
    }

    // Every download kept, from the command line.
    void history() {
        const QString db = FreshDatabase(dir, "history.mdb");
        QCOMPARE(Cli({"download", "--simulate", "1:6", "--db", db, "--quiet"}).exit, 0);
        QCOMPARE(Cli({"download", "--simulate", "1:4", "--db", db, "--quiet"}).exit, 0);
        Run run = Cli({"history", "--json", "--db", db});
        QCOMPARE(run.exit, 0);
        const QJsonArray list = QJsonDocument::fromJson(run.out).array();
        QCOMPARE(list.size(), 2);
        const int newest = list[0].toObject()["id"].toInt();
        const int oldest = list[1].toObject()["id"].toInt();
        QCOMPARE(list[1].toObject()["stored"].toInt(), 6);
        QCOMPARE(list[0].toObject()["outcome"].toString(), QString("complete"));
        QCOMPARE(list[0].toObject()["new"].toInt(), 0);

        run = Cli({"history", "show", QString::number(oldest), "--csv", "-", "--db", db});
        QCOMPARE(run.exit, 0);
        QCOMPARE(CsvLines(run.out).size(), 7);
        const QString xlsx = dir.filePath("oldest.xlsx");
        QCOMPARE(Cli({"history", "export", QString::number(oldest), xlsx, "--db", db}).exit, 0);
        QVERIFY(ReadFile(xlsx).startsWith("PK"));
        QCOMPARE(Cli({"history", "load", QString::number(oldest), "--db", db}).exit, 0);
        QCOMPARE(Rows(db).size(), 6);

        // A decoder that got texts wrong: redecode puts them right from the kept bytes.
        {
            auto sql = QSqlDatabase::addDatabase("QSQLITE", "old");
            sql.setDatabaseName(db);
            QVERIFY(sql.open());
            QVERIFY(QSqlQuery(sql).exec("UPDATE DownloadRecords SET MODE = 'old' WHERE RecNo < 3"));
        }
        QSqlDatabase::removeDatabase("old");
        run = Cli({"history", "redecode", QString::number(oldest), "--db", db});
        QCOMPARE(run.exit, 0);
        QCOMPARE(run.out, QByteArray("Download ") + QByteArray::number(oldest) +
                              ": 2 of 6 records changed.\n");

        QCOMPARE(Cli({"history", "delete", QString::number(newest), "--db", db}).exit, 0);
        run = Cli({"history", "--json", "--db", db});
        QCOMPARE(QJsonDocument::fromJson(run.out).array().size(), 1);
        run = Cli({"history", "show", "999", "--db", db});
        QCOMPARE(run.exit, 5);
        QVERIFY(run.err.contains("no download 999"));
        QCOMPARE(Cli({"history", "show", "--db", db}).exit, 1);
        // Global and database options may also stand before the command's words.
        run = Cli({"--db", db, "--quiet", "history", "--json"});
        QCOMPARE(run.exit, 0);
        QCOMPARE(QJsonDocument::fromJson(run.out).array().size(), 1);
    }

    // The pure parts, row by row.
    void progressBar() {
        QCOMPARE(cli::ProgressBarText(1, 4, 0, 8), QString("[##......] Record 1 of 4"));
        QCOMPARE(cli::ProgressBarText(3, 4, 2.0, 8),
                 QString("[######..] Record 3 of 4  1.0/s  0:02 left"));
    }

    void csvFields_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("plain") << "2.227 m" << QByteArray("2.227 m");
        QTest::newRow("negative number") << "-1.6 °" << QByteArray("-1.6 \xC2\xB0");
        QTest::newRow("comma") << "a,b" << QByteArray("\"a,b\"");
        QTest::newRow("quote") << "5'3\"" << QByteArray("\"5'3\"\"\"");
        QTest::newRow("line break") << "a\nb" << QByteArray("\"a\nb\"");
        QTest::newRow("formula") << "=1+2" << QByteArray("'=1+2");
        QTest::newRow("plus") << "+1" << QByteArray("'+1");
        QTest::newRow("at") << "@SUM(A1)" << QByteArray("'@SUM(A1)");
        QTest::newRow("minus not a number") << "-cmd" << QByteArray("'-cmd");
        QTest::newRow("blank slot") << "   " << QByteArray("   ");
    }
    void csvFields() {
        QFETCH(QString, text);
        QFETCH(QByteArray, field);
        QCOMPARE(output::CsvField(text, {}), field);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
