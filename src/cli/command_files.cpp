// The commands that work on files: export, decode and print.
#include <QCoreApplication>

#include <clocale>
#include <iostream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "commands.h"
#include "data_location.h"
#include "exit_status.h"
#include "export_error.h"
#include "file_names.h"
#include "hex_line.h"
#include "load_data_model.h"
#include "measurement_cells.h"
#include "measurement_record.h"
#include "model_table.h"
#include "output_target.h"
#include "record_store.h"
#include "report_print.h"
#include "standard_output.h"
#include "store_error.h"
#include "table_export.h"

namespace rangedesk::cli {

// The format of an export: --format, or else the file's extension (XLS when it has none, CSV
// on standard output).
output::ExportFormat ExportFormatFor(const CliOptions& options, const QString& path) {
    if (options.Format) {
        return *options.Format;
    }
    if (path == "-") {
        return output::ExportFormat::Csv;
    }
    return output::FormatForExtension(path).value_or(output::ExportFormat::Xls);
}

namespace {

void PrintRecord(const MeasurementRecord& r) {
    std::string line = r.ModeText + '\t' + r.UnitText;
    for (const auto& slot : r.Slots) {
        line += '\t' + slot.ValueText + '\t' + slot.SuffixText;
    }
    PrintOut(QByteArray::fromStdString(line + '\n'));
}

} // namespace

int RunExport(const CliOptions& options) {
    const QString path = options.Arguments.front();
    const output::ExportFormat format = ExportFormatFor(options, path);
    store::RecordStore store(DatabaseFor(options), store::StoreAccess::ReadOnly);
    store::LoadDataModel table(store);
    table.Open();
    const std::filesystem::path target = files::LocalPath(path);
    output::ExportOptions exportOptions;
    exportOptions.Protected = output::DatabaseFiles(files::LocalPath(store.Path()));
    exportOptions.Units = options.Units.value_or(UnitSystem::AsMeasured);
    if (format == output::ExportFormat::Xls && exportOptions.Units != UnitSystem::AsMeasured) {
        throw UsageError(QCoreApplication::translate(
                             "CliFiles", "--units %1 needs an .xlsx or .csv file: an .XLS file "
                                         "holds the values as measured")
                             .arg(output::UnitSystemWord(exportOptions.Units)));
    }
    const output::ExportResult result =
        output::ExportRecords(table, output::AllColumns(table), format, target, exportOptions);
    const bool converted = exportOptions.Units != UnitSystem::AsMeasured;
    const QString count = QString::number(table.rowCount());
    const QString units = output::UnitSystemWord(exportOptions.Units);
    const QString textValues = QString::number(result.TextValues);
    QString said;
    if (path == "-") {
        said = QCoreApplication::translate(
                   "CliFiles",
                   "Exported %1 records in %2 units; %3 values stayed text (no quantity in them)")
                   .arg(count, units, textValues);
    } else {
        const QString shown = files::ShownPath(std::filesystem::absolute(target));
        said = converted ? QCoreApplication::translate("CliFiles",
                                                       "Exported %1 records to %2 in %3 units; %4 "
                                                       "values stayed text (no quantity in them)")
                               .arg(count, shown, units, textValues)
                         : QCoreApplication::translate("CliFiles", "Exported %1 records to %2")
                               .arg(count, shown);
    }
    if (path != "-" || converted) {
        std::fprintf(stderr, "%s\n", said.toUtf8().constData());
    }
    return kDone;
}

int RunDecode(const CliOptions& options) {
    struct stat input {};
    if (::fstat(STDIN_FILENO, &input) == 0 && S_ISDIR(input.st_mode)) {
        PrintError(
            QCoreApplication::translate("CliFiles", "cannot read standard input: it is a folder"));
        return kFileError;
    }
    const RecordLayout layout = records::LayoutFor(options.Model);
    const auto format = NumberFormat::FromCurrentLocale();
    MeasurementRecord record;
    bool failed = false;
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        const auto bytes = ParseHexLine(line);
        if (!bytes) {
            std::cerr << QCoreApplication::translate("CliFiles", "line %1: not hexadecimal bytes")
                             .arg(number)
                             .toStdString()
                      << "\n";
            failed = true;
            continue;
        }
        if (bytes->empty()) {
            continue;
        }
        if (bytes->size() < ReplyLength(layout)) {
            std::cerr << QCoreApplication::translate("CliFiles",
                                                     "line %1: %2 bytes, the layout needs %3")
                             .arg(number)
                             .arg(bytes->size())
                             .arg(ReplyLength(layout))
                             .toStdString()
                      << "\n";
            failed = true;
            continue;
        }
        DecodeRecordReply(layout, *bytes, record, format);
        PrintRecord(record);
    }
    if (std::cin.bad()) {
        PrintError(QCoreApplication::translate("CliFiles", "cannot read standard input"));
        return kFileError;
    }
    return failed ? kFileError : kDone;
}

int RunPrint(const CliOptions& options) {
    store::RecordStore store(DatabaseFor(options), store::StoreAccess::ReadOnly);
    store::LoadDataModel table(store);
    table.Open();
    const output::PrintOutcome outcome = output::PrintTableToPdf(
        table,
        files::LocalPath(
            store::LocateData(QCoreApplication::applicationDirPath()).ReportDefinition),
        files::LocalPath(options.Pdf), output::DatabaseFiles(files::LocalPath(store.Path())));
    if (outcome == output::PrintOutcome::NoRows) {
        PrintError(output::NoRowsToPrintText());
        return kFileError;
    }
    return kDone;
}

} // namespace rangedesk::cli
