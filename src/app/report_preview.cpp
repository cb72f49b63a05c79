#include "report_preview.h"

#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include <exception>

#include "export_error.h"
#include "export_names.h"
#include "file_names.h"
#include "report_settings.h"
#include "user_prompts.h"

namespace rangedesk::app {
namespace {

// A PDF that the user names: its file name suggested from the job and today's date.
void SavePdf(UserPrompts& prompts, const JobReport& report, UnitSystem units,
             const std::vector<std::filesystem::path>& protectedFiles) {
    QString name =
        SuggestedExportName(report.Job().Name, QDate::currentDate(), output::ExportFormat::Csv);
    name.chop(QStringLiteral(".csv").size()); // the export's name, as a PDF
    const QString filter = QCoreApplication::translate("ReportPreview", "PDF (*.pdf)");
    const SaveFileAnswer answer = prompts.AskSaveFileName({{filter}, filter, {}, name + ".pdf"});
    QString path = answer.Path.trimmed();
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += ".pdf";
    }
    try {
        (void)report.PrintToPdf(files::LocalPath(QFileInfo(path).absoluteFilePath()), units,
                                protectedFiles);
    } catch (const output::ExportError& e) {
        prompts.Ask(
            {QCoreApplication::translate("ReportPreview", "Save PDF"),
             QCoreApplication::translate("ReportPreview", "Could not save the report as %1: %2")
                 .arg(path, e.Reason()),
             MessageIcon::Error});
        return;
    }
}

} // namespace

JobReport::JobReport(const store::DownloadHistory& history, const store::JobInfo& job,
                     std::filesystem::path definition)
    : job_(job), definition_(std::move(definition)) {
    records_.ShowJob(history, job.Id);
    const output::ReportSettings firm = output::ReportSettings::Load();
    header_ = {firm.Company, firm.Contact, job.Name, job.Client, job.Address, QDate::currentDate()};
}

output::PrintOutcome JobReport::Print(QPagedPaintDevice& device, UnitSystem units) const {
    return output::PrintClientReport(records_, header_, units, definition_, device);
}

output::PrintOutcome
JobReport::PrintToPdf(const std::filesystem::path& pdf, UnitSystem units,
                      const std::vector<std::filesystem::path>& protectedFiles) const {
    return output::PrintClientReportToPdf(records_, header_, units, definition_, pdf,
                                          protectedFiles);
}

void ShowReportPreview(QWidget* parent, UserPrompts& prompts, const JobReport& report,
                       UnitSystem units, const std::vector<std::filesystem::path>& protectedFiles) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName("ReportPreview");
    preview.setWindowTitle(QCoreApplication::translate("ReportPreview", "Report of job \"%1\"")
                               .arg(report.Job().Name));
    std::exception_ptr failure;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* p) {
        try {
            // Print to file goes through the output layer like every file (never the database).
            if (p->outputFormat() == QPrinter::PdfFormat && !p->outputFileName().isEmpty()) {
                (void)report.PrintToPdf(files::LocalPath(p->outputFileName()), units,
                                        protectedFiles);
            } else {
                (void)report.Print(*p, units);
            }
        } catch (const std::exception&) {
            failure = std::current_exception();
            QMetaObject::invokeMethod(&preview, &QDialog::reject, Qt::QueuedConnection);
        }
    });
    if (auto* tools = preview.findChild<QToolBar*>()) {
        QAction* save =
            tools->addAction(QCoreApplication::translate("ReportPreview", "Save PDF..."));
        save->setObjectName("SavePdf");
        QObject::connect(save, &QAction::triggered, &preview,
                         [&] { SavePdf(prompts, report, units, protectedFiles); });
    }
    preview.exec();
    if (failure) {
        std::rethrow_exception(failure);
    }
}

} // namespace rangedesk::app
