#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <filesystem>
#include <vector>

#include "cli_options.h"
#include "download_history.h"
#include "job_book.h"
#include "kept_records_table.h"
#include "table_export.h"

// How rangedesk-cli shows kept downloads, their records and jobs: the lines of its lists, the
// shapes of its JSON, the exports of kept records and their totals. One shape per thing, so
// history, job and download --json agree.
namespace rangedesk::cli {

// The heading of a list of downloads and one download's line under it.
QString DownloadHeading();
QString DownloadLine(const store::DownloadInfo& download, int newRecords);

// {"id", "uuid", "started", "finished", "meter", "model", "vendor", "product", "serial",
// "simulated", "asked", "stored", "kept", "new", "outcome", "job", "client", "desk", "user"}
QJsonObject DownloadJson(const store::DownloadInfo& download, int newRecords);
// {"RecNo", "MODE", "UNIT", "DIST1", "DIST2", "DIST3", "RESULT", "label", "note", "deduction"}
QJsonObject RecordJson(const store::HistoryRecord& record);
QJsonObject RecordJson(const store::KeptRow& row);
// {"name", "client", "address", "notes", "created", "downloads", "records"}
QJsonObject JobJson(const store::JobInfo& job);

// A record's line: its seven texts, label and note, tab-separated.
QString RecordLine(const records::LoadDataTexts& texts, const QString& label, const QString& note);

// The job of this name, whatever its case; JobRefusal naming it and the database otherwise.
store::JobInfo RequireJob(const store::JobBook& jobs, const QString& name, const QString& database);

// The units a command uses: --units, as measured without it.
UnitSystem UnitsOf(const CliOptions& options);

// Writes kept records to `path` (see ExportRecords): after the seven columns Label and Note,
// and under a unit system Deduction; a job's export begins with Download. The legacy XLS keeps
// its seven columns and holds the values as measured (other units are a usage error). Says on
// standard error what was written ("of `what`"), and under a unit system how many values
// stayed text. `title` heads the file (the XLS title cell, the XLSX document title).
void ExportKeptRecords(const store::KeptRecordsTable& table, bool withDownload,
                       output::ExportFormat format, const QString& path, const CliOptions& options,
                       const std::vector<std::filesystem::path>& protectedFiles,
                       const QString& what, const QString& title);

// Prints the totals of the table's RESULT by kind: one line per kind, or with --json a list of
// {"kind", "unit", "value", "records"} (plus "left_out" as measured: a list of {"download",
// "recno"}). `perDownload` names a left-out record by its number alone.
void PrintTotals(const store::KeptRecordsTable& table, const CliOptions& options, bool perDownload);

} // namespace rangedesk::cli
