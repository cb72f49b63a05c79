// The two ways records leave the program: the spreadsheet export and the printout.
#include <QApplication>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTableView>

#include "atomic_file.h"
#include "error_box.h"
#include "grid_to_excel.h"
#include "load_data_model.h"
#include "main_form.h"
#include "record_store.h"
#include "report_project.h"
#include "user_prompts.h"

namespace rangedesk::app {

void TMainForm::ExpToExcelClick() {
    ExportView(*grid_);
}

// The records behind a view (the main grid, or a download in the History window) to a file of
// the format the user chooses: asked about when it exists, replaced only once complete.
void TMainForm::ExportView(QTableView& view) {
    const int count = view.model()->rowCount();
    if (count == 0) {
        prompts_.Ask({"Export Data", "There are no records to export.", MessageIcon::Information});
        return;
    }
    const SaveFileAnswer answer = prompts_.AskSaveFileName(kExportFilters);
    // The name asked about is the name written: blanks around it are no part of it.
    QString path = answer.Path.trimmed();
    if (path.isEmpty()) {
        return;
    }
    // A typed extension decides the format; otherwise the chosen filter does, and names it.
    const output::ExportFormat format =
        output::FormatForExtension(path).value_or(FormatOfFilter(answer.Filter));
    if (QFileInfo(path).suffix().isEmpty()) {
        path += output::ExtensionOf(format);
    }
    path = QFileInfo(path).absoluteFilePath();
    if (const QString why = output::FormatLimitProblem(count, format); !why.isEmpty()) {
        ShowErrorBox(prompts_, why);
        return;
    }
    if (const QString why = output::NotReplaceable(path); !why.isEmpty()) {
        ShowErrorBox(prompts_, QString("Could not export to %1: %2").arg(path, why));
        return;
    }
    if (QFileInfo::exists(path)) {
        const MessageAnswer answer =
            prompts_.Ask({"Query  Information",
                          path + "  already exists!" + QChar(13) + "Do you want to replace it?",
                          MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::Yes});
        if (answer != MessageAnswer::Yes) {
            return;
        }
    }
    QString error;
    if (format == output::ExportFormat::Xls) {
        TDBGridToExcel writer(prompts_);
        writer.DBGrid = &view;
        writer.FileName = path;
        writer.ConfirmOverwrite = false; // asked above; the old file stays until the new is whole
        error = writer.RunExport()             ? QString()
                : writer.ErrorText().isEmpty() ? QStringLiteral("nothing was written")
                                               : writer.ErrorText();
    } else {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        error = output::ExportTable(*view.model(), GridColumns(view), format, path);
        QApplication::restoreOverrideCursor();
    }
    if (!error.isEmpty()) {
        ShowErrorBox(prompts_, QString("Could not export to %1: %2").arg(path, error));
        return;
    }
    prompts_.Ask({"Export Data",
                  "Exported  " + QString::number(count) + "  records total. " + QChar(13) + path,
                  MessageIcon::Information});
}

void TMainForm::PrintBtnClick() {
    reportProject_->SetProjectFile(location_.ReportDefinition);
    store_->Open(); // opened again when it could not be at start
    reportProject_->Close();
    reportProject_->Open();
    output::TReportDataSetConnection ReportDataSetConnection1("ReportDataSetConnection1");
    ReportDataSetConnection1.SetDataSet(table_.get());
    struct CloseProject {
        output::TReportProject& project;
        ~CloseProject() { project.Close(); }
    } closeProject{*reportProject_};
    if (table_->IsEmpty()) {
        prompts_.Ask(
            {"Print Error", "Have No Data in Database,Can not to Print!", MessageIcon::Error});
        return;
    }
    if (!printToPdf_.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToPdf_);
        reportProject_->Execute(ReportDataSetConnection1, printer);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle("Print Preview");
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&](QPrinter* p) { reportProject_->Execute(ReportDataSetConnection1, *p); });
    preview.exec();
}

} // namespace rangedesk::app
