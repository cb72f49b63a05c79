#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "simulated_meter_platform.h"
#include "table_export.h"
#include "typing_template.h"
#include "unit_system.h"

namespace rangedesk::cli {

struct CommandRow;

// A parsed command line.
struct CliOptions {
    QString Command; // devices, read, download, ...; empty for --version or --help alone
    QString Action;  // history show, ...; empty for the command alone
    const CommandRow* Row = nullptr; // the command's row; null with --help or --version alone
    bool Help = false;               // --help: the command's help (or the overview)
    bool Version = false;            // --version
    bool Quiet = false;              // --quiet: no progress
    bool Json = false;               // --json
    QString Device;                  // --device /dev/hidrawN
    std::optional<sim::SimulatedMeterDescription> Simulate; // --simulate
    QString Database;                                       // --db FILE
    QString Csv;                                            // --csv FILE or -
    bool NoDatabase = false;                                // --no-db
    std::optional<output::ExportFormat> Format;             // --format xls|xlsx|csv
    QString Pdf;                                            // --pdf FILE
    int Model = 0;                                          // --model N
    bool Team = false;                                      // history --team
    QString Search;                                         // history --search TEXT
    QString Desk;                                           // team connect --desk NAME
    bool Type = false; // measure --type: typed into the focused application
    desktop::EndKey Then = desktop::EndKey::Tab; // measure --then tab|enter|none
    bool WithUnit = false;                       // measure --unit: the value and its unit
    QString Template;                  // measure --template TEXT: how the reading is typed
    bool Verbose = false;              // measure --verbose: the typing method and what it did
    std::optional<QString> Job;        // download --job NAME
    std::optional<QString> JobClient;  // job create --client TEXT
    std::optional<QString> JobAddress; // job create --address TEXT
    std::optional<QString> JobNote;    // job create --note TEXT
    std::optional<UnitSystem> Units;   // --units WORD
    bool OnlyNew = false;              // --only-new
    bool Raw = false;                  // history show --raw
    QStringList Arguments;             // what follows the command's words and options
};

// The command line without the program name. Options may stand before or after the command's
// words; after "--" every word is an argument, so a label may begin with "-". Throws
// UsageError with the reason.
CliOptions ParseCommandLine(const QStringList& arguments);

class UsageError {
public:
    explicit UsageError(QString message) : message_(std::move(message)) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};

} // namespace rangedesk::cli
