#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "simulated_meter_platform.h"

namespace rangedesk::cli {

// A parsed command line.
struct CliOptions {
    QString Command;      // devices, read, download, export, decode, print; empty for
                          // --version or --help alone
    bool Help = false;    // --help: the command's help (or the overview)
    bool Version = false; // --version
    bool Quiet = false;   // --quiet: no progress
    bool Json = false;    // --json
    QString Device;       // --device /dev/hidrawN
    std::optional<sim::SimulatedMeterDescription> Simulate; // --simulate

    QString Database;        // --db FILE
    QString Csv;             // --csv FILE or -
    bool NoDatabase = false; // --no-db
    QString Format;          // --format xls|xlsx|csv
    QString Pdf;             // --pdf FILE
    int Model = 0;           // --model N
    QStringList Arguments;   // what follows the command and its options
};

// The command line without the program name. Throws UsageError with the reason.
CliOptions ParseCommandLine(const QStringList& arguments);

class UsageError {
public:
    explicit UsageError(QString message) : message_(std::move(message)) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};

// The help of a command, or the overview for an empty or unknown one.
QString HelpText(const QString& command);

} // namespace rangedesk::cli
