// Jobs, labels, notes and deductions as a user gives them to rangedesk-cli: each command through
// a real process on a copy of the program's database with a simulated meter's download in it.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "program_folder.h"

namespace {

constexpr int kRunMs = 60000;

struct Run {
    int exit = -1;
    QByteArray out;
    QByteArray err;
};

Run Cli(const QStringList& arguments) {
    QProcess process;
    process.start(RANGEDESK_CLI, QStringList{"--quiet"} + arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(kRunMs)) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QJsonDocument Json(const Run& run) {
    return QJsonDocument::fromJson(run.out);
}

QStringList Keys(const QJsonObject& object) {
    QStringList keys = object.keys();
    keys.sort();
    return keys;
}

} // namespace

class TestCliJobs : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString db;

    // Runs a command on this test's database.
    Run On(const QStringList& arguments) { return Cli(QStringList{"--db", db} + arguments); }

private slots:
    // Every row starts from one download of five records in job "Site A".
    void init() {
        db = dir.filePath(QString("DistLib-%1.mdb").arg(QTest::currentDataTag()).simplified());
        QFile::remove(db);
        QVERIFY(CopyFreshDatabase(db));
        const Run run = On({"--simulate", "3:5", "download", "--job", "Site A", "--json"});
        QCOMPARE(run.exit, 0);
        const QJsonObject summary = Json(run).object();
        QCOMPARE(Keys(summary), (QStringList{"asked", "download", "job", "job_created", "new",
                                             "outcome", "stored"}));
        QCOMPARE(summary["job"].toString(), QString("Site A"));
        QCOMPARE(summary["job_created"].toBool(), true);
        QCOMPARE(summary["stored"].toInt(), 5);
    }

    // A refused edit exits 5 saying why, and nothing of it stays behind.
    void badInputIsRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("message");
        const QString longName(201, QChar('x'));
        const QString longLabel(2001, QChar('y'));
        QTest::newRow("empty name") << QStringList{"job", "create", ""} << 5 << "not empty";
        QTest::newRow("blank name") << QStringList{"job", "create", "   "} << 5 << "not empty";
        QTest::newRow("long name") << QStringList{"job", "create", longName} << 5 << "201";
        QTest::newRow("tab in name") << QStringList{"job", "create", "a\tb"} << 5 << "control";
        QTest::newRow("newline in name") << QStringList{"job", "create", "a\nb"} << 5 << "control";
        QTest::newRow("same name, other case")
            << QStringList{"job", "create", "SITE a"} << 5 << "\"Site A\" already";
        QTest::newRow("rename unknown job")
            << QStringList{"job", "rename", "nope", "x"} << 5 << "no job \"nope\"";
        QTest::newRow("long label")
            << QStringList{"history", "label", "1", "2", longLabel} << 5 << "2001";
        QTest::newRow("long note")
            << QStringList{"history", "note", "1", "2", longLabel} << 5 << "2001";
        QTest::newRow("unknown download")
            << QStringList{"history", "label", "99", "1", "x"} << 5 << "no download 99";
        QTest::newRow("unknown record")
            << QStringList{"history", "note", "1", "42", "x"} << 5 << "no record 42";
        QTest::newRow("unknown record to deduct")
            << QStringList{"history", "deduct", "1", "42", "on"} << 5 << "no record 42";
        QTest::newRow("assign to unknown job")
            << QStringList{"history", "assign", "1", "Nope"} << 5 << "no job \"Nope\"";
        QTest::newRow("assign unknown download")
            << QStringList{"history", "assign", "77", "Site A"} << 5 << "no download 77";
        QTest::newRow("show unknown job")
            << QStringList{"job", "show", "Nope"} << 5 << "no job \"Nope\"";
        QTest::newRow("deduct maybe")
            << QStringList{"history", "deduct", "1", "1", "maybe"} << 1 << "on or off";
        QTest::newRow("record number not a number")
            << QStringList{"history", "label", "1", "x", "y"} << 1 << "record number";
        QTest::newRow("unknown unit system")
            << QStringList{"job", "totals", "Site A", "--units", "furlongs"} << 1
            << "as-measured, metric or imperial";
    }
    void badInputIsRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exit);
        QFETCH(QString, message);
        const QByteArray before = On({"history", "show", "1", "--json"}).out;
        const QByteArray jobsBefore = On({"job", "--json"}).out;
        const Run run = On(arguments);
        QCOMPARE(run.exit, exit);
        QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
        QCOMPARE(On({"history", "show", "1", "--json"}).out, before);
        QCOMPARE(On({"job", "--json"}).out, jobsBefore);
    }

    // Each edit shows in the JSON a script would read, in the shapes the help promises.
    void editsShowInTheJson() {
        QCOMPARE(On({"job", "create", "Kitchen", "--client", "Mrs Li", "--address", "12 Elm St",
                     "--note", "back door"})
                     .exit,
                 0);
        QCOMPARE(On({"history", "assign", "1", "kitchen"}).exit, 0);
        QCOMPARE(On({"job", "rename", "KITCHEN", "Kitchen, ground floor"}).exit, 0);
        QCOMPARE(On({"history", "label", "1", "2", "Kitchen north wall"}).exit, 0);
        QCOMPARE(On({"history", "note", "1", "2", "厨房北墙"}).exit, 0);
        QCOMPARE(On({"history", "deduct", "1", "3", "on"}).exit, 0);
        QCOMPARE(On({"history", "label", "1", "4", "--", "-2 door"}).exit, 0);

        const QJsonArray jobs = Json(On({"job", "--json"})).array();
        QCOMPARE(jobs.size(), 2);
        QJsonObject kitchen;
        for (const auto& job : jobs) {
            QCOMPARE(Keys(job.toObject()), (QStringList{"address", "client", "created", "downloads",
                                                        "name", "notes", "records"}));
            if (job.toObject()["client"] == QString("Mrs Li")) {
                kitchen = job.toObject();
            }
        }
        QCOMPARE(kitchen["name"].toString(), QString("Kitchen, ground floor"));
        QCOMPARE(kitchen["address"].toString(), QString("12 Elm St"));
        QCOMPARE(kitchen["notes"].toString(), QString("back door"));
        QCOMPARE(kitchen["downloads"].toInt(), 1);
        QCOMPARE(kitchen["records"].toInt(), 5);

        const QJsonObject download = Json(On({"history", "show", "1", "--json"})).object();
        QCOMPARE(download["job"].toString(), QString("Kitchen, ground floor"));
        QCOMPARE(download["meter"].toString(), QString("simulated model 3"));
        const QJsonArray records = download["records"].toArray();
        QCOMPARE(records.size(), 5);
        QCOMPARE(Keys(records[1].toObject()),
                 (QStringList{"DIST1", "DIST2", "DIST3", "MODE", "RESULT", "RecNo", "UNIT",
                              "deduction", "label", "note"}));
        QCOMPARE(records[1]["label"].toString(), QString("Kitchen north wall"));
        QCOMPARE(records[1]["note"].toString(), QString("厨房北墙"));
        QCOMPARE(records[2]["deduction"].toBool(), true);
        QCOMPARE(records[3]["label"].toString(), QString("-2 door"));

        // An empty text removes the label, and "off" ends the deduction.
        QCOMPARE(On({"history", "label", "1", "2", ""}).exit, 0);
        QCOMPARE(On({"history", "deduct", "1", "3", "off"}).exit, 0);
        const QJsonArray after =
            Json(On({"history", "show", "1", "--json"})).object()["records"].toArray();
        QCOMPARE(after[1]["label"].toString(), QString());
        QCOMPARE(after[1]["note"].toString(), QString("厨房北墙"));
        QCOMPARE(after[2]["deduction"].toBool(), false);
    }

    // Search finds downloads by job, client, label, note and mode, any case, any script, and
    // lists only the records that matched.
    void searchFindsRecords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("downloads");
        QTest::addColumn<QList<int>>("records");
        QTest::newRow("label, other case") << "NORTH wall" << 1 << QList<int>{2};
        QTest::newRow("note in Chinese") << "厨房" << 1 << QList<int>{4};
        QTest::newRow("mode") << "area" << 1 << QList<int>{3, 4};
        QTest::newRow("job name: the download alone") << "site a" << 1 << QList<int>{};
        QTest::newRow("nothing") << "bathroom" << 0 << QList<int>{};
    }
    void searchFindsRecords() {
        QFETCH(QString, text);
        QFETCH(int, downloads);
        QFETCH(QList<int>, records);
        QCOMPARE(On({"history", "label", "1", "2", "Kitchen north wall"}).exit, 0);
        QCOMPARE(On({"history", "note", "1", "4", "厨房北墙"}).exit, 0);
        const Run run = On({"history", "--search", text, "--json"});
        QCOMPARE(run.exit, 0);
        const QJsonArray foundDownloads = Json(run).array();
        QCOMPARE(foundDownloads.size(), downloads);
        QList<int> found;
        for (const auto& record :
             downloads == 0 ? QJsonArray() : foundDownloads[0]["records"].toArray()) {
            found << record.toObject()["RecNo"].toInt();
        }
        QCOMPARE(found, records);
    }

    // The raw bytes a record was kept with go back through decode to the same texts.
    void rawRepliesDecodeToTheKeptTexts() {
        const Run raw = On({"history", "show", "1", "--raw"});
        QCOMPARE(raw.exit, 0);
        QProcess decode;
        decode.start(RANGEDESK_CLI, {"decode", "--model", "3"});
        decode.write(raw.out);
        decode.closeWriteChannel();
        QVERIFY(decode.waitForFinished(kRunMs));
        QCOMPARE(decode.exitCode(), 0);
        const QByteArray decoded = decode.readAllStandardOutput();
        const QJsonArray records =
            Json(On({"history", "show", "1", "--json"})).object()["records"].toArray();
        QCOMPARE(records.size(), 5);
        for (const auto& record : records) {
            const QString value =
                record.toObject()["RESULT"].toString().trimmed().section(' ', 0, 0);
            QVERIFY2(decoded.contains(value.toUtf8() + '\t'), decoded.constData());
        }
    }

    // A second download into the same job (named in another case) does not make a new job.
    void downloadJoinsAnExistingJob() {
        const Run run = On({"--simulate", "3:5", "download", "--job", "SITE A", "--json"});
        QCOMPARE(run.exit, 0);
        QCOMPARE(Json(run).object()["job"].toString(), QString("Site A"));
        QCOMPARE(Json(run).object()["job_created"].toBool(), false);
        QCOMPARE(Json(run).object()["new"].toInt(), 0);
        // The same records again: none of them is new.
        const auto records = [&](const QString& id) {
            return Json(On({"history", "show", id, "--only-new", "--json"}))
                .object()["records"]
                .toArray()
                .size();
        };
        QCOMPARE(records("1"), 5);
        QCOMPARE(records("2"), 0);
        const QJsonArray jobs = Json(On({"job", "--json"})).array();
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(jobs[0]["downloads"].toInt(), 2);
        QCOMPARE(jobs[0]["records"].toInt(), 10);
    }

    // Every new command explains itself with examples.
    void helpHasExamples_data() {
        QTest::addColumn<QStringList>("command");
        for (const QStringList& words : {QStringList{"job"},
                                         {"job", "create"},
                                         {"job", "rename"},
                                         {"job", "show"},
                                         {"job", "export"},
                                         {"job", "totals"},
                                         {"job", "report"},
                                         {"history", "assign"},
                                         {"history", "label"},
                                         {"history", "note"},
                                         {"history", "deduct"},
                                         {"history", "totals"},
                                         {"config"}}) {
            QTest::newRow(qPrintable(words.join(' '))) << words;
        }
    }
    void helpHasExamples() {
        QFETCH(QStringList, command);
        const Run run = Cli(command + QStringList{"--help"});
        QCOMPARE(run.exit, 0);
        QVERIFY(run.out.contains("Example"));
        QVERIFY2(run.out.contains(("rangedesk-cli " + command.join(' ')).toUtf8()),
                 run.out.constData());
    }
};

QTEST_GUILESS_MAIN(TestCliJobs)
#include "test_cli_jobs.moc"
