#include "cli_options.h"

#include "command_table.h"
#include "measurement_cells.h"

#include <QCoreApplication>

#include <algorithm>

namespace rangedesk::cli {
namespace {

// Options that take a value.
const QStringList kValueOptions = {
    "--device", "--simulate", "--db",       "--csv", "--format", "--pdf",     "--model", "--search",
    "--desk",   "--then",     "--template", "--job", "--client", "--address", "--note",  "--units"};
// Options every command takes.
const QStringList kGlobalOptions = {"--device", "--simulate", "--quiet",
                                    "--help",   "-h",         "--version"};

int WholeNumber(const QString& option, const QString& text, int min, int max) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < min || n > max) {
        throw UsageError(QCoreApplication::translate(
                             "CliOptions", "%1 takes a whole number from %2 to %3, not \"%4\"")
                             .arg(option)
                             .arg(min)
                             .arg(max)
                             .arg(text));
    }
    return n;
}

// A file name may not be empty: an empty one would silently mean something else.
QString FileName(const QString& option, const QString& value) {
    if (value.isEmpty()) {
        throw UsageError(
            QCoreApplication::translate("CliOptions", "%1 needs a file name, not an empty text")
                .arg(option));
    }
    return value;
}

std::optional<output::ExportFormat> FormatNamed(const QString& value) {
    if (value == "xls") {
        return output::ExportFormat::Xls;
    }
    if (value == "xlsx") {
        return output::ExportFormat::Xlsx;
    }
    if (value == "csv") {
        return output::ExportFormat::Csv;
    }
    return std::nullopt;
}

void Apply(CliOptions& o, const QString& option, const QString& value) {
    if (option == "--device") {
        o.Device = FileName(option, value);
    } else if (option == "--simulate") {
        // Tests script the simulated meter's faults and access through the environment.
        o.Simulate = sim::ParseSimulatedMeter(value, qEnvironmentVariable("RANGEDESK_SIM_FAULTS"),
                                              qEnvironmentVariable("RANGEDESK_SIM_ACCESS"));
        if (!o.Simulate) {
            throw UsageError(
                QCoreApplication::translate(
                    "CliOptions",
                    "--simulate takes MODEL[:RECORDS[:LATENCY_MS]], e.g. 3:50:2, not \"%1\"")
                    .arg(value));
        }
    } else if (option == "--db") {
        o.Database = FileName(option, value);
    } else if (option == "--csv") {
        o.Csv = FileName(option, value);
    } else if (option == "--format") {
        o.Format = FormatNamed(value);
        if (!o.Format) {
            throw UsageError(QCoreApplication::translate(
                                 "CliOptions", "--format takes xls, xlsx or csv, not \"%1\"")
                                 .arg(value));
        }
    } else if (option == "--pdf") {
        o.Pdf = FileName(option, value);
    } else if (option == "--then") {
        if (value != "tab" && value != "enter" && value != "none") {
            throw UsageError(QCoreApplication::translate(
                                 "CliOptions", "--then takes tab, enter or none, not \"%1\"")
                                 .arg(value));
        }
        o.Then = value == "tab"     ? desktop::EndKey::Tab
                 : value == "enter" ? desktop::EndKey::Enter
                                    : desktop::EndKey::None;
    } else if (option == "--template") {
        try {
            desktop::TypingTemplate::Parse(value);
        } catch (const desktop::TypingTemplateError& e) {
            throw UsageError(QCoreApplication::translate("CliOptions", "--template: %1")
                                 .arg(QString::fromUtf8(e.what())));
        }
        o.Template = value;
    } else if (option == "--model") {
        o.Model = WholeNumber(option, value, 1, 4);
    } else if (option == "--search") {
        if (value.trimmed().isEmpty()) {
            throw UsageError(QCoreApplication::translate(
                "CliOptions", "--search needs a text to look for, not an empty one"));
        }
        o.Search = value;
    } else if (option == "--job") {
        o.Job = value; // the database says whether it may be a job's name
    } else if (option == "--client") {
        o.JobClient = value;
    } else if (option == "--address") {
        o.JobAddress = value;
    } else if (option == "--note") {
        o.JobNote = value;
    } else if (option == "--units") {
        o.Units = output::UnitSystemFromWord(value);
        if (!o.Units) {
            throw UsageError(
                QCoreApplication::translate(
                    "CliOptions", "--units takes as-measured, metric or imperial, not \"%1\"")
                    .arg(value));
        }
    } else if (option == "--desk") {
        if (value.trimmed().isEmpty()) {
            throw UsageError(QCoreApplication::translate("CliOptions",
                                                         "--desk needs a name, not an empty text"));
        }
        o.Desk = value.trimmed();
    }
}

void ApplyFlag(CliOptions& o, const QString& option) {
    if (option == "--help" || option == "-h") {
        o.Help = true;
    } else if (option == "--version") {
        o.Version = true;
    } else if (option == "--quiet") {
        o.Quiet = true;
    } else if (option == "--json") {
        o.Json = true;
    } else if (option == "--type") {
        o.Type = true;
    } else if (option == "--unit") {
        o.WithUnit = true;
    } else if (option == "--verbose") {
        o.Verbose = true;
    } else if (option == "--no-db") {
        o.NoDatabase = true;
    } else if (option == "--team") {
        o.Team = true;
    } else if (option == "--only-new") {
        o.OnlyNew = true;
    } else if (option == "--raw") {
        o.Raw = true;
    }
}

bool KnownOption(const QString& option) {
    if (kGlobalOptions.contains(option) || option == "--db") {
        return true;
    }
    for (const CommandRow& row : CommandRows()) {
        if (row.Options.contains(option)) {
            return true;
        }
    }
    return false;
}

// The command's row from its words; the words that follow are its arguments.
void TakeCommandWords(CliOptions& o, QStringList& words) {
    if (words.isEmpty()) {
        throw UsageError(QCoreApplication::translate("CliOptions", "no command given"));
    }
    o.Command = words.takeFirst();
    if (!FindCommand(o.Command, {}) && !HasActions(o.Command)) {
        throw UsageError(
            QCoreApplication::translate("CliOptions", "unknown command \"%1\"").arg(o.Command));
    }
    if (HasActions(o.Command) && !words.isEmpty() && !words.front().startsWith('-') &&
        ActionsOf(o.Command).contains(words.front())) {
        o.Action = words.takeFirst();
    } else if (HasActions(o.Command) && !words.isEmpty()) {
        throw UsageError(QCoreApplication::translate("CliOptions", "%1 has no action \"%2\" (%3)")
                             .arg(o.Command, words.front(), ActionsOf(o.Command).join(", ")));
    }
    o.Row = FindCommand(o.Command, o.Action);
    o.Arguments = words;
}

QString Words(const CliOptions& o) {
    return o.Action.isEmpty() ? o.Command : o.Command + " " + o.Action;
}

// Each option given must be one the command takes; --db goes with every command that uses
// the database.
void CheckOptions(const CliOptions& o, const QStringList& given) {
    for (const QString& option : given) {
        const bool takes = kGlobalOptions.contains(option) || o.Row->Options.contains(option) ||
                           (option == "--db" && o.Row->Store != StoreUse::None);
        if (!takes) {
            throw UsageError(QCoreApplication::translate("CliOptions", "%1 takes no option %2")
                                 .arg(Words(o), option));
        }
    }
}

QString ArgumentName(Argument argument, std::size_t count) {
    switch (argument) {
    case Argument::DownloadId:
        return QCoreApplication::translate("CliOptions", "a download ID");
    case Argument::Server:
        return QCoreApplication::translate("CliOptions", "a server (URL or service=NAME)");
    case Argument::JobName:
        return QCoreApplication::translate("CliOptions", "a job's NAME");
    case Argument::RecordNumber:
        return QCoreApplication::translate("CliOptions", "a record number");
    case Argument::Text:
        return QCoreApplication::translate("CliOptions", "a TEXT");
    case Argument::OnOff:
        return QCoreApplication::translate("CliOptions", "on or off");
    case Argument::File:
        break;
    }
    return count == 1 ? QCoreApplication::translate("CliOptions", "one FILE")
                      : QCoreApplication::translate("CliOptions", "a FILE");
}

bool PositiveNumber(const QString& value) {
    bool ok = false;
    return value.toLongLong(&ok) > 0 && ok;
}

void CheckArguments(const CliOptions& o) {
    const auto wanted = o.Row->Arguments;
    QStringList names;
    for (const Argument argument : wanted) {
        names << ArgumentName(argument, wanted.size());
    }
    // The names are joined with the language's "and"; a translator sees one whole sentence.
    QString wants;
    for (qsizetype i = 0; i < names.size(); ++i) {
        wants = i == 0
                    ? names[i]
                    : QCoreApplication::translate("CliOptions", "%1 and %2").arg(wants, names[i]);
    }
    const QString needs =
        names.isEmpty()
            ? QCoreApplication::translate("CliOptions", "%1 takes no arguments").arg(Words(o))
            : QCoreApplication::translate("CliOptions", "%1 needs %2").arg(Words(o), wants);
    if (o.Arguments.size() != qsizetype(wanted.size())) {
        throw UsageError(needs);
    }
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const QString& value = o.Arguments[qsizetype(i)];
        if ((wanted[i] == Argument::DownloadId || wanted[i] == Argument::RecordNumber) &&
            !PositiveNumber(value)) {
            throw UsageError(
                QCoreApplication::translate("CliOptions", "%1, not \"%2\"").arg(needs, value));
        }
        if (wanted[i] == Argument::OnOff && value != "on" && value != "off") {
            throw UsageError(
                QCoreApplication::translate("CliOptions", "%1 takes on or off, not \"%2\"")
                    .arg(Words(o), value));
        }
        if (wanted[i] == Argument::Server && value.trimmed().isEmpty()) {
            throw UsageError(
                QCoreApplication::translate("CliOptions", "%1 needs a server, not an empty text")
                    .arg(Words(o)));
        }
        if (wanted[i] == Argument::File && value.isEmpty()) {
            throw UsageError(
                QCoreApplication::translate("CliOptions", "%1 needs a file name, not an empty text")
                    .arg(Words(o)));
        }
    }
}

void CheckCombinations(const CliOptions& o) {
    if (o.Command == "decode" && o.Model == 0) {
        throw UsageError(
            QCoreApplication::translate("CliOptions", "decode needs --model N (1 to 4)"));
    }
    if (o.Command == "print" && o.Pdf.isEmpty()) {
        throw UsageError(QCoreApplication::translate("CliOptions", "print needs --pdf FILE"));
    }
    if (o.Command == "job" && o.Action == "report" && o.Pdf.isEmpty()) {
        throw UsageError(QCoreApplication::translate("CliOptions", "job report needs --pdf FILE"));
    }
    if (o.Command == "download" && o.NoDatabase && o.Job) {
        throw UsageError(QCoreApplication::translate(
            "CliOptions", "download --job needs the database; it cannot go with --no-db"));
    }
    if (o.Command == "download" && o.Json && o.Csv == "-") {
        throw UsageError(QCoreApplication::translate(
            "CliOptions", "download --json and --csv - would both write to standard output"));
    }
    if (o.Raw && (o.Json || !o.Csv.isEmpty())) {
        throw UsageError(QCoreApplication::translate(
            "CliOptions", "history show takes one of --raw, --json and --csv"));
    }
    if (o.Json && !o.Csv.isEmpty() && o.Command == "history") {
        throw UsageError(QCoreApplication::translate(
            "CliOptions", "history show takes one of --raw, --json and --csv"));
    }
    if (o.Command == "download" && o.NoDatabase && o.Csv.isEmpty()) {
        throw UsageError(QCoreApplication::translate(
            "CliOptions", "download --no-db needs --csv FILE (or - for standard output)"));
    }
    if (o.Command == "download" && o.NoDatabase && !o.Database.isEmpty()) {
        throw UsageError(
            QCoreApplication::translate("CliOptions", "download takes --db or --no-db, not both"));
    }
}

} // namespace

CliOptions ParseCommandLine(const QStringList& arguments) {
    CliOptions o;
    QStringList words;
    QStringList given;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString arg = arguments[i];
        if (optionsEnded) {
            words << arg;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        QString value;
        bool hasValue = false;
        if (arg.startsWith("--") && arg.contains('=')) {
            value = arg.section('=', 1);
            arg = arg.section('=', 0, 0);
            hasValue = true;
        }
        if (!arg.startsWith('-') || arg == "-") {
            words << arg;
            continue;
        }
        given << arg;
        if (!KnownOption(arg)) {
            continue; // said below, with the command that does not take it
        }
        if (kValueOptions.contains(arg)) {
            if (!hasValue) {
                if (i + 1 >= arguments.size()) {
                    throw UsageError(
                        QCoreApplication::translate("CliOptions", "%1 needs a value").arg(arg));
                }
                value = arguments[++i];
            }
            Apply(o, arg, value);
        } else if (hasValue) {
            throw UsageError(
                QCoreApplication::translate("CliOptions", "%1 takes no value").arg(arg));
        } else {
            ApplyFlag(o, arg);
        }
    }
    const auto unknown = std::find_if(given.begin(), given.end(),
                                      [](const QString& option) { return !KnownOption(option); });
    if (words.isEmpty() && unknown != given.end()) {
        throw UsageError(
            QCoreApplication::translate("CliOptions", "unknown option %1").arg(*unknown));
    }
    if ((o.Help || o.Version) && words.isEmpty()) {
        return o;
    }
    TakeCommandWords(o, words);
    if (o.Help) {
        return o;
    }
    if (!o.Row) {
        throw UsageError(QCoreApplication::translate("CliOptions", "%1 needs an action (%2)")
                             .arg(o.Command, ActionsOf(o.Command).join(", ")));
    }
    CheckOptions(o, given);
    CheckArguments(o);
    CheckCombinations(o);
    return o;
}

} // namespace rangedesk::cli
