#include "table_export.h"

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
              OutputTarget& target, const ExportOptions& options) {
    CsvOptions csv = CsvOptionsFor(QLocale());
    csv.Separator = options.CsvSeparator.value_or(csv.Separator);
    target.Write(CsvFromTable(table, columns, csv, !target.IsStandardOutput()));
}

// libxlsxwriter writes a named file: the target's temporary, or a scratch file copied to a
// stream afterwards.
void WriteWorkbook(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                   OutputTarget& target, const ExportOptions& options) {
    if (const fs::path* temporary = target.TemporaryPath()) {
        if (const QString error = WriteXlsx(table, columns, *temporary, options.Title);
            !error.isEmpty()) {
            throw ExportError(ExportError::Kind::System, target.Name(), error);
        }
        return;
    }
    try {
        // Never committed: removed once copied.
        const files::AtomicFile scratch(files::LocalPath(QDir::tempPath()) /
                                        "rangedesk-export.xlsx");
        if (const QString error = WriteXlsx(table, columns, scratch.TemporaryPath(), options.Title);
            !error.isEmpty()) {
            throw ExportError(ExportError::Kind::System, target.Name(), error);
        }
        target.Write(files::ReadRegularFile(scratch.TemporaryPath(), kMaxStreamedWorkbook));
    } catch (const files::FileError& e) {
        throw ExportError(ExportError::Kind::System, target.Name(), e.what());
    }
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
        throw ExportError(ExportError::Kind::EmptyTable, {}, "There are no records to export.");
    }
    if (format == ExportFormat::Xls && rows > BiffSheet::kMaxDataRows) {
        throw ExportError(ExportError::Kind::TooManyRows, {},
                          QString("%1 records are more than an Excel 97-2003 (.XLS) file holds "
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

bool ExportTable(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                 ExportFormat format, const fs::path& target, const ExportOptions& options) {
    CheckExportable(table.rowCount(), format);
    CheckTarget(target, SpecialFile::Refuse, options.Protected);
    if (format == ExportFormat::Xls) {
        // The legacy writer asks its own question, where it always did.
        TDBGridToExcel writer;
        writer.DBGrid = &table;
        writer.Columns = columns;
        writer.TitleName = options.Title;
        writer.FileName = target;
        writer.Protected = options.Protected;
        writer.ConfirmOverwrite = options.ConfirmReplace;
        return writer.RunExport();
    }
    if (options.ConfirmReplace && ExistsAsFile(target) && !options.ConfirmReplace(target)) {
        return false;
    }
    OutputTarget out(target, SpecialFile::Refuse, options.Protected);
    if (format == ExportFormat::Csv) {
        WriteCsv(table, columns, out, options);
    } else {
        WriteWorkbook(table, columns, out, options);
    }
    out.Commit();
    return true;
}

} // namespace rangedesk::output
