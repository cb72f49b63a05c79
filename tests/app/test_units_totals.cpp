// Units, totals and the client report through the windows: the export dialog's unit system,
// the History window's totals of a download and of a job, the export of a job, and the report
// of a job with the firm from Settings. What the writers and the report engine do is tested
// with them, in tests/output.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "data_location.h"
#include "download_history.h"
#include "file_names.h"
#include "filled_window.h"
#include "fresh_settings.h"
#include "grid_to_excel.h"
#include "history_form.h"
#include "history_models.h"
#include "job_book.h"
#include "kept_records_table.h"
#include "main_form.h"
#include "measurement_cells.h"
#include "meter_link.h"
#include "number_format.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "record_store.h"
#include "recording_prompts.h"
#include "report_preview.h"
#include "report_settings.h"
#include "settings_form.h"
#include "sim_meter.h"
#include "table_totals.h"
#include "totals_panel.h"
#include "unit_choice.h"

using namespace rangedesk;

namespace {

constexpr int kTimeoutMs = 8000;
constexpr int kRecords = 15; // every unit and kind the demo meter writes

// A record in feet, one in m2 with a slot that holds no quantity, one in inches.
MeasurementRecord Record(int i) {
    MeasurementRecord r;
    r.ModeText = "Area";
    r.UnitText = i == 2 ? "m" : i == 1 ? "ft" : "in";
    r.Slots[0] = i == 1 ? SlotTexts{"10.00", "ft"} : SlotTexts{"4.100", "m"};
    r.Slots[1] = i == 2 ? SlotTexts{"---", ""} : SlotTexts{"73 3/4", "in"};
    r.Slots[3] = i == 1   ? SlotTexts{"10.00", "ft"}
                 : i == 2 ? SlotTexts{"41.81", "m2"}
                          : SlotTexts{"2.5", "in"};
    return r;
}

QJsonArray XlsxCells(const QString& path) {
    QProcess reader;
    reader.start("/usr/bin/python3",
                 {QString(RANGEDESK_SOURCE_DIR) + "/tests/output/read_xlsx.py", path});
    reader.waitForFinished(30000);
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object()["cells"].toArray();
}

QString PdfText(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Picks an entry of a combo box as a user does, so its `activated` runs.
void Pick(QComboBox& box, const QString& text) {
    const int index = box.findText(text, Qt::MatchExactly);
    QVERIFY2(index >= 0, qPrintable(text));
    box.setCurrentIndex(index);
    emit box.activated(index);
}

// Picks an entry of the file dialog's list of types as a user does, so it says so.
void PickText(QComboBox& box, const QString& text) {
    box.setCurrentIndex(box.findText(text));
    emit box.textActivated(box.currentText());
}

// A window over a simulated meter with one download in the job "Site A" and an empty job
// "Empty"; the client report's definition beside the database.
struct Rig {
    explicit Rig(RecordingPrompts& prompts) : meter(bus, 3), w(bus, prompts, folder.Path()) {
        QFile::copy(QString(RANGEDESK_SOURCE_DIR) + "/resources/Report.rav",
                    folder.LibFile(store::kClientReportDefinitionFile));
        meter.SetRecords(sim::DemoRecords(3, kRecords));
        meter.Plug();
        w.show();
    }
    bool Downloaded() {
        if (!QTest::qWaitFor([&] { return w.Link().MeterConnected(); }, kTimeoutMs)) {
            return false;
        }
        w.ExportAllData().click();
        const std::vector<store::DownloadInfo> list = store::DownloadHistory(w.Store()).List();
        if (list.empty()) {
            return false;
        }
        download = list.front().Id;
        store::JobBook jobs(w.Store());
        job = jobs.Create("Site A", {"Mrs Lane", "12 High Street", ""});
        jobs.Assign(download, job.Id);
        jobs.Create("Empty");
        w.HistoryBtn().click();
        return w.CurrentHistory() != nullptr;
    }
    app::THistoryForm& History() { return *w.CurrentHistory(); }
    // The job's records as the exports and the report read them.
    std::unique_ptr<store::KeptRecordsTable> JobRecords() {
        auto table = std::make_unique<store::KeptRecordsTable>();
        table->ShowJob(store::DownloadHistory(w.Store()), job.Id);
        return table;
    }

    ProgramFolder folder;
    hid::sim::SimHidBus bus;
    sim::SimMeter meter;
    app::TMainForm w;
    qint64 download = 0;
    store::JobInfo job;
};

// The label says every total of the table, with its records, and under As measured how many
// were left out.
void CheckTotalsShown(const QString& shown, const QAbstractItemModel& table, UnitSystem units) {
    const std::vector<KindTotal> totals = output::TableTotals(table, units);
    QVERIFY(!totals.empty());
    for (const KindTotal& total : totals) {
        const QString said = output::TotalText(total, NumberFormat::FromCurrentLocale()) +
                             QString(" (records: %1").arg(total.Records);
        QVERIFY2(shown.contains(said), qPrintable(shown + " lacks " + said));
        QCOMPARE(shown.contains(QString("left out: %1)").arg(total.LeftOut.size())),
                 !total.LeftOut.empty());
    }
}

} // namespace

class TestUnitsTotals : public QObject {
    Q_OBJECT
    RecordingPrompts prompts;

private slots:
    void initTestCase() {
        UseFreshSettings();
        static_cast<app::RangeDeskApplication*>(qApp)->SetPrompts(&prompts);
    }
    void init() {
        prompts = RecordingPrompts();
        QSettings().remove("export");
    }

    // Metric writes numbers in m and m2 with their unit formats, says how many values stayed
    // text, and is offered again by the next export; an XLS file refuses it.
    void exportInMetric() {
        FilledWindow filled(prompts, 3, Record);
        prompts.saveName = filled.Target("metric.xlsx");
        prompts.chosenFilter = app::kExportFilters.value(1);
        prompts.chosenUnits = UnitSystem::Metric;
        filled.w.ExpToExcelClick();
        QCOMPARE(prompts.saveRequests.size(), 1);
        QCOMPARE(prompts.saveRequests[0].Units, std::optional(UnitSystem::AsMeasured));
        QVERIFY2(prompts.Texts().last().contains("1 value stayed text"),
                 qPrintable(prompts.Texts().join('|')));

        const QJsonArray cells = XlsxCells(filled.Target("metric.xlsx"));
        QVERIFY2(cells.size() >= 4, qPrintable(prompts.Texts().join('|')));
        int result = -1;
        for (int c = 0; c < cells[0].toArray().size(); ++c) {
            if (cells[0].toArray()[c].toObject()["value"].toString() == "RESULT") {
                result = c;
            }
        }
        QVERIFY(result >= 0);
        const struct {
            double value;
            QString unit;
        } expected[] = {{3.048, "m"}, {41.81, "m2"}, {0.0635, "m"}};
        for (int row = 1; row <= 3; ++row) {
            const QJsonObject cell = cells[row].toArray()[result].toObject();
            QCOMPARE(cell["type"].toString(), QString("float"));
            QVERIFY(qAbs(cell["value"].toDouble() - expected[row - 1].value) < 1e-9);
            QVERIFY2(cell["format"].toString().contains("\" " + expected[row - 1].unit + "\""),
                     qPrintable(cell["format"].toString()));
        }

        // Remembered like the format: the next dialog opens with Metric.
        prompts.chosenFilter = app::kExportFilters.value(0);
        prompts.saveName = filled.Target("legacy.XLS");
        prompts.chosenUnits = UnitSystem::Metric;
        filled.w.ExpToExcelClick();
        QCOMPARE(prompts.saveRequests.size(), 2);
        QCOMPARE(prompts.saveRequests[1].Units, std::optional(UnitSystem::Metric));
        QVERIFY(!QFile::exists(filled.Target("legacy.XLS")));
        QVERIFY2(prompts.Texts().last().contains(".XLS"), qPrintable(prompts.Texts().last()));
    }

    // The real dialog shows the unit system asked for under the file type, turns it off for the
    // legacy XLS, and answers with the one chosen.
    void dialogOffersUnits() {
        QTemporaryDir dir;
        app::DialogPrompts dialogs;
        bool shownMetric = false;
        bool offForXls = false;
        QTimer look;
        look.setInterval(50);
        connect(&look, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* units = dialog ? dialog->findChild<QComboBox*>("ExportUnits") : nullptr;
            if (!units) {
                return;
            }
            look.stop();
            shownMetric = app::ChosenUnits(*units) == UnitSystem::Metric;
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            if (!types) {
                dialog->reject();
                return;
            }
            PickText(*types, app::kExportFilters.value(0));
            offForXls = !units->isEnabled();
            PickText(*types, app::kExportFilters.value(1));
            app::ShowUnits(*units, UnitSystem::Imperial);
            // Typed as a user types it: the name field of the dialog, in its folder.
            if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) {
                name->setText("imperial.xlsx");
            }
            static_cast<QDialog*>(dialog)->accept(); // as OK does
        });
        QTimer giveUp; // a dialog that never shows the choice must not hang the test
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, this, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        });
        look.start();
        giveUp.start(20000);
        const app::SaveFileAnswer answer =
            dialogs.AskSaveFileName({app::kExportFilters, app::kExportFilters.value(1), dir.path(),
                                     "x.xlsx", UnitSystem::Metric});
        QVERIFY(shownMetric);
        QVERIFY(offForXls);
        QCOMPARE(answer.Path, dir.filePath("imperial.xlsx"));
        QCOMPARE(answer.Units, UnitSystem::Imperial);
    }

    // The totals under the records match those of the table, for the download and the job,
    // in each unit system; a deduction switched in the grid is taken off at once.
    void totalsOfDownloadAndJob_data() {
        QTest::addColumn<int>("units");
        QTest::newRow("as measured") << int(UnitSystem::AsMeasured);
        QTest::newRow("metric") << int(UnitSystem::Metric);
        QTest::newRow("imperial") << int(UnitSystem::Imperial);
    }
    void totalsOfDownloadAndJob() {
        QFETCH(int, units);
        const UnitSystem system = UnitSystem(units);
        Rig rig(prompts);
        QVERIFY(rig.Downloaded());
        app::THistoryForm& history = rig.History();
        app::TTotalsPanel& totals = history.Totals();
        QVERIFY(!totals.JobTotals().isVisibleTo(&history)); // all jobs: no job's totals
        app::ShowUnits(totals.UnitsChoice(), system);
        QCOMPARE(totals.Units(), system);

        Pick(history.JobFilter(), "Site A");
        QVERIFY(totals.JobTotals().isVisibleTo(&history));
        QCOMPARE(history.SelectedDownload(), rig.download);
        store::KeptRecordsTable download;
        download.ShowDownload(store::DownloadHistory(rig.w.Store()), rig.download);
        CheckTotalsShown(totals.DownloadTotals().text(), download, system);
        CheckTotalsShown(totals.JobTotals().text(), *rig.JobRecords(), system);
        if (system == UnitSystem::AsMeasured) {
            QVERIFY2(totals.JobTotals().text().contains("left out"),
                     qPrintable(totals.JobTotals().text())); // the fixture mixes units
        }

        // The first record with an area becomes a deduction.
        const QString before = totals.JobTotals().text();
        QAbstractItemModel& records = *history.Records().model();
        const auto isArea = [&](int row) {
            const std::optional<Quantity> q = output::CellQuantity(
                records.index(row, int(records::LoadDataColumn::RESULT)).data().toString(),
                records.index(row, int(records::LoadDataColumn::UNIT)).data().toString());
            return q && q->Kind == QuantityKind::Area;
        };
        int row = 0;
        while (row < records.rowCount() && !isArea(row)) {
            ++row;
        }
        QVERIFY(row < records.rowCount());
        QVERIFY(records.setData(records.index(row, store::DownloadRecordsModel::Deduction),
                                Qt::Checked, Qt::CheckStateRole));
        if (system != UnitSystem::AsMeasured) { // as measured, it may be one left out
            QVERIFY(totals.JobTotals().text() != before);
        }
        CheckTotalsShown(totals.JobTotals().text(), *rig.JobRecords(), system);
        download.ShowDownload(store::DownloadHistory(rig.w.Store()), rig.download);
        CheckTotalsShown(totals.DownloadTotals().text(), download, system);
    }

    // "Export job..." writes every record of the job with its download first, in the units
    // chosen, and is off unless the list shows one job.
    void exportOfJob() {
        Rig rig(prompts);
        QVERIFY(rig.Downloaded());
        app::THistoryForm& history = rig.History();
        QVERIFY(!history.ExportJob().isEnabled());
        QVERIFY(!history.Report().isEnabled());
        Pick(history.JobFilter(), "Site A");
        QVERIFY(history.ExportJob().isEnabled());

        prompts.saveName = rig.folder.Path() + "/job.csv";
        prompts.chosenFilter = app::kExportFilters.value(2);
        prompts.chosenUnits = UnitSystem::Metric;
        history.ExportJob().click();
        QCOMPARE(prompts.saveRequests.size(), 1);
        QVERIFY(prompts.saveRequests[0].SuggestedName.startsWith("Site A "));
        QFile file(prompts.saveName);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll())
                                      .remove(QChar(0xFEFF))
                                      .split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), kRecords + 1);
        QVERIFY2(lines[0].startsWith("Download,RecNo,"), qPrintable(lines[0]));
        QVERIFY2(lines[0].contains("RESULT unit"), qPrintable(lines[0]));
    }

    // The firm comes from Settings; the job's report prints its pages with the company and
    // "Page 1 of" into a PDF; an empty job is refused and opens no preview; a job with records
    // opens the preview with its pages.
    void reportOfJob() {
        Rig rig(prompts);
        QVERIFY(rig.Downloaded());
        {
            app::TSettingsForm settings(&rig.w, [] { return QString("test"); });
            settings.Company().setText("Example Surveys Ltd ");
            settings.Contact().setText("office@example.com");
            settings.Save();
        }
        QCOMPARE(output::ReportSettings::Load(),
                 (output::ReportSettings{"Example Surveys Ltd", "office@example.com"}));
        QCOMPARE(app::TSettingsForm(&rig.w, [] { return QString(); }).Company().text(),
                 QString("Example Surveys Ltd"));

        const app::JobReport report(
            store::DownloadHistory(rig.w.Store()), rig.job,
            files::LocalPath(rig.folder.LibFile(store::kClientReportDefinitionFile)));
        QCOMPARE(report.Records(), kRecords);
        const QString pdf = rig.folder.Path() + "/report.pdf";
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            QCOMPARE(report.Print(printer, UnitSystem::Metric), output::PrintOutcome::Printed);
        }
        const QString text = PdfText(pdf);
        for (const QString expected :
             {"Example Surveys Ltd", "office@example.com", "Site A", "Mrs Lane", "Page 1 of"}) {
            QVERIFY2(text.contains(expected), qPrintable(expected + " not in:\n" + text));
        }

        app::THistoryForm& history = rig.History();
        Pick(history.JobFilter(), "Empty");
        QVERIFY(history.Report().isEnabled());
        history.Report().click(); // returns: no preview waits for the user
        QVERIFY2(prompts.Texts().last().contains("\"Empty\" has no records to report"),
                 qPrintable(prompts.Texts().join('|')));

        // The preview of a job with records, closed once it shows its pages.
        Pick(history.JobFilter(), "Site A");
        int pages = 0;
        QTimer look;
        look.setInterval(50);
        connect(&look, &QTimer::timeout, this, [&] {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            auto* widget = preview ? preview->findChild<QPrintPreviewWidget*>() : nullptr;
            if (widget && widget->pageCount() > 0) {
                pages = widget->pageCount();
                preview->reject();
            }
        });
        QTimer giveUp; // a preview that never shows pages must not hang the test
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, this, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        });
        look.start();
        giveUp.start(20000);
        history.Report().click();
        QVERIFY(pages >= 1);
    }
};

int main(int argc, char** argv) {
    // The firm written by Settings goes to a configuration of this test alone.
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    app::RangeDeskApplication application(argc, argv);
    TestUnitsTotals test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_units_totals.moc"
