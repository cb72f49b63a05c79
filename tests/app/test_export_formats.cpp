// The three export formats through the window, read back by independent readers (openpyxl
// and Python's csv module), and copying cells and readings to the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QTableView>
#include <QTest>

#include "filled_window.h"
#include "grid_to_excel.h"
#include "main_form.h"
#include "numeric_text.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "record_store.h"
#include "recording_prompts.h"
#include "small_disk.h"

using namespace rangedesk;
using app::TMainForm;

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

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QJsonObject RunReader(const QString& script, const QStringList& arguments) {
    QProcess reader;
    reader.start("/usr/bin/python3",
                 QStringList{QString(RANGEDESK_TEST_DIR) + "/" + script} + arguments);
    reader.waitForFinished(60000);
    if (reader.exitCode() != 0) {
        qWarning("%s", reader.readAllStandardError().constData());
    }
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

struct Window : FilledWindow {
    Window(RecordingPrompts& prompts, int rows) : FilledWindow(prompts, rows, Record) {}
};

} // namespace

class TestExportFormats : public QObject {
    Q_OBJECT
    RecordingPrompts prompts;

private slots:
    void initTestCase() { static_cast<app::RangeDeskApplication*>(qApp)->SetPrompts(&prompts); }
    void init() {
        prompts = RecordingPrompts();
        QLocale::setDefault(QLocale::c());
    }

    // The chosen filter decides the writer; a typed extension overrides it.
    void filterAndExtension_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("startsWith");
        const QByteArray biff = QByteArray::fromHex("0908080000001000");
        const QByteArray zip("PK\x03\x04");
        QTest::newRow("default filter") << "records" << 0 << "records.XLS" << biff;
        QTest::newRow("xlsx filter") << "records" << 1 << "records.xlsx" << zip;
        QTest::newRow("csv filter")
            << "records" << 2 << "records.csv" << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("typed .csv over xls")
            << "records.csv" << 0 << "records.csv" << QByteArray("\xEF\xBB\xBFRecNo,");
        QTest::newRow("typed .xlsx over csv") << "records.xlsx" << 2 << "records.xlsx" << zip;
        QTest::newRow("trailing blank") << "report.xls " << 0 << "report.xls" << biff;
    }
    void filterAndExtension() {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, written);
        QFETCH(QByteArray, startsWith);
        Window win(prompts, 3);
        prompts.saveName = win.Target(typed);
        prompts.chosenFilter = app::kExportFilters[filter];
        win.w.ExpToExcelClick();
        QCOMPARE(prompts.saveFilters, app::kExportFilters);
        const QString path = win.Target(written);
        QVERIFY2(ReadAll(path).startsWith(startsWith), qPrintable(path));
        QCOMPARE(prompts.Texts(), QStringList({"Exported  3  records total. \r" + path}));
        QCOMPARE(QDir(win.folder.Path()).entryList(QDir::Files).size(), 1);
    }

    // The name asked about is the name written.
    void trailingBlankAsksAboutTheNameWritten() {
        Window win(prompts, 1);
        QFile old(win.Target("report.xls"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        prompts.saveName = win.Target("report.xls ");
        win.w.ExpToExcelClick(); // the scripted answer is No
        QCOMPARE(prompts.asked.size(), 1);
        QVERIFY(prompts.asked[0].Text.startsWith(win.Target("report.xls") + "  already exists!"));
        QCOMPARE(ReadAll(win.Target("report.xls")), QByteArray("old"));
    }

    void xlsxHoldsNumbersThatLookLikeTheGrid() {
        Window win(prompts, 3);
        const QString path = win.Target("records.xlsx");
        prompts.saveName = path;
        win.w.ExpToExcelClick();
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
        Window win(prompts, 3);
        const QString path = win.Target("records.csv");
        prompts.saveName = path;
        win.w.ExpToExcelClick();
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

    // A failed export leaves the old file as it was, whatever the format.
    void fullDiskKeepsTheOldFile_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("xls") << "old.XLS";
        QTest::newRow("xlsx") << "old.xlsx";
        QTest::newRow("csv") << "old.csv";
    }
    void fullDiskKeepsTheOldFile() {
        QFETCH(QString, name);
        SmallDisk disk(256);
        if (!disk.Mounted()) {
            QSKIP("this machine does not let the test mount a small filesystem");
        }
        Window win(prompts, 2000);
        const QString path = disk.Path(name);
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("precious");
        old.close();
        disk.Fill(4096);
        prompts.saveName = path;
        prompts.answers = {app::MessageAnswer::Yes};
        win.w.ExpToExcelClick();
        QCOMPARE(prompts.asked.size(), 2);
        QCOMPARE(prompts.asked[1].Icon, app::MessageIcon::Error);
        QVERIFY2(prompts.asked[1].Text.contains(path), qPrintable(prompts.asked[1].Text));
        // The system's reason, not "Unknown error".
        QVERIFY2(prompts.asked[1].Text.contains("No space left on device"),
                 qPrintable(prompts.asked[1].Text));
        QCOMPARE(ReadAll(path), QByteArray("precious"));
        QCOMPARE(QDir(disk.Path("")).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void copySelectedCells() {
        Window win(prompts, 3);
        QTableView& grid = win.w.DBGrid1();
        grid.selectionModel()->select(
            QItemSelection(grid.model()->index(0, 0), grid.model()->index(1, 3)),
            QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied);
        QCOMPARE(copied->text(),
                 QString("1\tArea, \"big\"\nroom\tm\t2.227 m\n"
                         "2\t体积累加\tm\t5' 3 1/2\"  \n")
                     .replace("Area, \"big\"\nroom", "\"Area, \"\"big\"\"\nroom\""));
        QVERIFY(copied->html().contains("<td>体积累加</td>"));
        QVERIFY(copied->html().contains("<td>2.227 m</td>"));
        QCOMPARE(copied->html().count("<tr>"), 2);
    }

    void copyReading() {
        Window win(prompts, 0);
        win.w.Label(3).setText("1.234  m");
        win.w.CopyReading();
        QCOMPARE(QApplication::clipboard()->text(), QString("1.234 m"));
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
        QTest::newRow("fraction") << "3 1/2 in" << false << 0.0 << "";
        QTest::newRow("feet and inches") << "5' 3 1/2\"" << false << 0.0 << "";
        QTest::newRow("chinese unit") << "3 米" << false << 0.0 << "";
        QTest::newRow("blank slot") << "   " << false << 0.0 << "";
        QTest::newRow("empty") << "" << false << 0.0 << "";
        QTest::newRow("no unit") << "2.227" << false << 0.0 << "";
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
};

int main(int argc, char** argv) {
    app::RangeDeskApplication application(argc, argv);
    TestExportFormats test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_export_formats.moc"
