#pragma once

#include <QString>

#include "cli_options.h"
#include "table_export.h"

namespace rangedesk::cli {

// Each command returns its exit status; errors go to standard error as one line.
int RunDevices(const CliOptions& options);
int RunRead(const CliOptions& options);
int RunDownload(const CliOptions& options);
int RunExport(const CliOptions& options);
int RunDecode(const CliOptions& options);
int RunPrint(const CliOptions& options);
int RunHistory(const CliOptions& options);
// The readings taken live (command_measure.cpp).
int RunMeasure(const CliOptions& options);
int RunHistoryReadings(const CliOptions& options);
// Jobs, labels, notes, deductions and totals (command_job.cpp, command_history_edit.cpp).
int RunHistoryTotals(const CliOptions& options);
int RunHistoryAssign(const CliOptions& options);
// history label, note and deduct.
int RunHistoryLabel(const CliOptions& options);
int RunJobList(const CliOptions& options);
int RunJobCreate(const CliOptions& options);
int RunJobRename(const CliOptions& options);
int RunJobShow(const CliOptions& options);
int RunJobExport(const CliOptions& options);
int RunJobTotals(const CliOptions& options);
int RunJobReport(const CliOptions& options);
// The client report's settings (command_config.cpp).
int RunConfig(const CliOptions& options);
// The team server (command_team.cpp).
int RunTeamInit(const CliOptions& options);
int RunTeamConnect(const CliOptions& options);
int RunTeamDisconnect(const CliOptions& options);
int RunTeamStatus(const CliOptions& options);
int RunTeamPush(const CliOptions& options);
// history --team: the team's downloads from the server.
int RunTeamHistory(const CliOptions& options);

// "rangedesk-cli: " and the message, on standard error.
void PrintError(const QString& message);
// The database a command uses: --db, or the program's own (made for the user from the template
// when it is installed); throws StoreError.
QString DatabaseFor(const CliOptions& options);
// The format of an export to `path`: --format, or the extension (XLS without one, CSV on
// standard output).
output::ExportFormat ExportFormatFor(const CliOptions& options, const QString& path);

} // namespace rangedesk::cli
