// What the three export formats hold, read back by independent readers (xlrd, openpyxl,
// Python's csv module and LibreOffice), and the pure rules that decide it.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cstdio>

#include "csv_text.h"
#include "file_names.h"
#include "load_data_table.h"
#include "numeric_text.h"
#include "table_export.h"

using namespace rangedesk;

namespace {

// Texts a meter gives, and a few only another program could have put in the database.
MeasurementRecord Record(int i) {
    MeasurementRecord r;
    r.ModeText = i == 2 ? "体积累加" : i == 3 ? "=HYPERLINK(\"x\")" : "Area, \"big\"\nroom";
    r.UnitText = "m";
    r.Slots[0] = {"2.227", "m"};
    r.Slots[1] = {"-1.6", "°"};
    r.Slots[2] = {"3", "米"};
    r.Slots[3] = {" 41.81", "m2"};
    if (i == 2) {
        r.Slots[0] = {"5' 3 1/2\"", " "};
        r.Slots[3] = {" ", " "};
    }
    return r;
}

// The records the legacy sheet is checked with: GBK texts, a degree sign, a sign slot.
MeasurementRecord SheetRecord(int i) {
    MeasurementRecord r;
    r.ModeText = i % 2 ? "Area" : "体积累加";
    r.UnitText = "m";
    r.Slots[0] = {QString::number(1.5 + i).toStdString(), "米"};
    r.Slots[1] = {"5.0", "°"};
    r.Slots[3] = {" 12.34" + std::to_string(i), "m2"};
    return r;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray RunPython(const QString& script, const QStringList& arguments) {
    QProcess reader;
    reader.start("/usr/bin/python3",
                 QStringList{QString(RANGEDESK_TEST_DIR) + "/" + script} + arguments);
    reader.waitForFinished(60000);
    if (reader.exitCode() != 0) {
        qWarning("%s", reader.readAllStandardError().constData());
    }
    return reader.readAllStandardOutput();
}

QJsonObject RunReader(const QString& script, const QStringList& arguments) {
    return QJsonDocument::fromJson(RunPython(script, arguments)).object();
}

void Export(const QAbstractItemModel& table, output::ExportFormat format, const QString& path,
            const std::vector<output::SheetColumn>& columns = {}) {
    output::ExportTable(table, columns.empty() ? output::AllColumns(table) : columns, format,
                        files::LocalPath(path));
}

// The C library's numbers follow this locale while it lives, as under a user's settings.
class NumericLocale {
public:
    explicit NumericLocale(const char* name) : ok_(std::setlocale(LC_ALL, name) != nullptr) {}
    ~NumericLocale() { std::setlocale(LC_ALL, "C.UTF-8"); }
    bool Ok() const { return ok_; }

private:
    bool ok_;
};

// The workbook as LibreOffice shows it: each cell's text as displayed, as CSV rows.
QJsonArray ShownByLibreOffice(const QString& xlsx, const QTemporaryDir& dir) {
    QProcess office;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C.UTF-8");
    env.insert("HOME", dir.path());
    office.setProcessEnvironment(env);
    office.start("soffice", {"-env:UserInstallation=file://" + dir.filePath("profile"),
                             "--headless", "--convert-to",
                             // UTF-8, cells as shown, quotes where needed.
                             "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true",
                             "--outdir", dir.path(), xlsx});
    if (!office.waitForFinished(120000) || office.exitCode() != 0) {
        qWarning("soffice: %s", office.readAllStandardError().constData());
        return {};
    }
    const QString csv = dir.filePath(QFileInfo(xlsx).completeBaseName() + ".csv");
    return RunReader("read_csv.py", {csv, ","})["rows"].toArray();
}

} // namespace

class TestExportWriters : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void xlsReadsBackCellForCell() {
        const auto table = LoadDataTable(3, SheetRecord);
        const QString path = dir.filePath("records.XLS");
        Export(*table, output::ExportFormat::Xls, path);
        const QByteArray bytes = ReadAll(path);
        QVERIFY(bytes.startsWith(QByteArray::fromHex("090808000000100000000000"
                                                     "42000200a803")));
        QVERIFY(bytes.contains(QByteArray::fromHex("c3d7"))); // 米 as GBK
        const QStringList cells =
            QString::fromUtf8(RunPython("read_xls.py", {path})).split('\n', Qt::SkipEmptyParts);
        QVERIFY(cells.contains("1\t0\tRecNo"));
        QVERIFY(cells.contains("1\t6\tRESULT"));
        QVERIFY(cells.contains("2\t0\t1"));
        QVERIFY(cells.contains("3\t1\t体积累加"));
        QVERIFY(cells.contains("2\t3\t2.5 米"));
        QVERIFY(cells.contains("2\t4\t5.0 °"));
        QVERIFY(cells.contains("4\t6\t 12.343 m2"));
        QCOMPARE(cells.filter(QRegularExpression("^[234]\t")).size(), 21);
    }

    void xlsxHoldsNumbersThatLookLikeTheGrid() {
        const auto table = LoadDataTable(3, Record);
        const QString path = dir.filePath("records.xlsx");
        Export(*table, output::ExportFormat::Xlsx, path);
        const QJsonObject book = RunReader("read_xlsx.py", {path});
        QCOMPARE(book["sheets"].toArray(), QJsonArray({"Records"}));
        QVERIFY(!book["title"].toString().isEmpty());
        QVERIFY(book["created"].toBool());
        QCOMPARE(book["frozen"].toString(), QString("A2"));
        QVERIFY(book["header_bold"].toBool());
        const QJsonArray rows = book["cells"].toArray();
        QCOMPARE(rows.size(), 4);
        const auto cell = [&](int row, int column) {
            return rows[row].toArray()[column].toObject();
        };
        QCOMPARE(cell(0, 6)["value"].toString(), QString("RESULT"));
        QCOMPARE(cell(1, 0)["type"].toString(), QString("int"));
        QCOMPARE(cell(1, 3)["value"].toDouble(), 2.227);
        QCOMPARE(cell(1, 3)["format"].toString(), QString("0.000\" m\""));
        QCOMPARE(cell(1, 4)["value"].toDouble(), -1.6);
        QCOMPARE(cell(1, 4)["format"].toString(), QString("0.0\" °\""));
        QCOMPARE(cell(1, 6)["value"].toDouble(), 41.81);
        QCOMPARE(cell(1, 6)["format"].toString(), QString("\" \"0.00\" m2\""));
        // Texts stay texts: a Chinese unit, feet and inches, a blank slot, a mode.
        QCOMPARE(cell(1, 5)["value"].toString(), QString("3 米"));
        QCOMPARE(cell(2, 1)["value"].toString(), QString("体积累加"));
        QCOMPARE(cell(2, 3)["value"].toString(), QString("5' 3 1/2\"  "));
        QCOMPARE(cell(2, 6)["value"].toString(), QString("   "));
        QCOMPARE(cell(3, 1)["value"].toString(), QString("=HYPERLINK(\"x\")"));
        QVERIFY(book["widths"].toArray()[1].toDouble() >= 16); // the widest mode fits
    }

    // Under a decimal comma the workbook stays the same, and every cell shows exactly the
    // text of the grid in two independent readers: numbers only where the format shows the
    // same text.
    void xlsxShowsTheGridTextsUnderAnyLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("decimal comma") << "de_DE.UTF-8";
        QTest::newRow("decimal point") << "C.UTF-8";
    }
    void xlsxShowsTheGridTextsUnderAnyLocale() {
        QFETCH(QString, locale);
        // RecNo, DIST1..RESULT: the texts, and whether a reader gets a number.
        const QList<QStringList> rows = {
            {"1", "Area", "m", "2.227 m", "-1.6 °", " 41.81 m2", "0.000 m"},
            {"123456789012345", "Area", "m", "-0.000 m", "007.50 m", "-0 m", "0.5 m"},
            {"12345678901234567", "Area", "m", "1234567890123456 m", "3 米", "   ", "-2.5 m"},
            {"0123", "Area", "m", "5' 3 1/2\"", "---", "-", "12 ft"},
        };
        const QList<QList<bool>> numbers = {
            {true, false, false, true, true, true, true},
            {true, false, false, false, false, false, true},
            {false, false, false, false, false, false, true},
            {false, false, false, false, false, false, true},
        };
        const auto table = LoadDataTable(rows);
        const QString path = dir.filePath("shown.xlsx");
        {
            const NumericLocale numbers(locale.toUtf8().constData());
            QVERIFY2(numbers.Ok(), "the locale is missing: scripts/setup.sh --test generates it");
            char probe[16];
            std::snprintf(probe, sizeof probe, "%g", 2.5);
            QCOMPARE(QByteArray(probe), locale.startsWith("de") ? "2,5" : "2.5");
            Export(*table, output::ExportFormat::Xlsx, path);
        }
        const QJsonArray cells = RunReader("read_xlsx.py", {path})["cells"].toArray();
        QCOMPARE(cells.size(), rows.size() + 1);
        for (int r = 0; r < rows.size(); ++r) {
            for (int c = 0; c < rows[r].size(); ++c) {
                const QJsonObject cell = cells[r + 1].toArray()[c].toObject();
                const QString type = cell["type"].toString();
                const QString where = QString("row %1 column %2: %3").arg(r).arg(c).arg(type);
                QVERIFY2((type == "int" || type == "float") == numbers[r][c], qPrintable(where));
            }
        }
        QCOMPARE(cells[1].toArray()[3].toObject()["value"].toDouble(), 2.227);
        QCOMPARE(cells[2].toArray()[0].toObject()["value"].toDouble(), 123456789012345.0);

        const QJsonArray shown = ShownByLibreOffice(path, dir);
        QCOMPARE(shown.size(), rows.size() + 1);
        for (int r = 0; r < rows.size(); ++r) {
            for (int c = 0; c < rows[r].size(); ++c) {
                QCOMPARE(shown[r + 1].toArray()[c].toString(), rows[r][c]);
            }
        }
    }

    // Which texts become numbers is the column's kind, whatever its heading says.
    void numbersFollowTheColumnKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("type");
        QTest::newRow("measurement") << int(records::ColumnKind::Measurement) << "float";
        QTest::newRow("text") << int(records::ColumnKind::Text) << "str";
        QTest::newRow("record number") << int(records::ColumnKind::RecordNumber) << "str";
    }
    void numbersFollowTheColumnKind() {
        QFETCH(int, kind);
        QFETCH(QString, type);
        const auto table = LoadDataTable({{"1", "2.227 m", "m", "2.227 m"}});
        // MODE (a text heading) and DIST1 (a measurement heading), both of the row's kind.
        std::vector<output::SheetColumn> columns = {
            {1, "Mode", true, records::ColumnKind(kind)},
            {3, "DIST1", true, records::ColumnKind(kind)},
        };
        const QString path = dir.filePath("kinds.xlsx");
        Export(*table, output::ExportFormat::Xlsx, path, columns);
        const QJsonArray row = RunReader("read_xlsx.py", {path})["cells"].toArray()[1].toArray();
        QCOMPARE(row[0].toObject()["type"].toString(), type);
        QCOMPARE(row[1].toObject()["type"].toString(), type);
    }

    void csvReadsBackCellForCell_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("separator");
        QTest::newRow("decimal point") << QLocale::c() << ",";
        QTest::newRow("decimal comma") << QLocale(QLocale::German, QLocale::Germany) << ";";
    }
    void csvReadsBackCellForCell() {
        QFETCH(QLocale, locale);
        QFETCH(QString, separator);
        QLocale::setDefault(locale);
        const auto table = LoadDataTable(3, Record);
        const QString path = dir.filePath("records.csv");
        Export(*table, output::ExportFormat::Csv, path);
        const QJsonObject csv = RunReader("read_csv.py", {path, separator});
        QVERIFY(csv["bom"].toBool());
        QVERIFY(csv["crlf"].toBool());
        const QJsonArray rows = csv["rows"].toArray();
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[0].toArray()[0].toString(), QString("RecNo"));
        QCOMPARE(rows[1].toArray()[1].toString(), QString("Area, \"big\"\nroom"));
        QCOMPARE(rows[1].toArray()[4].toString(), QString("-1.6 °"));
        QCOMPARE(rows[2].toArray()[3].toString(), QString("5' 3 1/2\"  "));
        QCOMPARE(rows[2].toArray()[5].toString(), QString("3 米"));
        QCOMPARE(rows[3].toArray()[1].toString(), QString("'=HYPERLINK(\"x\")")); // guarded
    }

    // Every text a spreadsheet could run gets an apostrophe; the meter's own numbers none.
    void csvFormulaGuard_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("guarded");
        QTest::newRow("command") << "-2+3+cmd|' /C calc'!A0" << true;
        QTest::newRow("sum") << "-1+1" << true;
        QTest::newRow("tab") << "\t=1+2" << true;
        QTest::newRow("carriage return") << "\r=1+2" << true;
        QTest::newRow("equals") << "=1+2" << true;
        QTest::newRow("plus") << "+1" << true;
        QTest::newRow("at") << "@SUM(A1)" << true;
        QTest::newRow("minus word") << "-cmd" << true;
        QTest::newRow("minus unknown unit") << "-1 cmd" << true;
        QTest::newRow("minus alone") << "-" << true;
        QTest::newRow("two minus signs") << "--1" << true;
        QTest::newRow("angle") << "-1.6 °" << false;
        QTest::newRow("metres") << "-2.227 m" << false;
        QTest::newRow("decimal comma") << "-0,5 m2" << false;
        QTest::newRow("feet and inches") << "10'08''1/2" << false;
        QTest::newRow("negative feet and inches") << "-10'08'' 1/2 ft in" << false;
        QTest::newRow("inch fraction") << "73 3/4 in" << false;
        QTest::newRow("negative inch fraction") << "-73 3/4 in" << false;
        QTest::newRow("chinese unit") << "米" << false;
        QTest::newRow("negative chinese unit") << "-5.0 米3" << false;
        QTest::newRow("slope out of range") << "---" << false;
        QTest::newRow("slope out of range with unit") << "--- %" << false;
        QTest::newRow("temperature") << "-12 °C" << false;
        QTest::newRow("blank unit") << "-2.5   " << false;
        QTest::newRow("sign slot") << " 41.81 m2" << false;
        QTest::newRow("mode") << "Area" << false;
    }
    void csvFormulaGuard() {
        QFETCH(QString, text);
        QFETCH(bool, guarded);
        QCOMPARE(output::LooksLikeFormula(text), guarded);
        const QByteArray field = output::CsvField(text, {});
        QCOMPARE(field.startsWith('\'') || field.startsWith("\"'"), guarded);
    }

    void numericTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("format");
        QTest::newRow("metres") << "2.227 m" << true << 2.227 << "0.000\" m\"";
        QTest::newRow("area with sign slot") << " 41.81 m2" << true << 41.81 << "\" \"0.00\" m2\"";
        QTest::newRow("negative angle") << "-1.6 °" << true << -1.6 << "0.0\" °\"";
        QTest::newRow("decimal comma") << "2,227 m" << true << 2.227 << "0.000\" m\"";
        QTest::newRow("whole number") << "12 ft" << true << 12.0 << "0\" ft\"";
        QTest::newRow("zero") << "0.000 m" << true << 0.0 << "0.000\" m\"";
        QTest::newRow("below one") << "0.5 m" << true << 0.5 << "0.0\" m\"";
        QTest::newRow("fifteen digits")
            << "1234567890.12345 m" << true << 1234567890.12345 << "0.00000\" m\"";
        QTest::newRow("fraction") << "3 1/2 in" << false << 0.0 << "";
        QTest::newRow("feet and inches") << "5' 3 1/2\"" << false << 0.0 << "";
        QTest::newRow("chinese unit") << "3 米" << false << 0.0 << "";
        QTest::newRow("blank slot") << "   " << false << 0.0 << "";
        QTest::newRow("empty") << "" << false << 0.0 << "";
        QTest::newRow("no unit") << "2.227" << false << 0.0 << "";
        // A number format would show these otherwise.
        QTest::newRow("negative zero") << "-0.000 m" << false << 0.0 << "";
        QTest::newRow("negative whole zero") << "-0 m" << false << 0.0 << "";
        QTest::newRow("leading zeros") << "007.50 m" << false << 0.0 << "";
        QTest::newRow("sixteen digits") << "1234567890.123456 m" << false << 0.0 << "";
        QTest::newRow("blank and minus") << " -1.6 °" << false << 0.0 << "";
    }
    void numericTexts() {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QFETCH(double, value);
        QFETCH(QString, format);
        const auto parsed = output::ParseNumericText(text);
        QCOMPARE(parsed.has_value(), number);
        if (parsed) {
            QCOMPARE(parsed->Value, value);
            QCOMPARE(parsed->NumberFormat, format);
        }
    }

    void recordNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::newRow("one") << "1" << true;
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("fifteen digits") << "999999999999999" << true;
        QTest::newRow("sixteen digits") << "1000000000000000" << false;
        QTest::newRow("seventeen digits") << "12345678901234567" << false;
        QTest::newRow("leading zero") << "0123" << false;
        QTest::newRow("plus") << "+5" << false;
        QTest::newRow("minus") << "-5" << false;
        QTest::newRow("blank") << " 5" << false;
    }
    void recordNumbers() {
        QFETCH(QString, text);
        QFETCH(bool, number);
        const auto parsed = output::ParseRecordNumber(text);
        QCOMPARE(parsed.has_value(), number);
        if (parsed) {
            QCOMPARE(parsed->Value, text.toDouble());
            QCOMPARE(parsed->NumberFormat, QString("0"));
        }
    }
};

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    TestExportWriters test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_export_writers.moc"
