// The three export formats through the window: the filter and the typed extension decide the
// writer; and copying cells and readings to the clipboard. What the files hold is tested with
// the writers, in tests/output.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QTableView>
#include <QTest>

#include "filled_window.h"
#include "fresh_settings.h"
#include "grid_to_excel.h"
#include "main_form.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "record_store.h"
#include "recording_prompts.h"

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

struct Window : FilledWindow {
    Window(RecordingPrompts& prompts, int rows) : FilledWindow(prompts, rows, Record) {}
};

} // namespace

class TestExportFormats : public QObject {
    Q_OBJECT
    RecordingPrompts prompts;

private slots:
    void initTestCase() {
        UseFreshSettings();
        static_cast<app::RangeDeskApplication*>(qApp)->SetPrompts(&prompts);
    }
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
};

int main(int argc, char** argv) {
    app::RangeDeskApplication application(argc, argv);
    TestExportFormats test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_export_formats.moc"
