#include "kept_records_output.h"
#include <QCoreApplication>

#include <QJsonDocument>

#include <cstdio>

#include "file_names.h"
#include "kept_records_export.h"
#include "load_data_columns.h"
#include "measurement_cells.h"
#include "number_format.h"
#include "standard_output.h"
#include "table_totals.h"

namespace rangedesk::cli {
namespace {

using Column = store::KeptRecordsTable::Column;

QJsonValue TimeJson(const QDateTime& time) {
    return time.isValid() ? QJsonValue(time.toUTC().toString(Qt::ISODateWithMs)) : QJsonValue();
}

QJsonValue TextOrNull(const QString& text) {
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

QJsonObject RecordJson(int recNo, const records::LoadDataTexts& texts, const QString& label,
                       const QString& note, bool deduction) {
    QJsonObject record{{"label", label}, {"note", note}, {"deduction", deduction}};
    for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
        record[records::ColumnName(c)] =
            records::ColumnInfo(c).Kind == records::ColumnKind::RecordNumber
                ? QJsonValue(recNo)
                : QJsonValue(texts[std::size_t(c)]);
    }
    return record;
}

// "1 record", "2 records": the whole text per count, as a translator needs it.
QString RecordCount(qsizetype count) {
    return count == 1 ? QCoreApplication::translate("CliTotals", "%1 record").arg(count)
                      : QCoreApplication::translate("CliTotals", "%1 records").arg(count);
}

} // namespace

QString DownloadHeading() {
    return "ID\tDate and time\tMeter\tJob\tRecords\tNew\tOutcome";
}

QString DownloadLine(const store::DownloadInfo& d, int newRecords) {
    return QStringList{QString::number(d.Id),
                       store::DownloadTimeText(d),
                       store::MeterText(d),
                       d.JobName,
                       store::RecordsText(d),
                       QString::number(newRecords),
                       d.Outcome}
        .join('\t');
}

QJsonObject DownloadJson(const store::DownloadInfo& d, int newRecords) {
    return {{"id", d.Id},
            {"uuid", d.Uuid.toString(QUuid::WithoutBraces)},
            {"started", TimeJson(d.Started)},
            {"finished", TimeJson(d.Finished)},
            {"meter", store::MeterText(d)},
            {"model", d.Model},
            {"vendor", d.VendorID},
            {"product", d.ProductID},
            {"serial", d.Serial},
            {"simulated", d.Simulated},
            {"asked", d.Asked},
            {"stored", d.Stored},
            {"kept", d.Kept},
            {"new", newRecords},
            {"outcome", d.Outcome},
            {"job", TextOrNull(d.JobName)},
            {"client", d.JobClient},
            {"desk", d.Desk},
            {"user", d.User}};
}

QJsonObject RecordJson(const store::HistoryRecord& r) {
    return RecordJson(r.RecNo, r.Texts, r.Label, r.Note, r.Deduction);
}

QJsonObject RecordJson(const store::KeptRow& r) {
    return RecordJson(r.RecNo, r.Texts, r.Label, r.Note, r.Deduction);
}

QJsonObject JobJson(const store::JobInfo& job) {
    return {{"name", job.Name},
            {"client", job.Client},
            {"address", job.Address},
            {"notes", job.Notes},
            {"created", TimeJson(job.Created)},
            {"downloads", job.Downloads},
            {"records", job.Records}};
}

QString RecordLine(const records::LoadDataTexts& texts, const QString& label, const QString& note) {
    return (QStringList(texts.begin(), texts.end()) << label << note).join('\t');
}

store::JobInfo RequireJob(const store::JobBook& jobs, const QString& name,
                          const QString& database) {
    std::optional<store::JobInfo> job = jobs.FindNamed(name);
    if (!job) {
        throw store::JobRefusal(
            QCoreApplication::translate("CliJob", "there is no job \"%1\" in %2")
                .arg(name, database)
                .toStdString());
    }
    return *job;
}

UnitSystem UnitsOf(const CliOptions& options) {
    return options.Units.value_or(UnitSystem::AsMeasured);
}

void ExportKeptRecords(const store::KeptRecordsTable& table, bool withDownload,
                       output::ExportFormat format, const QString& path, const CliOptions& options,
                       const std::vector<std::filesystem::path>& protectedFiles,
                       const QString& what, const QString& title) {
    const UnitSystem units = UnitsOf(options);
    if (format == output::ExportFormat::Xls && units != UnitSystem::AsMeasured) {
        throw UsageError(QCoreApplication::translate(
                             "CliFiles", "--units %1 needs an .xlsx or .csv file: an .XLS file "
                                         "holds the values as measured")
                             .arg(output::UnitSystemWord(units)));
    }
    const std::filesystem::path target = files::LocalPath(path);
    output::ExportOptions exportOptions;
    exportOptions.Protected = protectedFiles;
    exportOptions.Units = units;
    exportOptions.Title = title;
    const output::ExportResult result = output::ExportKeptRecords(
        table, withDownload ? output::DownloadColumn::First : output::DownloadColumn::Omit, format,
        target, exportOptions);
    const QString rows =
        result.Rows == 1
            ? QCoreApplication::translate("CliTotals", "Exported 1 record of %1").arg(what)
            : QCoreApplication::translate("CliTotals", "Exported %1 records of %2")
                  .arg(QString::number(result.Rows), what);
    const QString shown =
        path == "-" ? QString() : files::ShownPath(std::filesystem::absolute(target));
    const QString to = shown.isEmpty()
                           ? rows
                           : QCoreApplication::translate("CliTotals", "%1 to %2").arg(rows, shown);
    QString said = to;
    if (units != UnitSystem::AsMeasured) {
        const QString word = output::UnitSystemWord(units);
        said = result.TextValues == 1
                   ? QCoreApplication::translate(
                         "CliTotals", "%1 in %2 units; 1 value stayed text (no quantity in them)")
                         .arg(to, word)
                   : QCoreApplication::translate(
                         "CliTotals", "%1 in %2 units; %3 values stayed text (no quantity in them)")
                         .arg(to, word, QString::number(result.TextValues));
    }
    std::fprintf(stderr, "%s\n", said.toUtf8().constData());
}

void PrintTotals(const store::KeptRecordsTable& table, const CliOptions& options,
                 bool perDownload) {
    const UnitSystem units = UnitsOf(options);
    const std::vector<KindTotal> totals = output::TableTotals(table, units);
    if (options.Json) {
        QJsonArray list;
        for (const KindTotal& total : totals) {
            const std::string_view unit = total.UnitText();
            QJsonObject object{{"kind", output::KindWord(total.Kind)},
                               {"unit", QString::fromUtf8(unit.data(), qsizetype(unit.size()))},
                               {"value", total.Converted().NearestDouble()},
                               {"records", total.Records}};
            if (units == UnitSystem::AsMeasured) {
                QJsonArray leftOut;
                for (const std::int64_t row : total.LeftOut) {
                    const store::KeptRow& r = table.RowAt(int(row));
                    leftOut.append(QJsonObject{{"download", r.DownloadId}, {"recno", r.RecNo}});
                }
                object["left_out"] = leftOut;
            }
            list.append(object);
        }
        PrintOut(QJsonDocument(list).toJson(QJsonDocument::Indented));
        return;
    }
    if (totals.empty()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate(
                         "CliTotals", "No length, area or volume to total.")));
        return;
    }
    const NumberFormat numbers = NumberFormat::FromCurrentLocale();
    for (const KindTotal& total : totals) {
        QString line = QString("%1\t%2\t%3")
                           .arg(output::KindWord(total.Kind), output::TotalText(total, numbers),
                                RecordCount(total.Records));
        if (!total.LeftOut.empty()) {
            QStringList which;
            for (const std::int64_t row : total.LeftOut) {
                const store::KeptRow& r = table.RowAt(int(row));
                which << (perDownload ? QString::number(r.RecNo)
                                      : QString("%1/%2").arg(r.DownloadId).arg(r.RecNo));
            }
            line += (which.size() == 1
                         ? QCoreApplication::translate(
                               "CliTotals", "\tleft out, written in other units: record %1")
                         : QCoreApplication::translate(
                               "CliTotals", "\tleft out, written in other units: records %1"))
                        .arg(which.join(", "));
        }
        PrintLine(line);
    }
}

} // namespace rangedesk::cli
