#include "table_export.h"

#include <QCoreApplication>

#include <QAbstractItemModel>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <sys/stat.h>

#include "atomic_file.h"
#include "biff_sheet.h"
#include "db_grid_to_excel.h"
#include "export_error.h"
#include "file_error.h"
#include "file_names.h"
#include "measurement_cells.h"
#include "output_target.h"
#include "regular_file.h"
#include "xlsx_workbook.h"

namespace fs = std::filesystem;

namespace rangedesk::output {
namespace {

// The largest workbook copied from its scratch file to standard output.
constexpr qint64 kMaxStreamedWorkbook = qint64(1) << 31;

bool ExistsAsFile(const fs::path& path) {
    struct stat st {};
    return path != "-" && ::stat(path.c_str(), &st) == 0;
}

void WriteCsv(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
              OutputTarget& target, const ExportOptions& options, ExportResult& result) {
    CsvOptions csv = CsvOptionsFor(QLocale());
    csv.Separator = options.CsvSeparator.value_or(csv.Separator);
    CsvTable written = CsvFromTable(table, columns, csv, !target.IsStandardOutput(), options.Units);
    target.Write(written.Bytes);
    result.TextValues = written.TextValues;
}

XlsxResult WriteXlsxOrThrow(const QAbstractItemModel& table,
                            const std::vector<SheetColumn>& columns, const fs::path& file,
                            const OutputTarget& target, const ExportOptions& options) {
    XlsxResult written = WriteXlsx(table, columns, file, options.Title, options.Units);
    if (!written.Error.isEmpty()) {
        throw ExportError(ExportError::Kind::System, target.Name(), written.Error);
    }
    return written;
}

// libxlsxwriter writes a named file: the target's temporary, or a scratch file copied to a
// stream afterwards.
void WriteWorkbook(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                   OutputTarget& target, const ExportOptions& options, ExportResult& result) {
    XlsxResult written;
    if (const fs::path* temporary = target.TemporaryPath()) {
        written = WriteXlsxOrThrow(table, columns, *temporary, target, options);
    } else {
        try {
            // Never committed: removed once copied.
            const files::AtomicFile scratch(files::LocalPath(QDir::tempPath()) /
                                            "rangedesk-export.xlsx");
            written = WriteXlsxOrThrow(table, columns, scratch.TemporaryPath(), target, options);
            target.Write(files::ReadRegularFile(scratch.TemporaryPath(), kMaxStreamedWorkbook));
        } catch (const files::FileError& e) {
            throw ExportError(ExportError::Kind::System, target.Name(), e.what());
        }
    }
    result.TextValues = written.TextValues;
    result.Totals = std::move(written.Totals);
}

// A CSV number: "." unless the fields are separated by ";", then ",".
NumberFormat CsvNumbers(const CsvOptions& options) {
    return NumberFormat{options.Separator == u';' ? "," : "."};
}

} // namespace

std::optional<ExportFormat> FormatForExtension(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "xls") {
        return ExportFormat::Xls;
    }
    if (suffix == "xlsx") {
        return ExportFormat::Xlsx;
    }
    if (suffix == "csv") {
        return ExportFormat::Csv;
    }
    return std::nullopt;
}

QString ExtensionOf(ExportFormat format) {
    switch (format) {
    case ExportFormat::Xls:
        return ".XLS";
    case ExportFormat::Xlsx:
        return ".xlsx";
    case ExportFormat::Csv:
        return ".csv";
    }
    return {};
}

void CheckExportable(int rows, std::optional<ExportFormat> format) {
    if (rows == 0) {
        throw ExportError(
            ExportError::Kind::EmptyTable, {},
            QCoreApplication::translate("ExportError", "There are no records to export."));
    }
    if (format == ExportFormat::Xls && rows > BiffSheet::kMaxDataRows) {
        throw ExportError(ExportError::Kind::TooManyRows, {},
                          QCoreApplication::translate(
                              "ExportError",
                              "%1 records are more than an Excel 97-2003 (.XLS) file holds "
                              "(%2); export them as an Excel workbook (.xlsx) or as CSV "
                              "instead")
                              .arg(rows)
                              .arg(BiffSheet::kMaxDataRows));
    }
}

QByteArray CsvFromTable(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                        const CsvOptions& options, bool byteOrderMark) {
    QByteArray bytes = byteOrderMark ? kUtf8Bom : QByteArray();
    QStringList fields;
    for (const SheetColumn& column : columns) {
        if (column.Visible) {
            fields << column.Caption;
        }
    }
    bytes += CsvRecord(fields, options);
    for (int row = 0; row < table.rowCount(); ++row) {
        fields.clear();
        for (const SheetColumn& column : columns) {
            if (column.Visible) {
                fields << table.index(row, column.Field).data().toString();
            }
        }
        bytes += CsvRecord(fields, options);
    }
    return bytes;
}

CsvTable CsvFromTable(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                      const CsvOptions& options, bool byteOrderMark, UnitSystem units) {
    if (units == UnitSystem::AsMeasured) {
        return {CsvFromTable(table, columns, options, byteOrderMark), 0};
    }
    const auto converted = [](const SheetColumn& c) {
        return c.Kind == records::ColumnKind::Measurement;
    };
    const NumberFormat numbers = CsvNumbers(options);
    const int unitField = FieldsOf(table).Unit;
    CsvTable csv{byteOrderMark ? kUtf8Bom : QByteArray(), 0};
    QStringList fields;
    for (const SheetColumn& column : columns) {
        if (column.Visible) {
            fields << column.Caption;
            if (converted(column)) {
                fields << column.Caption + " unit";
            }
        }
    }
    csv.Bytes += CsvRecord(fields, options);
    for (int row = 0; row < table.rowCount(); ++row) {
        fields.clear();
        const QString unit =
            unitField < 0 ? QString() : table.index(row, unitField).data().toString();
        for (const SheetColumn& column : columns) {
            if (!column.Visible) {
                continue;
            }
            const QString text = table.index(row, column.Field).data().toString();
            if (!converted(column)) {
                fields << text;
                continue;
            }
            const ConvertedCell cell = ConvertCell(text, unit, units);
            if (cell.Value) {
                const std::string_view unitText = cell.Value->UnitText();
                fields << QString::fromStdString(cell.Value->FullPrecisionText(numbers))
                       << QString::fromUtf8(unitText.data(), qsizetype(unitText.size()));
            } else {
                fields << cell.Text << QString();
                csv.TextValues += StaysText(cell) ? 1 : 0;
            }
        }
        csv.Bytes += CsvRecord(fields, options);
    }
    return csv;
}

bool ExportTable(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                 ExportFormat format, const fs::path& target, const ExportOptions& options) {
    return ExportRecords(table, columns, format, target, options).Written;
}

ExportResult ExportRecords(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                           ExportFormat format, const fs::path& target,
                           const ExportOptions& options) {
    if (format == ExportFormat::Xls && options.Units != UnitSystem::AsMeasured) {
        throw ExportError(
            ExportError::Kind::UnitsInXls, {},
            QCoreApplication::translate(
                "ExportError",
                "An Excel 97-2003 (.XLS) file holds the values as measured; export "
                "them as an Excel workbook (.xlsx) or as CSV to have them in %1 units")
                .arg(UnitSystemWord(options.Units)));
    }
    CheckExportable(table.rowCount(), format);
    CheckTarget(target, SpecialFile::Refuse, options.Protected);
    ExportResult result;
    result.Rows = table.rowCount();
    if (format == ExportFormat::Xls) {
        // The legacy writer asks its own question, where it always did.
        TDBGridToExcel writer;
        writer.DBGrid = &table;
        writer.Columns = columns;
        writer.TitleName = options.Title;
        writer.FileName = target;
        writer.Protected = options.Protected;
        writer.ConfirmOverwrite = options.ConfirmReplace;
        result.Written = writer.RunExport();
        return result;
    }
    if (options.ConfirmReplace && ExistsAsFile(target) && !options.ConfirmReplace(target)) {
        return result;
    }
    OutputTarget out(target, SpecialFile::Refuse, options.Protected);
    if (format == ExportFormat::Csv) {
        WriteCsv(table, columns, out, options, result);
    } else {
        WriteWorkbook(table, columns, out, options, result);
    }
    out.Commit();
    result.Written = true;
    return result;
}

} // namespace rangedesk::output
