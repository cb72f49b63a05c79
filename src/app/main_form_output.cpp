// The two ways records leave the program: the spreadsheet export and the printout. The rules of
// both are the output layer's; the window asks for the file and about replacing it.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <QTableView>

#include <exception>

#include "download_history.h"
#include "error_box.h"
#include "export_error.h"
#include "export_names.h"
#include "file_names.h"
#include "grid_to_excel.h"
#include "load_data_columns.h"
#include "load_data_model.h"
#include "main_form.h"
#include "output_target.h"
#include "record_store.h"
#include "report_print.h"
#include "unit_choice.h"
#include "user_prompts.h"

namespace rangedesk::app {
namespace {

// A cursor shown while it lives: the hourglass while records are written, the arrow while a
// question waits for the user.
class CursorOverride {
public:
    explicit CursorOverride(Qt::CursorShape shape) { QApplication::setOverrideCursor(shape); }
    ~CursorOverride() { QApplication::restoreOverrideCursor(); }
    CursorOverride(const CursorOverride&) = delete;
    CursorOverride& operator=(const CursorOverride&) = delete;
};

// A print from the dialogs: "print to file" goes through the output layer like every other file
// (replaced once complete, never the database); a printer gets the pages directly.
void PrintOn(QPrinter& printer, const QAbstractItemModel& table,
             const std::filesystem::path& definition,
             const std::vector<std::filesystem::path>& protectedFiles) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        (void)output::PrintTableToPdf(table, definition, files::LocalPath(printer.outputFileName()),
                                      protectedFiles);
        return;
    }
    (void)output::PrintTable(table, definition, printer);
}

// The export dialog opens where the last export went, with its format, and suggests a name
// from the job and the date of the records.
constexpr const char* kFilterKey = "export/filter";
constexpr const char* kFolderKey = "export/folder";

// The filter is remembered as the sources write it, so a change of language keeps it.
SaveFileRequest ExportRequest(const std::optional<store::DownloadInfo>& download) {
    const QSettings settings;
    const QStringList filters = ExportFilters();
    const qsizetype remembered = kExportFilters.indexOf(settings.value(kFilterKey).toString());
    SaveFileRequest request{filters,
                            filters.value(std::max<qsizetype>(remembered, 0)),
                            settings.value(kFolderKey).toString(),
                            {},
                            RememberedExportUnits()};
    if (!request.Folder.isEmpty() && !QDir(request.Folder).exists()) {
        request.Folder.clear();
    }
    const QDate date = download ? download->Started.toLocalTime().date() : QDate::currentDate();
    request.SuggestedName = SuggestedExportName(download ? download->JobName : QString(), date,
                                                FormatOfFilter(request.Filter));
    return request;
}

void RememberExport(const SaveFileAnswer& answer, const QString& path) {
    QSettings settings;
    if (ExportFilters().contains(answer.Filter) || kExportFilters.contains(answer.Filter)) {
        settings.setValue(kFilterKey, SourceFilter(answer.Filter));
    }
    settings.setValue(kFolderKey, QFileInfo(path).absolutePath());
    if (FormatOfFilter(answer.Filter) != output::ExportFormat::Xls) {
        RememberExportUnits(answer.Units);
    }
}

} // namespace

// The grid's LoadData columns as it shows them: the Label column is no part of an export, so
// every format writes what it always did.
void TMainForm::ExpToExcelClick() {
    std::vector<output::SheetColumn> columns = GridColumns(*grid_);
    std::erase_if(columns, [](const output::SheetColumn& c) {
        return c.Field >= records::kLoadDataColumnCount;
    });
    ExportRecords({*table_, [&](output::ExportFormat, UnitSystem) { return columns; },
                   LoadDataDownloadInfo()});
}

// Records (the main grid's, or a download in the History window) to a file of the format the
// user chooses: asked about when it exists, replaced only once complete.
void TMainForm::ExportRecords(const ExportSource& source) {
    const int count = source.Table.rowCount();
    try {
        output::CheckExportable(count); // before the dialog: there is nothing to name a file for
    } catch (const output::ExportError& e) {
        prompts_.Ask({tr("Export Data"), QString::fromUtf8(e.what()), MessageIcon::Information});
        return;
    }
    const SaveFileAnswer answer = prompts_.AskSaveFileName(ExportRequest(source.Download));
    // The name asked about is the name written: blanks around it are no part of it.
    QString path = answer.Path.trimmed();
    if (path.isEmpty()) {
        return;
    }
    RememberExport(answer, QFileInfo(path).absoluteFilePath());
    // A typed extension decides the format; otherwise the chosen filter does, and names it.
    const output::ExportFormat format =
        output::FormatForExtension(path).value_or(FormatOfFilter(answer.Filter));
    if (QFileInfo(path).suffix().isEmpty()) {
        path += output::ExtensionOf(format);
    }
    path = QFileInfo(path).absoluteFilePath();
    output::ExportOptions options;
    options.Units = answer.Units;
    options.Protected = output::DatabaseFiles(files::LocalPath(store_->Path()));
    options.ConfirmReplace = [&](const std::filesystem::path&) {
        const CursorOverride arrow(Qt::ArrowCursor);
        return prompts_.Ask({tr("Query  Information"),
                             tr("%1  already exists!").arg(path) + QChar(13) +
                                 tr("Do you want to replace it?"),
                             MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::Yes}) ==
               MessageAnswer::Yes;
    };
    output::ExportResult result;
    try {
        const CursorOverride wait(Qt::WaitCursor);
        result = output::ExportRecords(source.Table, source.Columns(format, options.Units), format,
                                       files::LocalPath(path), options);
        if (!result.Written) {
            return; // the user kept the file
        }
    } catch (const output::ExportError& e) {
        ShowErrorBox(prompts_, e.File().isEmpty()
                                   ? QString::fromUtf8(e.what())
                                   : tr("Could not export to %1: %2").arg(path, e.Reason()));
        return;
    }
    QString said = tr("Exported  %1  records total. ").arg(count) + QChar(13) + path;
    if (result.TextValues > 0) {
        said += QChar(13) + StayedTextNote(result.TextValues);
    }
    prompts_.Ask({tr("Export Data"), said, MessageIcon::Information});
}

void TMainForm::PrintBtnClick() {
    store_->Open(); // opened again when it could not be at start
    const QAbstractItemModel& table = *table_;
    const std::filesystem::path definition = files::LocalPath(location_.ReportDefinition);
    const auto protectedFiles = output::DatabaseFiles(files::LocalPath(store_->Path()));
    // Before any dialog: a definition that cannot be read is said even for an empty table.
    if (!output::PrepareReport(table, definition)) {
        prompts_.Ask({tr("Print Error"), output::kNoRowsToPrint, MessageIcon::Error});
        return;
    }
    if (!printToPdf_.isEmpty()) {
        (void)output::PrintTableToPdf(table, definition, files::LocalPath(printToPdf_),
                                      protectedFiles);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(tr("Print Preview"));
    // An error while the preview paints closes it and is shown once it is closed.
    std::exception_ptr failure;
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* p) {
        try {
            PrintOn(*p, table, definition, protectedFiles);
        } catch (const std::exception&) {
            failure = std::current_exception();
            QMetaObject::invokeMethod(&preview, &QDialog::reject, Qt::QueuedConnection);
        }
    });
    preview.exec();
    if (failure) {
        std::rethrow_exception(failure);
    }
}

} // namespace rangedesk::app
