// The commands that work on files: export, decode and print.
#include <QCoreApplication>
#include <QFileInfo>
#include <QPdfWriter>

#include <clocale>
#include <iostream>
#include <string>

#include "commands.h"
#include "csv_text.h"
#include "data_location.h"
#include "exit_status.h"
#include "hex_line.h"
#include "load_data_model.h"
#include "measurement_record.h"
#include "model_table.h"
#include "output_target.h"
#include "record_store.h"
#include "report_project.h"
#include "store_error.h"
#include "table_export.h"

namespace rangedesk::cli {

// The format of an export: --format, or else the file's extension (XLS when it has none, CSV
// on standard output).
output::ExportFormat ExportFormatFor(const CliOptions& options, const QString& path) {
    if (options.Format == "xlsx") {
        return output::ExportFormat::Xlsx;
    }
    if (options.Format == "csv") {
        return output::ExportFormat::Csv;
    }
    if (options.Format == "xls") {
        return output::ExportFormat::Xls;
    }
    if (path == "-") {
        return output::ExportFormat::Csv;
    }
    return output::FormatForExtension(path).value_or(output::ExportFormat::Xls);
}

namespace {

// The table on standard output: CSV without a byte-order mark, or the XLS bytes.
int ExportToStandardOutput(const store::LoadDataModel& table, output::ExportFormat format) {
    const auto columns = output::AllColumns(table);
    QByteArray bytes;
    if (format == output::ExportFormat::Csv) {
        bytes =
            output::CsvFromTable(table, columns, {output::CsvSeparatorFor(QLocale()), true}, false);
    } else if (format == output::ExportFormat::Xls) {
        bytes = output::TableBytes(table, columns, format, {});
    } else {
        PrintError("an .xlsx workbook cannot go to standard output; name a file");
        return kUsage;
    }
    OutputTarget target("-", OutputTarget::Special::Refuse);
    if (target.Device().write(bytes) != bytes.size()) {
        throw FileError("cannot write standard output: " +
                        target.Device().errorString().toStdString());
    }
    target.Commit();
    return kDone;
}

void PrintRecord(const MeasurementRecord& r) {
    std::cout << r.ModeText << '\t' << r.UnitText;
    for (const auto& slot : r.Slots) {
        std::cout << '\t' << slot.ValueText << '\t' << slot.SuffixText;
    }
    std::cout << '\n';
}

} // namespace

int RunExport(const CliOptions& options) {
    const QString path = options.Arguments.front();
    const output::ExportFormat format = ExportFormatFor(options, path);
    try {
        store::RecordStore store(DatabaseFor(options), store::StoreAccess::ReadOnly);
        store::LoadDataModel table(store);
        table.Open();
        if (table.IsEmpty()) {
            PrintError(store.Path() + " holds no records; nothing was written");
            return kFileError;
        }
        if (const QString why = output::FormatLimitProblem(table.rowCount(), format);
            !why.isEmpty()) {
            PrintError(why);
            return kFileError;
        }
        if (path == "-") {
            return ExportToStandardOutput(table, format);
        }
        const QString target = QFileInfo(path).absoluteFilePath();
        if (const QString error =
                output::ExportTable(table, output::AllColumns(table), format, target);
            !error.isEmpty()) {
            PrintError(QString("cannot write %1: %2").arg(target, error));
            return kFileError;
        }
        std::fprintf(stderr, "Exported %d records to %s\n", table.rowCount(), qPrintable(target));
        return kDone;
    } catch (const FileError& e) {
        PrintError(QString::fromUtf8(e.what()));
        return kFileError;
    } catch (const store::StoreError& e) {
        PrintError(e.Message());
        return kFileError;
    }
}

int RunDecode(const CliOptions& options) {
    const RecordLayout layout = records::LayoutFor(options.Model);
    const auto format = NumberFormat::FromCurrentLocale();
    MeasurementRecord record;
    bool failed = false;
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        const auto bytes = ParseHexLine(line);
        if (!bytes) {
            std::cerr << "line " << number << ": not hexadecimal bytes\n";
            failed = true;
            continue;
        }
        if (bytes->empty()) {
            continue;
        }
        if (bytes->size() < ReplyLength(layout)) {
            std::cerr << "line " << number << ": " << bytes->size() << " bytes, the layout needs "
                      << ReplyLength(layout) << "\n";
            failed = true;
            continue;
        }
        DecodeRecordReply(layout, *bytes, record, format);
        PrintRecord(record);
    }
    return failed ? kFileError : kDone;
}

int RunPrint(const CliOptions& options) {
    try {
        store::RecordStore store(DatabaseFor(options), store::StoreAccess::ReadOnly);
        store::LoadDataModel table(store);
        table.Open();
        output::TReportProject project;
        project.SetProjectFile(
            store::LocateData(QCoreApplication::applicationDirPath()).ReportDefinition);
        project.Open();
        if (table.IsEmpty()) {
            PrintError("Have No Data in Database,Can not to Print!");
            return kFileError;
        }
        output::TReportDataSetConnection connection("ReportDataSetConnection1");
        connection.SetDataSet(&table);
        OutputTarget target(options.Pdf, OutputTarget::Special::Refuse);
        {
            QPdfWriter pdf(&target.Device());
            pdf.setTitle("RangeDesk records");
            project.Execute(connection, pdf);
        }
        target.Commit();
        return kDone;
    } catch (const FileError& e) {
        PrintError(QString::fromUtf8(e.what()));
    } catch (const output::ReportError& e) {
        PrintError(QString::fromUtf8(e.what()));
    } catch (const store::StoreError& e) {
        PrintError(e.Message());
    }
    return kFileError;
}

} // namespace rangedesk::cli
