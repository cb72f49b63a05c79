#include "cli_options.h"

#include <QMap>

namespace rangedesk::cli {
namespace {

const QStringList kCommands = {"devices", "read",  "download", "export",
                               "decode",  "print", "history"};
const QStringList kHistoryActions = {"show", "export", "load", "delete", "redecode"};

// Options that take a value, and the commands that accept each option.
const QStringList kValueOptions = {"--device", "--simulate", "--db",   "--csv",
                                   "--format", "--pdf",      "--model"};
const QMap<QString, QStringList> kCommandOptions = {
    {"devices", {"--json"}},
    {"read", {"--json"}},
    {"download", {"--db", "--csv", "--no-db"}},
    {"export", {"--db", "--format"}},
    {"decode", {"--model"}},
    {"print", {"--pdf", "--db"}},
    {"history", {"--json", "--db", "--csv", "--format"}},
};
const QStringList kGlobalOptions = {"--device", "--simulate", "--quiet",
                                    "--help",   "-h",         "--version"};

int WholeNumber(const QString& option, const QString& text, int min, int max) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < min || n > max) {
        throw UsageError(QString("%1 takes a whole number from %2 to %3, not \"%4\"")
                             .arg(option)
                             .arg(min)
                             .arg(max)
                             .arg(text));
    }
    return n;
}

void Apply(CliOptions& o, const QString& option, const QString& value) {
    if (option == "--device") {
        o.Device = value;
    } else if (option == "--simulate") {
        o.Simulate = ParseSimulatedMeter(value);
        if (!o.Simulate) {
            throw UsageError("--simulate takes MODEL[:RECORDS[:LATENCY_MS]], e.g. 3:50:2, not \"" +
                             value + "\"");
        }
    } else if (option == "--db") {
        o.Database = value;
    } else if (option == "--csv") {
        o.Csv = value;
    } else if (option == "--format") {
        if (value != "xls" && value != "xlsx" && value != "csv") {
            throw UsageError("--format takes xls, xlsx or csv, not \"" + value + "\"");
        }
        o.Format = value;
    } else if (option == "--pdf") {
        o.Pdf = value;
    } else if (option == "--model") {
        o.Model = WholeNumber(option, value, 1, 4);
    }
}

// history; history ACTION ID; history export ID FILE.
void CheckHistoryArguments(const CliOptions& o) {
    if (o.Arguments.isEmpty()) {
        return;
    }
    const QString& action = o.Arguments.front();
    if (!kHistoryActions.contains(action)) {
        throw UsageError("history has no action \"" + action +
                         "\" (show, export, load, delete, "
                         "redecode)");
    }
    const qsizetype wanted = action == "export" ? 3 : 2;
    bool ok = false;
    if (o.Arguments.size() != wanted || o.Arguments[1].toLongLong(&ok) <= 0 || !ok) {
        throw UsageError(action == "export" ? "history export needs a download ID and a FILE"
                                            : "history " + action + " needs a download ID");
    }
}

} // namespace

std::optional<SimulatedMeter> ParseSimulatedMeter(const QString& text) {
    const QStringList parts = text.split(':');
    if (parts.size() > 3) {
        return std::nullopt;
    }
    SimulatedMeter meter;
    int* fields[] = {&meter.Model, &meter.Records, &meter.LatencyMs};
    const int limits[][2] = {{1, 4}, {0, 65535}, {0, 60000}};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        const int n = parts[i].toInt(&ok);
        if (!ok || n < limits[i][0] || n > limits[i][1]) {
            return std::nullopt;
        }
        *fields[i] = n;
    }
    return meter;
}

CliOptions ParseCommandLine(const QStringList& arguments) {
    CliOptions o;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString arg = arguments[i];
        QString value;
        bool hasValue = false;
        if (arg.startsWith("--") && arg.contains('=')) {
            value = arg.section('=', 1);
            arg = arg.section('=', 0, 0);
            hasValue = true;
        }
        if (!arg.startsWith('-') || arg == "-") {
            if (o.Command.isEmpty()) {
                if (!kCommands.contains(arg)) {
                    throw UsageError("unknown command \"" + arg + "\"");
                }
                o.Command = arg;
            } else {
                o.Arguments << arg;
            }
            continue;
        }
        const bool known = kGlobalOptions.contains(arg) ||
                           (!o.Command.isEmpty() && kCommandOptions[o.Command].contains(arg));
        if (!known) {
            throw UsageError(o.Command.isEmpty()
                                 ? "unknown option " + arg
                                 : QString("%1 takes no option %2").arg(o.Command, arg));
        }
        if (kValueOptions.contains(arg)) {
            if (!hasValue) {
                if (i + 1 >= arguments.size()) {
                    throw UsageError(arg + " needs a value");
                }
                value = arguments[++i];
            }
            Apply(o, arg, value);
        } else if (hasValue) {
            throw UsageError(arg + " takes no value");
        } else if (arg == "--help" || arg == "-h") {
            o.Help = true;
        } else if (arg == "--version") {
            o.Version = true;
        } else if (arg == "--quiet") {
            o.Quiet = true;
        } else if (arg == "--json") {
            o.Json = true;
        } else if (arg == "--no-db") {
            o.NoDatabase = true;
        }
    }
    if (o.Help || o.Version) {
        return o;
    }
    if (o.Command.isEmpty()) {
        throw UsageError("no command given");
    }
    if (o.Command == "history") {
        CheckHistoryArguments(o);
        return o;
    }
    const qsizetype wanted = o.Command == "export" ? 1 : 0;
    if (o.Arguments.size() != wanted) {
        throw UsageError(wanted ? "export needs one FILE" : o.Command + " takes no arguments");
    }
    if (o.Command == "decode" && o.Model == 0) {
        throw UsageError("decode needs --model N (1 to 4)");
    }
    if (o.Command == "print" && o.Pdf.isEmpty()) {
        throw UsageError("print needs --pdf FILE");
    }
    if (o.Command == "download" && o.NoDatabase && o.Csv.isEmpty()) {
        throw UsageError("download --no-db needs --csv FILE (or - for standard output)");
    }
    if (o.Command == "download" && o.NoDatabase && !o.Database.isEmpty()) {
        throw UsageError("download takes --db or --no-db, not both");
    }
    return o;
}

QString HelpText(const QString& command) {
    static const QString kExit = R"(
Exit status:
  0    done
  1    usage: an unknown command or option, a missing value
  2    no meter found
  3    a meter was found but cannot be opened (the udev rule is missing)
  4    download incomplete: records missing, the meter unplugged, no answer
  5    database or file error
  130  interrupted (Ctrl+C)
)";
    static const QString kGlobal = R"(
Global options:
  --device /dev/hidrawN   use this meter when several are plugged in (default: the last found)
  --simulate MODEL[:RECORDS[:LATENCY_MS]]
                          use a simulated meter instead of the hardware, e.g. 3:50:2
  --quiet                 no progress on standard error
  --help                  this help;  --version: the version and the database in use
)";
    static const QMap<QString, QString> kHelp = {
        {"devices", R"(Usage: rangedesk-cli devices [--json]

Lists every meter found: model, vendor:product, device node, and whether this user can
open it. A meter that cannot be opened comes with the fix to copy.
  --json   an array of {"model", "vendor", "product", "node", "access"}

Examples:
  rangedesk-cli devices
  rangedesk-cli devices --json | jq '.[0].node'
)"},
        {"read", R"(Usage: rangedesk-cli read [--json]

Presses Read on the meter and fetches the reading 300 ms later, as the Read button does,
and prints it in metres, e.g. "1.234 m".
  --json   {"distance_m": 1.234, "text": "1.234 m"}

Examples:
  rangedesk-cli read
  rangedesk-cli --device /dev/hidraw3 read --json
)"},
        {"download", R"(Usage: rangedesk-cli download [--db FILE] [--csv FILE|-] [--no-db]

Downloads every record stored in the meter, as Export Records does, into the program's
database (its LoadData table is replaced) and, with --csv, also as CSV (RFC 4180, UTF-8,
CRLF; a byte-order mark in a file, none on standard output). Progress goes to standard
error; a summary line ends it. Ctrl+C cancels: rows already stored stay.
  --db FILE    this database instead of the program's
  --csv FILE   also write the records as CSV; - is standard output
  --no-db      only the CSV; the database is not touched

Examples:
  rangedesk-cli download
  rangedesk-cli download --no-db --csv - | column -s, -t
  rangedesk-cli download --csv "site-$(date +%F).csv"
)"},
        {"export", R"(Usage: rangedesk-cli export [--db FILE] [--format xls|xlsx|csv] FILE

Writes the LoadData table of the database to FILE, as Export to Excel does. The format
follows the extension (.xls, .xlsx, .csv) unless --format says otherwise. FILE is replaced
only once it is complete, and is never the database; - writes to standard output (CSV unless
--format says otherwise).

Examples:
  rangedesk-cli export records.xls
  rangedesk-cli export --db ~/site.mdb --format csv -
)"},
        {"decode", R"(Usage: rangedesk-cli decode --model N

Reads captured record replies from standard input, one per line as hexadecimal bytes
(blanks allowed), and prints for each the ten tab-separated texts: mode, unit, then value
and suffix of DIST1, DIST2, DIST3 and RESULT, as a meter of model N (1 to 4) gives them.

Example:
  echo "23 00 10 00 00 98 3a 00 00 ..." | rangedesk-cli decode --model 1
)"},
        {"history", R"(Usage: rangedesk-cli history [--json] [--db FILE]
       rangedesk-cli history show ID [--csv -]
       rangedesk-cli history export ID FILE [--format xls|xlsx|csv]
       rangedesk-cli history load ID
       rangedesk-cli history delete ID
       rangedesk-cli history redecode ID

Every download is kept in the database with the bytes the meter sent. Without an action, the
downloads are listed, newest first: ID, date and time, meter, records stored of asked, new
since the previous download from that meter, and outcome.
  show ID       the download's records (--csv - for CSV)
  export ID F   write them to a file, as export does
  load ID       put them into LoadData, as the grid shows them
  delete ID     remove the download from the history
  redecode ID   decode the kept bytes again with this version's decoder, and say how many
                records changed

Examples:
  rangedesk-cli history
  rangedesk-cli history export 12 site.xlsx
)"},
        {"print", R"(Usage: rangedesk-cli print --pdf FILE [--db FILE]

Prints the records of the database through the report definition Vermo.rav, as the Print
button does, into a PDF file, without any dialog.

Example:
  rangedesk-cli print --pdf records.pdf
)"},
    };
    if (kHelp.contains(command)) {
        return kHelp[command] + kGlobal + kExit;
    }
    return QString(R"(Usage: rangedesk-cli [global options] COMMAND [options]

The laser distance meter and its records from a terminal.

Commands:
  devices    list the meters found
  read       take a reading
  download   download every record stored in the meter
  export     write the records to .xls, .xlsx or .csv
  decode     decode captured record replies
  print      print the records to a PDF file
  history    every download kept: list, show, export, load, delete, redecode

"rangedesk-cli COMMAND --help" shows a command's options and examples.
)") + kGlobal +
           kExit;
}

} // namespace rangedesk::cli
