// rangedesk-screenshots OUTDIR: renders the windows offscreen to PNG files, for looking at the
// program without a display: at start, the About window, a model 3 meter with readings and
// records, the History window with a job's totals, the print preview, the first page of a
// job's report and the export dialog. The language follows the environment (LANGUAGE,
// LC_ALL...) as the program's does.
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "about_form.h"
#include "data_location.h"
#include "download_history.h"
#include "file_names.h"
#include "grid_to_excel.h"
#include "history_form.h"
#include "job_book.h"
#include "job_choice.h"
#include "labelled_load_data_model.h"
#include "load_data_model.h"
#include "main_form.h"
#include "meter_link.h"
#include "platform/sim/sim_hid_bus.h"
#include "rangedesk_application.h"
#include "record_store.h"
#include "report_preview.h"
#include "report_print.h"
#include "report_settings.h"
#include "sim_meter.h"
#include "status_bar.h"
#include "totals_panel.h"
#include "translation_loader.h"
#include "user_prompts.h"

namespace {

using namespace rangedesk;

// Answers every question with its default, so nothing blocks.
class AutoPrompts : public app::UserPrompts {
public:
    app::MessageAnswer Ask(const app::MessageRequest& r) override {
        std::printf("message: %s\n", qPrintable(r.Text));
        return r.Buttons == app::MessageButtons::YesNo ? app::MessageAnswer::Yes
                                                       : app::MessageAnswer::Ok;
    }
    app::SaveFileAnswer AskSaveFileName(const app::SaveFileRequest&) override { return {}; }
    bool AskJob(const app::JobRequest&) override { return false; }
    std::optional<int> AskChoice(const app::ChoiceRequest&) override { return std::nullopt; }
};

bool WaitFor(const std::function<bool()>& done, int timeoutMs = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return done();
}

void Save(QWidget& widget, const QString& path) {
    widget.grab().save(path);
    std::printf("wrote %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char** argv) {
    // Settings of its own: the firm on the report is an example, the user's stays as it is.
    QTemporaryDir configDir;
    qputenv("XDG_CONFIG_HOME", configDir.path().toLocal8Bit());
    app::RangeDeskApplication application(argc, argv);
    desktop::SetUpUiLanguage(application);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "screenshots";
    QDir().mkpath(out);
    // A program folder of its own, so the build's database keeps its rows.
    QTemporaryDir programDir;
    QDir().mkpath(programDir.filePath("lib"));
    const QString libDir = QCoreApplication::applicationDirPath() + "/lib/";
    QFile::copy(libDir + "DistLib.mdb", programDir.filePath("lib/DistLib.mdb"));
    QFile::copy(libDir + "Vermo.rav", programDir.filePath("lib/Vermo.rav"));
    QFile::copy(libDir + store::kClientReportDefinitionFile,
                programDir.filePath(QString("lib/") + store::kClientReportDefinitionFile));
    output::ReportSettings{"Example Surveys Ltd", "+44 20 7946 0000, office@example.com"}.Save();

    AutoPrompts prompts;
    application.SetPrompts(&prompts);
    hid::sim::SimHidBus bus;
    app::TMainForm mainForm(bus, prompts, programDir.path());
    mainForm.show();
    WaitFor([&] { return !mainForm.StatusBar1().PanelText(0).isEmpty(); });
    Save(mainForm, out + "/main-start.png");

    mainForm.AboutBtn().click();
    WaitFor([&] { return mainForm.CurrentAbout() && mainForm.CurrentAbout()->isVisible(); });
    Save(*mainForm.CurrentAbout(), out + "/about.png");
    mainForm.CurrentAbout()->close();

    sim::SimMeter meter(bus, 3);
    meter.SetRecords(sim::DemoRecords(3, 12));
    meter.Plug();
    WaitFor([&] { return mainForm.Link().MeterConnected(); });
    for (const std::int32_t reading : {15000, 23456, 31875}) {
        meter.SetReading(reading);
        const QString before = mainForm.Label(3).text();
        mainForm.ReadKey().click();
        WaitFor([&] { return mainForm.Label(3).text() != before; });
    }
    mainForm.ExportAllData().click();
    WaitFor([&] { return !mainForm.Locked() && mainForm.RecordsLoaded(); });
    Save(mainForm, out + "/main-meter.png");

    // A second download, of a meter that was not cleared, into a job, its rooms labelled.
    const store::JobInfo job =
        store::JobBook(mainForm.Store()).Create("Site A", {"Mrs Lane", "12 Mill Road", "Flooring"});
    mainForm.Jobs().SetJobs(store::JobBook(mainForm.Store()).List());
    mainForm.Jobs().Choose(job.Id);
    meter.SetRecords(sim::DemoRecords(3, 15));
    mainForm.ExportAllData().click();
    WaitFor([&] { return !mainForm.Locked(); });
    QAbstractItemModel& grid = mainForm.GridTable();
    const char* const labels[] = {"Kitchen north wall", "Kitchen floor", "Hall",
                                  "Living room window", "Bedroom 1"};
    for (int row = 0; row < int(std::size(labels)); ++row) {
        grid.setData(grid.index(row, store::LabelledLoadDataModel::kLabelColumn), labels[row]);
    }
    mainForm.GridTable().SetDeduction(3, true); // the window is an opening
    mainForm.DBGrid1().setCurrentIndex(grid.index(0, 0));
    QCoreApplication::processEvents();
    Save(mainForm, out + "/main-job.png");

    mainForm.HistoryBtn().click();
    if (app::THistoryForm* history = mainForm.CurrentHistory()) {
        history->Downloads().selectRow(0);
        QCoreApplication::processEvents();
        Save(*history, out + "/history.png");
        history->SearchBox().setText("kitchen");
        WaitFor([&] { return history->Records().model()->rowCount() == 2; });
        Save(*history, out + "/history-search.png");
        history->SearchBox().clear();
        QComboBox& jobs = history->JobFilter();
        jobs.setCurrentIndex(jobs.findText(job.Name));
        emit jobs.activated(jobs.currentIndex());
        WaitFor([&] { return history->Totals().JobTotals().isVisible(); });
        QCoreApplication::processEvents(); // the panel laid out for its lines
        Save(*history, out + "/history-totals.png");
        history->close();
    }

    const std::filesystem::path definition = files::LocalPath(programDir.filePath("lib/Vermo.rav"));
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewWidget preview(&printer);
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, [&](QPrinter* p) {
        (void)output::PrintTable(mainForm.Table(), definition, *p);
    });
    preview.resize(700, 820);
    preview.show();
    preview.updatePreview();
    preview.fitInView();
    QCoreApplication::processEvents();
    Save(preview, out + "/print-preview.png");

    // The first page of the job's report for its client, in metric units.
    const app::JobReport report(store::DownloadHistory(mainForm.Store()), job,
                                files::LocalPath(programDir.filePath(
                                    QString("lib/") + store::kClientReportDefinitionFile)));
    QPrinter reportPrinter(QPrinter::HighResolution);
    QPrintPreviewWidget reportPreview(&reportPrinter);
    QObject::connect(&reportPreview, &QPrintPreviewWidget::paintRequested,
                     [&](QPrinter* p) { (void)report.Print(*p, UnitSystem::Metric); });
    reportPreview.resize(700, 820);
    reportPreview.show();
    reportPreview.updatePreview();
    reportPreview.setCurrentPage(1);
    reportPreview.fitInView();
    QCoreApplication::processEvents();
    Save(reportPreview, out + "/report-page1.png");

    // The Export to Excel dialog with its three formats, the list of filters opened.
    QFileDialog dialog(&mainForm, QCoreApplication::translate("Screenshots", "Export to Excel"),
                       programDir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(app::ExportFilters());
    dialog.resize(640, 400);
    dialog.show();
    QCoreApplication::processEvents();
    if (auto* filters = dialog.findChild<QComboBox*>("fileTypeCombo")) {
        filters->showPopup();
        QCoreApplication::processEvents();
        Save(*filters->view()->window(), out + "/export-dialog-filters.png");
        filters->hidePopup();
    }
    Save(dialog, out + "/export-dialog.png");
    return 0;
}
