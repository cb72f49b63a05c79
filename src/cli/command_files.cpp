// The commands that work on files: export, decode and print.
#include <QCoreApplication>
#include <QFileInfo>
#include <QPdfWriter>

#include <clocale>
#include <iostream>
#include <string>

#include "atomic_file.h"
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
#include "table_sheet.h"

namespace rangedesk::cli {
namespace {

// The format of an export: --format, or else the file's extension.
QString FormatFor(const CliOptions& options, const QString& path) {
    if (!options.Format.isEmpty()) {
        return options.Format;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "xls" || suffix == "xlsx" || suffix == "csv") {
        return suffix;
    }
    return path == "-" ? "csv" : "xls";
}

QByteArray CsvBytes(const QAbstractItemModel& table, bool byteOrderMark) {
    const output::CsvOptions options{output::CsvSeparatorFor(QLocale()), true};
    QByteArray bytes = byteOrderMark ? output::kUtf8Bom : QByteArray();
    QStringList fields;
    for (int c = 0; c < table.columnCount(); ++c) {
        fields << table.headerData(c, Qt::Horizontal).toString();
    }
    bytes += output::CsvRecord(fields, options);
    for (int r = 0; r < table.rowCount(); ++r) {
        fields.clear();
        for (int c = 0; c < table.columnCount(); ++c) {
            fields << table.index(r, c).data().toString();
        }
        bytes += output::CsvRecord(fields, options);
    }
    return bytes;
}

// The records of the database, read; throws FileError.
void OpenTable(store::RecordStore& store) {
    if (!store.ADOConnectAccess()) {
        throw FileError(QString("cannot open %1: %2")
                            .arg(store.DatabasePath(), store.LastError())
                            .toStdString());
    }
    try {
        store.Table().Open();
    } catch (const store::StoreError& e) {
        throw FileError(
            QString("cannot read %1: %2").arg(store.DatabasePath(), e.what()).toStdString());
    }
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
    const QString format = FormatFor(options, path);
    try {
        store::RecordStore store(DatabaseFor(options));
        OpenTable(store);
        const store::LoadDataModel& table = store.Table();
        if (table.IsEmpty()) {
            PrintError(store.DatabasePath() + " holds no records; nothing was written");
            return kFileError;
        }
        QByteArray bytes;
        if (format == "csv") {
            bytes = CsvBytes(table, path != "-");
        } else if (format == "xls") {
            const auto sheet =
                output::WriteSheet(output::SheetFromTable(table, output::AllColumns(table)));
            bytes =
                QByteArray(reinterpret_cast<const char*>(sheet.data()), qsizetype(sheet.size()));
        } else {
            PrintError("the " + format + " format is not available in this version");
            return kUsage;
        }
        OutputTarget target(path, OutputTarget::Special::Refuse);
        if (target.Device().write(bytes) != bytes.size()) {
            throw FileError(QString("cannot write %1: %2")
                                .arg(target.Path(), target.Device().errorString())
                                .toStdString());
        }
        target.Commit();
        if (!target.IsStandardOutput()) {
            std::fprintf(stderr, "Exported %d records to %s\n", table.rowCount(),
                         qPrintable(QFileInfo(path).absoluteFilePath()));
        }
        return kDone;
    } catch (const FileError& e) {
        PrintError(QString::fromUtf8(e.what()));
        return kFileError;
    }
}

int RunDecode(const CliOptions& options) {
    const RecordLayout layout = meter::LayoutFor(options.Model);
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
        store::RecordStore store(DatabaseFor(options));
        OpenTable(store);
        output::TReportProject project;
        project.SetProjectFile(
            store::LocateData(QCoreApplication::applicationDirPath()).ReportDefinition);
        project.Open();
        if (store.Table().IsEmpty()) {
            PrintError("Have No Data in Database,Can not to Print!");
            return kFileError;
        }
        output::TReportDataSetConnection connection("ReportDataSetConnection1");
        connection.SetDataSet(&store.Table());
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
    }
    return kFileError;
}

} // namespace rangedesk::cli
