// Export to Excel and Print through the main window: the dialogs, the questions and the
// messages. What the files hold is tested with the writers, in tests/output.
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "export_error.h"
#include "filled_window.h"
#include "fresh_settings.h"
#include "grid_to_excel.h"
#include "main_form.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "record_store.h"
#include "recording_prompts.h"
#include "report_definition.h"

using namespace rangedesk;
using app::MessageAnswer;
using app::TMainForm;

namespace {

MeasurementRecord Record(int i) {
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

struct Window : FilledWindow {
    Window(RecordingPrompts& prompts, int rows) : FilledWindow(prompts, rows, Record) {}
};

QString PdfText(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestExportPrint : public QObject {
    Q_OBJECT
    RecordingPrompts prompts;

private slots:
    void initTestCase() {
        UseFreshSettings();
        static_cast<app::RangeDeskApplication*>(qApp)->SetPrompts(&prompts);
    }
    void init() { prompts = RecordingPrompts(); }

    void exportNamesTheFileAndCounts() {
        Window win(prompts, 3);
        win.w.DBGrid1().setCurrentIndex(win.w.DBGrid1().model()->index(1, 2));
        prompts.saveName = win.Target("records"); // no extension typed
        win.w.ExpToExcelClick();
        QCOMPARE(prompts.saveFilters, app::kExportFilters);
        const QString path = win.Target("records.XLS");
        QVERIFY(QFile::exists(path));
        QCOMPARE(prompts.asked.size(), 1);
        QCOMPARE(prompts.asked[0].Caption, QString("Export Data"));
        QCOMPARE(prompts.asked[0].Text, "Exported  3  records total. \r" + path);
        QCOMPARE(win.w.DBGrid1().currentIndex().row(), 1); // the current row survives
        const QByteArray bytes = ReadAll(path);
        QVERIFY(bytes.startsWith(QByteArray::fromHex("090808000000100000000000"
                                                     "42000200a803")));
        QVERIFY(bytes.contains(QByteArray::fromHex("c3d7"))); // 米 as GBK
    }

    void replaceOnlyOnYes_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes replaces") << true;
        QTest::newRow("no keeps the file") << false;
    }
    void replaceOnlyOnYes() {
        QFETCH(bool, yes);
        Window win(prompts, 2);
        const QString path = win.Target("old.xls");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("precious");
        old.close();
        prompts.saveName = path;
        prompts.answers = {yes ? MessageAnswer::Yes : MessageAnswer::No};
        win.w.ExpToExcelClick();
        QCOMPARE(prompts.asked[0].Caption, QString("Query  Information"));
        QCOMPARE(prompts.asked[0].Text, path + "  already exists!\rDo you want to replace it?");
        QCOMPARE(prompts.asked[0].Buttons, app::MessageButtons::YesNo);
        QCOMPARE(prompts.asked.size(), yes ? 2 : 1);
        QCOMPARE(ReadAll(path) == "precious", !yes);
    }

    void cancelledDialogWritesNothing() {
        Window win(prompts, 2);
        prompts.saveName.clear();
        win.w.ExpToExcelClick();
        QVERIFY(prompts.asked.isEmpty());
    }

    void failedWriteKeepsTheOldFileAndSaysSo() {
        Window win(prompts, 2);
        const QString path = win.Target("sub/out.XLS"); // a folder that does not exist
        prompts.saveName = path;
        win.w.ExpToExcelClick();
        QCOMPARE(prompts.asked.size(), 1);
        QCOMPARE(prompts.asked[0].Icon, app::MessageIcon::Error);
        QVERIFY(prompts.asked[0].Text.contains(path));
        QVERIFY(!QFile::exists(path));
        QVERIFY(!prompts.Texts().join("").contains("Exported"));
    }

    void emptyTableTouchesNoFile() {
        Window win(prompts, 0);
        const QString path = win.Target("keep.XLS");
        QFile keep(path);
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.write("keep");
        keep.close();
        prompts.saveName = path;
        win.w.ExpToExcelClick();
        QCOMPARE(prompts.Texts(), QStringList({"There are no records to export."}));
        QCOMPARE(ReadAll(path), QByteArray("keep"));
    }

    // The record database is never an export, whatever the user types.
    void exportToTheDatabaseIsRefused() {
        Window win(prompts, 2);
        const QString database = win.folder.LibFile("DistLib.mdb");
        const QByteArray before = ReadAll(database);
        prompts.saveName = win.folder.LibPath() + "/../lib/DistLib.mdb";
        prompts.chosenFilter = app::kExportFilters[2];
        win.w.ExpToExcelClick();
        QCOMPARE(prompts.asked.size(), 1);
        QCOMPARE(prompts.asked[0].Icon, app::MessageIcon::Error);
        QVERIFY2(prompts.asked[0].Text.contains("it is the record database"),
                 qPrintable(prompts.asked[0].Text));
        QCOMPARE(ReadAll(database), before);
    }

    void printToTheDatabaseIsRefused() {
        Window win(prompts, 2);
        const QString database = win.folder.LibFile("DistLib.mdb");
        const QByteArray before = ReadAll(database);
        win.w.SetPrintToPdf(database);
        QVERIFY_THROWS_EXCEPTION(output::ExportError, win.w.PrintBtnClick());
        QCOMPARE(ReadAll(database), before);
    }

    void printEmptyTable() {
        Window win(prompts, 0);
        const QString pdf = win.Target("none.pdf");
        win.w.SetPrintToPdf(pdf);
        win.w.PrintBtnClick();
        QCOMPARE(prompts.asked.size(), 1);
        QCOMPARE(prompts.asked[0].Caption, QString("Print Error"));
        QCOMPARE(prompts.asked[0].Text, QString("Have No Data in Database,Can not to Print!"));
        QCOMPARE(prompts.asked[0].Icon, app::MessageIcon::Error);
        QVERIFY(!QFile::exists(pdf));
    }

    void missingDefinitionThenRestored() {
        Window win(prompts, 2);
        const QString rav = win.folder.LibFile("Vermo.rav");
        const QByteArray definition = ReadAll(rav);
        QVERIFY(QFile::remove(rav));
        const QString pdf = win.Target("p.pdf");
        win.w.SetPrintToPdf(pdf);
        // Pressed as a user would: the engine's error reaches the error box.
        QMetaObject::invokeMethod(&win.w.PrintBtn(), "click", Qt::QueuedConnection);
        win.w.PrintBtn().setEnabled(true);
        QTRY_COMPARE_WITH_TIMEOUT(prompts.asked.size(), 1, 5000);
        QCOMPARE(prompts.asked[0].Caption, QString(" RangeDesk"));
        QVERIFY2(prompts.asked[0].Text.contains("Vermo.rav"), qPrintable(prompts.asked[0].Text));
        QVERIFY(!QFile::exists(pdf));

        QFile broken(rav);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("rangedesk-report 1\ncolumn RecNo No 10 sideways\n");
        broken.close();
        QVERIFY_THROWS_EXCEPTION(output::ReportError, win.w.PrintBtnClick());
        try {
            win.w.PrintBtnClick();
        } catch (const output::ReportError& e) {
            QVERIFY2(QString(e.what()).contains("line 2"), e.what());
        }

        QFile restored(rav);
        QVERIFY(restored.open(QIODevice::WriteOnly));
        restored.write(definition);
        restored.close();
        win.w.PrintBtnClick();
        QVERIFY(PdfText(pdf).contains("Page 1 of 1"));
    }
};

int main(int argc, char** argv) {
    app::RangeDeskApplication application(argc, argv);
    TestExportPrint test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_export_print.moc"
