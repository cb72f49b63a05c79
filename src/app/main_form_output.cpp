// The two ways records leave the program: the spreadsheet export and the printout.
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTableView>

#include "error_box.h"
#include "grid_to_excel.h"
#include "main_form.h"
#include "record_store.h"
#include "report_project.h"
#include "store_error.h"
#include "user_prompts.h"

namespace rangedesk::app {

void TMainForm::ExpToExcelClick() {
    const int count = store_->Table().rowCount();
    if (count == 0) {
        prompts_.Ask({"Export Data", "There are no records to export.", MessageIcon::Information});
        return;
    }
    QString path = prompts_.AskSaveFileName("*.XLS (*.XLS);;*.xls (*.xls)", "XLS");
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += ".XLS";
    }
    path = QFileInfo(path).absoluteFilePath();
    if (QFileInfo::exists(path)) {
        const MessageAnswer answer =
            prompts_.Ask({"Query  Information",
                          path + "  already exists!" + QChar(13) + "Do you want to replace it?",
                          MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::Yes});
        if (answer != MessageAnswer::Yes) {
            return;
        }
    }
    TDBGridToExcel writer(prompts_);
    writer.DBGrid = grid_;
    writer.FileName = path;
    writer.ConfirmOverwrite = false; // asked above; the old file stays until the new one is whole
    if (!writer.RunExport()) {
        ShowErrorBox(prompts_, QString("Could not export to %1: %2").arg(path, writer.ErrorText()));
        return;
    }
    prompts_.Ask({"Export Data",
                  "Exported  " + QString::number(count) + "  records total. " + QChar(13) + path,
                  MessageIcon::Information});
}

void TMainForm::PrintBtnClick() {
    reportProject_->SetProjectFile(LibPath("Vermo.rav"));
    if (!store_->ADOConnectAccess()) {
        throw store::StoreError(store_->LastError().toStdString());
    }
    reportProject_->Close();
    reportProject_->Open();
    output::TReportDataSetConnection ReportDataSetConnection1("ReportDataSetConnection1");
    ReportDataSetConnection1.SetDataSet(&store_->Table());
    struct CloseProject {
        output::TReportProject& project;
        ~CloseProject() { project.Close(); }
    } closeProject{*reportProject_};
    if (store_->Table().IsEmpty()) {
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
