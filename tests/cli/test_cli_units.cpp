// Exports in one unit system, totals and the client report, as a user makes them with
// rangedesk-cli, read back by other programs: openpyxl and LibreOffice for the workbook, a CSV
// reader for the CSV, pdftotext for the report.
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

#include "program_folder.h"

namespace {

constexpr int kRunMs = 120000;

struct Run {
    int exit = -1;
    QByteArray out;
    QByteArray err;
};

Run Start(const QString& program, const QStringList& arguments,
          const QStringList& environment = {}) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& pair : environment) {
        env.insert(pair.section('=', 0, 0), pair.section('=', 1));
    }
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(kRunMs)) {
        process.kill();
        process.waitForFinished();
    }
    Run run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
    if (run.exit != 0) {
        qWarning("%s: %s", qPrintable(program), run.err.constData());
    }
    return run;
}

// kind -> [records, value], as the program's totals --json gives them.
QJsonObject TotalsByKind(const QByteArray& json) {
    QJsonObject totals;
    for (const auto& entry : QJsonDocument::fromJson(json).array()) {
        const QJsonObject total = entry.toObject();
        totals[total["kind"].toString()] = QJsonArray{total["records"], total["value"]};
    }
    return totals;
}

void CompareTotals(const QJsonObject& actual, const QJsonObject& expected, const char* reader) {
    QVERIFY2(actual.keys() == expected.keys(),
             qPrintable(QString("%1 read %2").arg(reader, actual.keys().join(','))));
    for (const QString& kind : expected.keys()) {
        const QJsonArray got = actual[kind].toArray();
        const QJsonArray want = expected[kind].toArray();
        QCOMPARE(got[0].toDouble(), want[0].toDouble());
        const double value = want[1].toDouble();
        QVERIFY2(std::abs(got[1].toDouble() - value) <= 1e-9 * std::max(1.0, std::abs(value)),
                 qPrintable(QString("%1, %2: %3 against %4")
                                .arg(reader, kind)
                                .arg(got[1].toDouble(), 0, 'g', 17)
                                .arg(value, 0, 'g', 17)));
    }
}

} // namespace

class TestCliUnits : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString db;

    Run On(const QStringList& arguments) {
        return Start(RANGEDESK_CLI, QStringList{"--quiet", "--db", db} + arguments,
                     {"XDG_CONFIG_HOME=" + dir.filePath("config")});
    }

    // The program's settings live in this test's own configuration folder.
    Run Config(const QStringList& arguments) {
        return Start(RANGEDESK_CLI, QStringList{"config"} + arguments,
                     {"XDG_CONFIG_HOME=" + dir.filePath("config")});
    }

    // The totals block of a workbook as LibreOffice computes it from the formulas alone.
    QJsonObject LibreOfficeTotals(const QString& formulasOnly) {
        const Run office =
            Start("soffice",
                  {"-env:UserInstallation=file://" + dir.filePath("profile"), "--headless",
                   "--convert-to",
                   // UTF-8, the cells' values rather than as shown, so nothing is rounded.
                   "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false", "--outdir",
                   dir.filePath("office"), formulasOnly},
                  {"HOME=" + dir.path(), "LC_ALL=C.UTF-8"});
        QFile csv(dir.filePath("office/" + QFileInfo(formulasOnly).completeBaseName() + ".csv"));
        if (office.exit != 0 || !csv.open(QIODevice::ReadOnly)) {
            return {};
        }
        QJsonObject totals;
        int result = -1;
        for (const QByteArray& line : csv.readAll().split('\n')) {
            const QList<QByteArray> cells = line.trimmed().split(',');
            if (result < 0) {
                result = int(cells.indexOf("RESULT"));
            } else if (cells[0].startsWith("Total ") && result < cells.size()) {
                totals[QString::fromUtf8(cells[0].mid(6))] =
                    QJsonArray{cells[1].toDouble(), cells[result].toDouble()};
            }
        }
        return totals;
    }

private slots:
    // Two downloads into one job: records in m, ft, in, m2, m3, ft3, 米3, one a deduction.
    void initTestCase() {
        db = dir.filePath("DistLib.mdb");
        QVERIFY(CopyFreshDatabase(db));
        QCOMPARE(On({"--simulate", "3:5", "download", "--job", "Site A"}).exit, 0);
        QCOMPARE(On({"--simulate", "1:4", "download", "--job", "Site A"}).exit, 0);
        QCOMPARE(On({"history", "deduct", "1", "3", "on"}).exit, 0);
        QCOMPARE(On({"history", "label", "1", "4", "Living room floor"}).exit, 0);
    }

    // The workbook's totals block gives the program's own totals, in the cached values that
    // openpyxl reads and in the formulas that LibreOffice computes once the cache is gone.
    void xlsxTotalsAddUpElsewhere_data() {
        QTest::addColumn<QStringList>("exportArguments");
        QTest::addColumn<QStringList>("totalsArguments");
        QTest::addColumn<QString>("units");
        for (const QString units : {"metric", "imperial"}) {
            QTest::addRow("job, %s", qPrintable(units))
                << QStringList{"job", "export", "site a"} << QStringList{"job", "totals", "Site A"}
                << units;
            QTest::addRow("download, %s", qPrintable(units))
                << QStringList{"history", "export", "1"} << QStringList{"history", "totals", "1"}
                << units;
        }
    }
    void xlsxTotalsAddUpElsewhere() {
        QFETCH(QStringList, exportArguments);
        QFETCH(QStringList, totalsArguments);
        QFETCH(QString, units);
        const QString xlsx =
            dir.filePath(QString(QTest::currentDataTag()).replace(", ", "-") + ".xlsx");
        const QString formulasOnly =
            QFileInfo(xlsx).path() + "/formulas-" + QFileInfo(xlsx).fileName();
        QCOMPARE(On(exportArguments + QStringList{xlsx, "--units", units}).exit, 0);
        const Run totals = On(totalsArguments + QStringList{"--units", units, "--json"});
        QCOMPARE(totals.exit, 0);
        const QJsonObject expected = TotalsByKind(totals.out);
        QVERIFY(expected.contains("area"));

        const Run reader =
            Start("/usr/bin/python3",
                  {QString(RANGEDESK_TEST_DIR) + "/xlsx_totals.py", xlsx, formulasOnly});
        QCOMPARE(reader.exit, 0);
        CompareTotals(QJsonDocument::fromJson(reader.out).object(), expected, "openpyxl");
        CompareTotals(LibreOfficeTotals(formulasOnly), expected, "LibreOffice");
    }

    // The CSV's value and unit columns sum, deductions off, to the same totals.
    void csvValuesSumToTheTotals_data() {
        QTest::addColumn<QString>("units");
        QTest::newRow("metric") << "metric";
        QTest::newRow("imperial") << "imperial";
    }
    void csvValuesSumToTheTotals() {
        QFETCH(QString, units);
        const QString csv = dir.filePath("job-" + units + ".csv");
        QCOMPARE(On({"job", "export", "Site A", csv, "--units", units}).exit, 0);
        const Run table = Start("/usr/bin/python3",
                                {QString(RANGEDESK_OUTPUT_TEST_DIR) + "/read_csv.py", csv, ","});
        const QJsonArray rows = QJsonDocument::fromJson(table.out).object()["rows"].toArray();
        QVERIFY(rows.size() > 1);
        const QJsonArray heading = rows[0].toArray();
        QCOMPARE(heading.toVariantList().mid(0, 8),
                 (QVariantList{"Download", "RecNo", "MODE", "UNIT", "DIST1", "DIST1 unit", "DIST2",
                               "DIST2 unit"}));
        const auto column = [&](const QString& name) {
            return int(heading.toVariantList().indexOf(name));
        };
        const int value = column("RESULT"), unit = column("RESULT unit"),
                  deduction = column("Deduction");
        QVERIFY(value > 0 && unit > 0 && deduction > 0);
        const QStringList kinds =
            units == "metric" ? QStringList{"m", "m2", "m3"} : QStringList{"ft", "ft2", "ft3"};
        const QStringList names{"length", "area", "volume"};
        QJsonObject sums;
        for (qsizetype i = 1; i < rows.size(); ++i) {
            const QJsonArray row = rows[i].toArray();
            const int kind = int(kinds.indexOf(row[unit].toString()));
            QVERIFY2(kind >= 0, qPrintable(row[unit].toString()));
            const double sign = row[deduction].toString().isEmpty() ? 1 : -1;
            const QJsonArray sum = sums[names[kind]].toArray();
            sums[names[kind]] =
                QJsonArray{sum.at(0).toDouble() + 1,
                           sum.at(1).toDouble() + sign * row[value].toString().toDouble()};
        }
        CompareTotals(sums,
                      TotalsByKind(On({"job", "totals", "Site A", "--units", units, "--json"}).out),
                      "CSV");
    }

    // As measured, a kind adds only the records in its most common unit and names the others.
    void asMeasuredNamesWhatIsLeftOut() {
        const Run run = On({"job", "totals", "Site A", "--json"});
        QCOMPARE(run.exit, 0);
        const QJsonArray totals = QJsonDocument::fromJson(run.out).array();
        QCOMPARE(totals[0]["kind"].toString(), QString("length"));
        QCOMPARE(totals[0]["unit"].toString(), QString("m"));
        QVERIFY(!totals[0]["left_out"].toArray().isEmpty());
        QCOMPARE(totals[0]["left_out"].toArray().at(0)["download"].toInt(), 2);
    }

    // The report of a job, read back from its PDF: the header from the settings, the labels,
    // the deduction, the totals, and "Page i of n".
    void reportReadsBack() {
        QCOMPARE(Config({"company", "Example Surveys Ltd"}).exit, 0);
        QCOMPARE(Config({"contact", "office@example.com"}).exit, 0);
        const QString pdf = dir.filePath("report.pdf");
        const Run run = On({"job", "report", "site a", "--pdf", pdf, "--units", "metric"});
        QCOMPARE(run.exit, 0);
        const Run text = Start("pdftotext", {"-layout", pdf, "-"});
        QCOMPARE(text.exit, 0);
        const QString page = QString::fromUtf8(text.out);
        const QJsonArray totals =
            QJsonDocument::fromJson(
                On({"job", "totals", "Site A", "--units", "metric", "--json"}).out)
                .array();
        for (const QString& expected :
             {QString("Example Surveys Ltd"), QString("office@example.com"), QString("Job: Site A"),
              QString("Living room floor"), QString("Page 1 of 1"),
              QString("Total area: %1 m2").arg(totals[1]["value"].toDouble(), 0, 'f', 2)}) {
            QVERIFY2(page.contains(expected), qPrintable(expected + " not in:\n" + page));
        }
    }

    // A simulated meter's downloads say so in the list and in the files exported from them.
    void simulatedDownloadsSaySo() {
        const Run list = On({"history"});
        QVERIFY(list.out.contains("simulated model 3"));
        QVERIFY(list.out.contains("simulated model 1"));
        const QString xlsx = dir.filePath("download-2.xlsx");
        const QString xls = dir.filePath("download-2.xls");
        QCOMPARE(On({"history", "export", "2", xlsx}).exit, 0);
        QCOMPARE(On({"history", "export", "2", xls}).exit, 0);
        const QString tests(RANGEDESK_OUTPUT_TEST_DIR);
        const Run book = Start("/usr/bin/python3", {tests + "/read_xlsx.py", xlsx});
        QVERIFY2(
            QJsonDocument::fromJson(book.out)["title"].toString().endsWith(", simulated model 1"),
            book.out.constData());
        const Run sheet = Start("/usr/bin/python3", {tests + "/read_xls.py", xls});
        QVERIFY2(sheet.out.split('\n').first().endsWith(", simulated model 1"),
                 sheet.out.constData());
    }

    // A job without records says so and writes no file.
    void reportOfAnEmptyJobWritesNothing() {
        QCOMPARE(On({"job", "create", "Empty"}).exit, 0);
        const QString pdf = dir.filePath("empty.pdf");
        const Run run = On({"job", "report", "Empty", "--pdf", pdf});
        QCOMPARE(run.exit, 5);
        QVERIFY2(run.err.contains("no records"), run.err.constData());
        QVERIFY(!QFileInfo::exists(pdf));
    }
};

QTEST_GUILESS_MAIN(TestCliUnits)
#include "test_cli_units.moc"
