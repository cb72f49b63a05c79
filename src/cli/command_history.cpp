// history: the downloads kept in the database.
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <optional>

#include "commands.h"
#include "csv_text.h"
#include "download_history.h"
#include "exit_status.h"
#include "history_models.h"
#include "output_target.h"
#include "record_store.h"
#include "store_error.h"
#include "table_export.h"

namespace rangedesk::cli {
namespace {

void PrintLine(const QString& text) {
    std::printf("%s\n", text.toUtf8().constData());
}

int List(store::DownloadHistory& history, const CliOptions& options) {
    const std::vector<store::DownloadInfo> downloads = history.List();
    if (options.Json) {
        QJsonArray list;
        for (const store::DownloadInfo& d : downloads) {
            list.append(QJsonObject{{"id", d.Id},
                                    {"started", d.Started.toString(Qt::ISODateWithMs)},
                                    {"finished", d.Finished.toString(Qt::ISODateWithMs)},
                                    {"model", d.Model},
                                    {"vendor", d.VendorID},
                                    {"product", d.ProductID},
                                    {"asked", d.Asked},
                                    {"stored", d.Stored},
                                    {"new", history.NewRecords(d)},
                                    {"outcome", d.Outcome}});
        }
        std::printf("%s", QJsonDocument(list).toJson(QJsonDocument::Indented).constData());
        return kDone;
    }
    if (downloads.empty()) {
        std::fprintf(stderr, "No download is kept yet.\n");
        return kDone;
    }
    PrintLine("ID\tDate and time\tMeter\tRecords\tNew\tOutcome");
    for (const store::DownloadInfo& d : downloads) {
        PrintLine(QString("%1\t%2\t%3\t%4 of %5\t%6\t%7")
                      .arg(d.Id)
                      .arg(d.Started.toLocalTime().toString("yyyy-MM-dd HH:mm:ss"))
                      .arg(d.Model > 0 ? QString("model %1").arg(d.Model) : QString("-"))
                      .arg(d.Stored)
                      .arg(d.Asked)
                      .arg(history.NewRecords(d))
                      .arg(d.Outcome));
    }
    return kDone;
}

int Show(store::DownloadHistory& history, qint64 id, const CliOptions& options) {
    store::DownloadRecordsModel records(history);
    records.SetDownload(id);
    const auto columns = output::AllColumns(records);
    if (!options.Csv.isEmpty()) {
        OutputTarget target(options.Csv, OutputTarget::Special::WriteInto);
        const QByteArray bytes =
            output::CsvFromTable(records, columns, {output::CsvSeparatorFor(QLocale()), true},
                                 !target.IsStandardOutput());
        target.Device().write(bytes);
        target.Commit();
        return kDone;
    }
    for (int r = -1; r < records.rowCount(); ++r) {
        QStringList fields;
        for (int c = 0; c < records.columnCount(); ++c) {
            fields << (r < 0 ? records.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()
                             : records.index(r, c).data().toString());
        }
        PrintLine(fields.join('\t'));
    }
    return kDone;
}

int Export(store::DownloadHistory& history, qint64 id, const QString& path,
           const CliOptions& options) {
    store::DownloadRecordsModel records(history);
    records.SetDownload(id);
    const output::ExportFormat format = ExportFormatFor(options, path);
    const QString target = QFileInfo(path).absoluteFilePath();
    if (const QString error =
            output::ExportTable(records, output::AllColumns(records), format, target);
        !error.isEmpty()) {
        PrintError(QString("cannot write %1: %2").arg(target, error));
        return kFileError;
    }
    std::fprintf(stderr, "Exported %d records of download %lld to %s\n", records.rowCount(), id,
                 qPrintable(target));
    return kDone;
}

} // namespace

int RunHistory(const CliOptions& options) {
    if (options.Team) {
        return RunTeamHistory(options);
    }
    const QString& action = options.Action;
    const qint64 id = options.Arguments.value(0).toLongLong();
    const bool writes = action == "load" || action == "delete" || action == "redecode";
    try {
        store::RecordStore store(DatabaseFor(options));
        if (!store.ADOConnectAccess()) {
            PrintError("cannot open the database " + store.DatabasePath() + ": " +
                       store.LastError());
            return kFileError;
        }
        store::DownloadHistory history(store);
        if (action.isEmpty()) {
            return List(history, options);
        }
        const std::optional<store::DownloadInfo> download = history.Find(id);
        if (!download) {
            PrintError(QString("there is no download %1 in %2").arg(id).arg(store.DatabasePath()));
            return kFileError;
        }
        if (!writes) {
            return action == "show" ? Show(history, id, options)
                                    : Export(history, id, options.Arguments.value(1), options);
        }
        if (action == "load") {
            history.Load(id);
            std::fprintf(stderr, "Download %lld (%d records) is in LoadData now.\n", id,
                         store.Table().rowCount());
        } else if (action == "delete") {
            history.Delete(id);
            std::fprintf(stderr, "Download %lld deleted.\n", id);
        } else {
            const int changed = history.Redecode(id, NumberFormat::FromCurrentLocale());
            PrintLine(QString("Download %1: %2 of %3 records changed.")
                          .arg(id)
                          .arg(changed)
                          .arg(download->Stored));
        }
        return kDone;
    } catch (const store::StoreError& e) {
        PrintError(QString::fromUtf8(e.what()));
    } catch (const FileError& e) {
        PrintError(QString::fromUtf8(e.what()));
    }
    return kFileError;
}

} // namespace rangedesk::cli
