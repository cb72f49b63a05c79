// history: the downloads kept in the database.
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <optional>

#include "commands.h"
#include "csv_text.h"
#include "download_history.h"
#include "download_outcome.h"
#include "download_writer.h"
#include "exit_status.h"
#include "export_error.h"
#include "file_names.h"
#include "kept_record_columns.h"
#include "kept_records_output.h"
#include "kept_records_table.h"
#include "load_data_columns.h"
#include "output_target.h"
#include "record_store.h"
#include "standard_output.h"
#include "store_error.h"
#include "table_export.h"

namespace rangedesk::cli {
namespace {

// A message for the person at the terminal.
void Say(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

int List(store::DownloadHistory& history, const CliOptions& options) {
    const std::vector<store::DownloadInfo> downloads = history.List();
    if (options.Json) {
        QJsonArray list;
        for (const store::DownloadInfo& d : downloads) {
            list.append(DownloadJson(d, history.NewRecords(d)));
        }
        PrintOut(QJsonDocument(list).toJson(QJsonDocument::Indented));
        return kDone;
    }
    if (downloads.empty()) {
        Say(QCoreApplication::translate("CliHistory", "No download is kept yet."));
        return kDone;
    }
    PrintLine(DownloadHeading());
    for (const store::DownloadInfo& d : downloads) {
        PrintLine(DownloadLine(d, history.NewRecords(d)));
    }
    return kDone;
}

// The downloads whose job, client, or a record's mode, label or note holds the text, each with
// the records that matched.
int Search(store::DownloadHistory& history, const CliOptions& options) {
    const std::vector<store::SearchHit> hits = history.Search(options.Search);
    if (options.Json) {
        QJsonArray list;
        for (const store::SearchHit& hit : hits) {
            QJsonObject download = DownloadJson(hit.Download, history.NewRecords(hit.Download));
            QJsonArray records;
            for (const store::HistoryRecord& r : hit.Records) {
                records.append(RecordJson(r));
            }
            download["records"] = records;
            list.append(download);
        }
        PrintOut(QJsonDocument(list).toJson(QJsonDocument::Indented));
        return kDone;
    }
    if (hits.empty()) {
        Say(QCoreApplication::translate("CliHistory", "No download matches \"%1\".")
                .arg(options.Search));
        return kDone;
    }
    PrintLine(DownloadHeading());
    for (const store::SearchHit& hit : hits) {
        PrintLine(DownloadLine(hit.Download, history.NewRecords(hit.Download)));
        for (const store::HistoryRecord& r : hit.Records) {
            PrintLine("\t" + RecordLine(r.Texts, r.Label, r.Note));
        }
    }
    return kDone;
}

store::RecordChoice ChoiceOf(const CliOptions& options) {
    return options.OnlyNew ? store::RecordChoice::OnlyNew : store::RecordChoice::All;
}

// The kept reply bytes, one record a line, as decode reads them.
int ShowRaw(const store::DownloadHistory& history, const store::DownloadInfo& download,
            const CliOptions& options) {
    const std::vector<store::HistoryRecord> records =
        history.Records(download.Id, ChoiceOf(options));
    if (std::any_of(records.begin(), records.end(),
                    [](const store::HistoryRecord& r) { return r.Reply.isEmpty(); })) {
        PrintError(download.Outcome == records::OutcomeWord(records::DownloadOutcome::Imported)
                       ? QCoreApplication::translate("CliHistory",
                                                     "download %1 holds no bytes of the meter (it "
                                                     "was imported from an older version)")
                             .arg(download.Id)
                       : QCoreApplication::translate(
                             "CliHistory",
                             "download %1 holds no bytes of the meter (it was kept without them)")
                             .arg(download.Id));
        return kFileError;
    }
    for (const store::HistoryRecord& r : records) {
        PrintLine(QString::fromLatin1(r.Reply.toHex(' ')));
    }
    if (!options.Quiet && download.Model > 0) {
        Say(QCoreApplication::translate(
                "CliHistory",
                "%1 replies of a model %2 meter: rangedesk-cli decode --model %2 reads them.")
                .arg(records.size())
                .arg(download.Model));
    }
    return kDone;
}

int ShowJson(const store::DownloadHistory& history, const store::DownloadInfo& download,
             const store::KeptRecordsTable& records) {
    QJsonObject object = DownloadJson(download, history.NewRecords(download));
    QJsonArray list;
    for (int row = 0; row < records.rowCount(); ++row) {
        list.append(RecordJson(records.RowAt(row)));
    }
    object["records"] = list;
    PrintOut(QJsonDocument(object).toJson(QJsonDocument::Indented));
    return kDone;
}

// `protectedFiles`: the database's, which an output never replaces.
int Show(store::DownloadHistory& history, const store::DownloadInfo& download,
         const CliOptions& options, const std::vector<std::filesystem::path>& protectedFiles) {
    if (options.Raw) {
        return ShowRaw(history, download, options);
    }
    store::KeptRecordsTable records;
    records.ShowDownload(history, download.Id, ChoiceOf(options));
    if (options.Json) {
        return ShowJson(history, download, records);
    }
    if (!options.Csv.isEmpty()) {
        // The seven columns, as the download's and the export's CSV of LoadData have them.
        std::vector<output::SheetColumn> columns;
        for (int c = store::KeptRecordsTable::RecNo; c <= store::KeptRecordsTable::RESULT; ++c) {
            columns.push_back({c, records.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                               true, output::KindOfField(records, c)});
        }
        output::OutputTarget target(files::LocalPath(options.Csv), output::SpecialFile::WriteInto,
                                    protectedFiles);
        target.Write(output::CsvFromTable(records, columns, output::CsvOptionsFor(QLocale()),
                                          !target.IsStandardOutput()));
        target.Commit();
        return kDone;
    }
    QStringList heading;
    for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
        heading << records::ColumnName(c);
    }
    PrintLine((heading << records::kLabelColumn << records::kNoteColumn).join('\t'));
    for (int row = 0; row < records.rowCount(); ++row) {
        const store::KeptRow& r = records.RowAt(row);
        PrintLine(RecordLine(r.Texts, r.Label, r.Note));
    }
    return kDone;
}

int Export(store::DownloadHistory& history, const store::DownloadInfo& download,
           const QString& path, const CliOptions& options,
           const std::vector<std::filesystem::path>& protectedFiles) {
    store::KeptRecordsTable records;
    records.ShowDownload(history, download.Id, ChoiceOf(options));
    // The meter in the title, so a simulated download's file says it is one.
    const QString meter = store::MeterText(download);
    ExportKeptRecords(
        records, false, ExportFormatFor(options, path), path, options, protectedFiles,
        (options.OnlyNew
             ? QCoreApplication::translate("CliHistory", "the new ones of download %1 (%2)")
             : QCoreApplication::translate("CliHistory", "download %1 (%2)"))
            .arg(QString::number(download.Id), meter),
        store::DownloadCaption(download) + ", " + meter);
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
        return options.Search.isEmpty() ? List(history, options) : Search(history, options);
    }
    const std::optional<store::DownloadInfo> download = history.Find(id);
    if (!download) {
        PrintError(QCoreApplication::translate("CliHistory", "there is no download %1 in %2")
                       .arg(QString::number(id), store.Path()));
        return kFileError;
    }
    if (!writes) {
        const auto protectedFiles = output::DatabaseFiles(files::LocalPath(store.Path()));
        return action == "show" ? Show(history, *download, options, protectedFiles)
                                : Export(history, *download, options.Arguments.value(1), options,
                                         protectedFiles);
    }
    store::DownloadWriter writer(store);
    if (action == "load") {
        writer.Load(id);
        Say(QCoreApplication::translate("CliHistory",
                                        "Download %1 (%2 records) is in LoadData now.")
                .arg(id)
                .arg(store.ReadLoadData().size()));
    } else if (action == "delete") {
        writer.Delete(id);
        Say(QCoreApplication::translate("CliHistory", "Download %1 deleted.").arg(id));
    } else {
        const store::RedecodeResult result = writer.Redecode(id);
        PrintLine(
            QCoreApplication::translate("CliHistory", "Download %1: %2 of %3 records changed.")
                .arg(id)
                .arg(result.Changed)
                .arg(result.Kept));
    }
    return kDone;
}

} // namespace rangedesk::cli
