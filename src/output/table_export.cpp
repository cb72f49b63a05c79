#include "table_export.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "atomic_file.h"
#include "biff_sheet.h"
#include "xlsx_workbook.h"

namespace rangedesk::output {

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

QString FormatLimitProblem(int rows, ExportFormat format) {
    if (format != ExportFormat::Xls || rows <= BiffSheet::kMaxDataRows) {
        return {};
    }
    return QString("%1 records are more than an Excel 97-2003 (.XLS) file holds (%2); export them "
                   "as an Excel workbook (.xlsx) or as CSV instead")
        .arg(rows)
        .arg(BiffSheet::kMaxDataRows);
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

QByteArray TableBytes(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                      ExportFormat format, const QString& title) {
    if (format == ExportFormat::Csv) {
        return CsvFromTable(table, columns, {CsvSeparatorFor(QLocale()), true}, true);
    }
    const std::vector<std::uint8_t> sheet = WriteSheet(SheetFromTable(table, columns, title));
    return QByteArray(reinterpret_cast<const char*>(sheet.data()), qsizetype(sheet.size()));
}

namespace {

// libxlsxwriter writes to a named file: a temporary one beside the target, renamed over it.
QString ExportXlsx(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                   const QString& path, const QString& title) {
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absoluteDir().filePath("." + target.fileName() + ".XXXXXX"));
    if (!temporary.open()) {
        return temporary.errorString();
    }
    temporary.close();
    if (const QString error = WriteXlsx(table, columns, temporary.fileName(), title);
        !error.isEmpty()) {
        return error;
    }
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    temporary.setAutoRemove(false); // it is the target now
    return {};
}

} // namespace

QString ExportTable(const QAbstractItemModel& table, const std::vector<SheetColumn>& columns,
                    ExportFormat format, const QString& path, const QString& title) {
    if (const QString why = NotReplaceable(path); !why.isEmpty()) {
        return why;
    }
    if (const QString why = FormatLimitProblem(table.rowCount(), format); !why.isEmpty()) {
        return why;
    }
    if (format == ExportFormat::Xlsx) {
        return ExportXlsx(table, columns, path, title);
    }
    const QByteArray bytes = TableBytes(table, columns, format, title);
    return WriteFileAtomically(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

} // namespace rangedesk::output
