// history: the downloads kept in the database.
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <optional>

#include "commands.h"
#include "csv_text.h"
#include "download_history.h"
#include "download_writer.h"
#include "exit_status.h"
#include "export_error.h"
#include "file_names.h"
#include "history_models.h"
#include "output_target.h"
#include "record_store.h"
#include "standard_output.h"
#include "store_error.h"
#include "table_export.h"

namespace rangedesk::cli {
namespace {

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
                                    {"kept", d.Kept},
                                    {"new", history.NewRecords(d)},
                                    {"outcome", d.Outcome}});
        }
        PrintOut(QJsonDocument(list).toJson(QJsonDocument::Indented));
        return kDone;
    }
    if (downloads.empty()) {
        std::fprintf(stderr, "No download is kept yet.\n");
        return kDone;
    }
    PrintLine("ID\tDate and time\tMeter\tRecords\tNew\tOutcome");
    for (const store::DownloadInfo& d : downloads) {
        PrintLine(QString("%1\t%2\t%3\t%4\t%5\t%6")
                      .arg(d.Id)
                      .arg(d.Started.toLocalTime().toString("yyyy-MM-dd HH:mm:ss"))
                      .arg(d.Model > 0 ? QString("model %1").arg(d.Model) : QString("-"))
                      .arg(store::RecordsText(d))
                      .arg(history.NewRecords(d))
                      .arg(d.Outcome));
    }
    return kDone;
}

// `protectedFiles`: the database's, which an output never replaces.
int Show(store::DownloadHistory& history, qint64 id, const CliOptions& options,
         const std::vector<std::filesystem::path>& protectedFiles) {
    store::DownloadRecordsModel records(history);
    records.SetDownload(id);
    const auto columns = output::AllColumns(records);
    if (!options.Csv.isEmpty()) {
        output::OutputTarget target(files::LocalPath(options.Csv), output::SpecialFile::WriteInto,
                                    protectedFiles);
        target.Write(output::CsvFromTable(records, columns, output::CsvOptionsFor(QLocale()),
                                          !target.IsStandardOutput()));
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
           const CliOptions& options, const std::vector<std::filesystem::path>& protectedFiles) {
    store::DownloadRecordsModel records(history);
    records.SetDownload(id);
    const output::ExportFormat format = ExportFormatFor(options, path);
    const std::filesystem::path target = files::LocalPath(path);
    output::ExportOptions exportOptions;
    exportOptions.Protected = protectedFiles;
    output::ExportTable(records, output::AllColumns(records), format, target, exportOptions);
    if (path != "-") {
        std::fprintf(stderr, "Exported %d records of download %lld to %s\n", records.rowCount(), id,
                     qPrintable(files::ShownPath(std::filesystem::absolute(target))));
    }
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
    // Listing, showing and exporting only read: the file stays as it is.
    store::RecordStore store(DatabaseFor(options),
                             writes ? store::StoreAccess::ReadWrite : store::StoreAccess::ReadOnly);
    store.Open();
    store::DownloadHistory history(store);
    if (action.isEmpty()) {
        return List(history, options);
    }
    const std::optional<store::DownloadInfo> download = history.Find(id);
    if (!download) {
        PrintError(QString("there is no download %1 in %2").arg(id).arg(store.Path()));
        return kFileError;
    }
    if (!writes) {
        const auto protectedFiles = output::DatabaseFiles(files::LocalPath(store.Path()));
        return action == "show"
                   ? Show(history, id, options, protectedFiles)
                   : Export(history, id, options.Arguments.value(1), options, protectedFiles);
    }
    store::DownloadWriter writer(store);
    if (action == "load") {
        writer.Load(id);
        std::fprintf(stderr, "Download %lld (%d records) is in LoadData now.\n", id,
                     int(store.ReadLoadData().size()));
    } else if (action == "delete") {
        writer.Delete(id);
        std::fprintf(stderr, "Download %lld deleted.\n", id);
    } else {
        const store::RedecodeResult result = writer.Redecode(id);
        PrintLine(QString("Download %1: %2 of %3 records changed.")
                      .arg(id)
                      .arg(result.Changed)
                      .arg(result.Kept));
    }
    return kDone;
}

} // namespace rangedesk::cli
