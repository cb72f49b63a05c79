#pragma once

#include <QString>

#include "cli_options.h"

namespace rangedesk::cli {

// Each command returns its exit status; errors go to standard error as one line.
int RunDevices(const CliOptions& options);
int RunRead(const CliOptions& options);
int RunDownload(const CliOptions& options);
int RunExport(const CliOptions& options);
int RunDecode(const CliOptions& options);
int RunPrint(const CliOptions& options);
int RunHistory(const CliOptions& options);

// "rangedesk-cli: " and the message, on standard error.
void PrintError(const QString& message);
// The database a command uses: --db, or the program's own.
QString DatabaseFor(const CliOptions& options);

} // namespace rangedesk::cli
