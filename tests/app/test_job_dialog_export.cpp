// The job dialog keeps refused fields open with the reason; the export dialog suggests a name
// from the job and the date and opens with the format and folder of the last export.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "download_history.h"
#include "edit_failure.h"
#include "export_names.h"
#include "fresh_settings.h"
#include "grid_to_excel.h"
#include "history_form.h"
#include "job_book.h"
#include "job_dialog.h"
#include "job_prompts.h"
#include "main_form.h"
#include "meter_link.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "record_store.h"
#include "recording_prompts.h"
#include "sim_meter.h"

using namespace rangedesk;

class TestJobDialogExport : public QObject {
    Q_OBJECT
    RecordingPrompts prompts;

private slots:
    void initTestCase() {
        UseFreshSettings();
        static_cast<app::RangeDeskApplication*>(qApp)->SetPrompts(&prompts);
    }

    void suggestedName_data() {
        QTest::addColumn<QString>("job");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("expected");
        const auto xlsx = int(output::ExportFormat::Xlsx);
        QTest::newRow("job") << "Site A" << xlsx << "Site A 2026-12-09.xlsx";
        QTest::newRow("no job, legacy")
            << "" << int(output::ExportFormat::Xls) << "RangeDesk 2026-12-09.XLS";
        QTest::newRow("blanks only")
            << "   " << int(output::ExportFormat::Csv) << "RangeDesk 2026-12-09.csv";
        QTest::newRow("what disks refuse") << "A/B: \"C\"?" << xlsx << "A-B- -C-- 2026-12-09.xlsx";
        QTest::newRow("no hidden file") << "..site" << xlsx << "site 2026-12-09.xlsx";
        QTest::newRow("Chinese") << "厨房" << xlsx << "厨房 2026-12-09.xlsx";
    }
    void suggestedName() {
        QFETCH(QString, job);
        QFETCH(int, format);
        QFETCH(QString, expected);
        QCOMPARE(app::SuggestedExportName(job, QDate(2026, 12, 9), output::ExportFormat(format)),
                 expected);
    }

    // A long name is cut to 255 bytes, never inside a character, and keeps date and extension.
    void longNameIsCutWhole() {
        const QString job = QString("𝄞厨").repeated(100);
        const QString name =
            app::SuggestedExportName(job, QDate(2026, 12, 9), output::ExportFormat::Csv);
        QVERIFY(name.toUtf8().size() <= 255);
        QVERIFY(name.toUtf8().size() > 240);
        QVERIFY(name.endsWith(" 2026-12-09.csv"));
        QCOMPARE(QString::fromUtf8(name.toUtf8()), name); // no half surrogate pair
        QVERIFY(!name.front().isLowSurrogate());
    }

    // A refused name stays in the dialog with the reason; a good one is made and accepted.
    void jobDialogRefusesThenMakes() {
        ProgramFolder folder;
        store::RecordStore store(folder.LibFile("DistLib.mdb"), store::StoreAccess::ReadWrite);
        store.Open();
        store::JobBook(store).Create("Site A");
        std::optional<qint64> made;
        app::TJobDialog dialog(
            {"New job", {}, [&](const app::JobForm& form) {
                 return store::EditFailure(
                     [&] { made = store::JobBook(store).Create(form.Name, form.Details).Id; });
             }});
        dialog.show();
        dialog.NameEdit().setText("SITE a");
        dialog.ClientEdit().setText("Mrs Lane");
        dialog.OkButton().click();
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.Refusal().isVisible());
        QVERIFY2(dialog.Refusal().text().contains("Site A"), qPrintable(dialog.Refusal().text()));
        QVERIFY(!made);
        QCOMPARE(store::JobBook(store).List().size(), std::size_t(1)); // nothing half-made

        dialog.NameEdit().setText("Site B");
        dialog.NotesEdit().setPlainText("two floors");
        dialog.OkButton().click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(made);
        const store::JobInfo job = *store::JobBook(store).Find(*made);
        QCOMPARE(job.Name, QString("Site B"));
        QCOMPARE(job.Client, QString("Mrs Lane"));
        QCOMPARE(job.Notes, QString("two floors"));
    }

    // The History's export suggests the job and date, then opens with the last format and folder.
    void exportRemembersFormatAndFolder() {
        QSettings().remove("export");
        ProgramFolder folder;
        hid::sim::SimHidBus bus;
        sim::SimMeter meter(bus, 3);
        meter.SetRecords(sim::DemoRecords(3, 4));
        meter.Plug();
        app::TMainForm w(bus, prompts, folder.Path());
        w.show();
        QTRY_VERIFY_WITH_TIMEOUT(w.Link().MeterConnected(), 8000);
        w.ExportAllData().click();
        const qint64 id = store::DownloadHistory(w.Store()).List().front().Id;
        const qint64 job = store::JobBook(w.Store()).Create("Site A").Id;
        store::JobBook(w.Store()).Assign(id, job);
        w.HistoryBtn().click();
        app::THistoryForm& history = *w.CurrentHistory();

        const QString out = folder.Path() + "/out";
        QVERIFY(QDir().mkpath(out));
        prompts.saveRequests.clear();
        prompts.saveName = out + "/first.csv";
        prompts.chosenFilter = app::kExportFilters.value(2);
        history.Export().click();
        QVERIFY(QFile::exists(out + "/first.csv"));
        QCOMPARE(prompts.saveRequests.size(), 1);
        const QString date =
            store::DownloadHistory(w.Store()).Find(id)->Started.toLocalTime().date().toString(
                "yyyy-MM-dd");
        QCOMPARE(prompts.saveRequests[0].SuggestedName, "Site A " + date + ".XLS");

        prompts.chosenFilter.clear(); // the dialog's own first choice, now the remembered one
        prompts.saveName = out + "/second";
        history.Export().click();
        QCOMPARE(prompts.saveRequests.size(), 2);
        QCOMPARE(prompts.saveRequests[1].Filter, app::kExportFilters.value(2));
        QCOMPARE(QDir(prompts.saveRequests[1].Folder), QDir(out));
        QCOMPARE(prompts.saveRequests[1].SuggestedName, "Site A " + date + ".csv");
        QVERIFY(QFile::exists(out + "/second.csv"));
    }
};

int main(int argc, char** argv) {
    app::RangeDeskApplication application(argc, argv);
    TestJobDialogExport test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_job_dialog_export.moc"
