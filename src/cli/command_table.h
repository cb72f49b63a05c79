#pragma once

#include <QString>
#include <QStringList>

#include <span>

#include "cli_options.h"

namespace rangedesk::cli {

// What a command does with the record database.
enum class StoreUse { None, ReadOnly, ReadWrite };

// What follows a command's words.
enum class Argument {
    DownloadId,
    File,
    Server,
    JobName,      // a job's name; the database says whether it may be one
    RecordNumber, // a record's number in its download
    Text,         // a label, a note, a setting; may be empty
    OnOff,        // "on" or "off"
};

// One command (or one action of a command): its words, the options it takes, its arguments,
// the database access it needs, and the function that runs it.
struct CommandRow {
    QString Name;   // "history"
    QString Action; // "show"; empty for the command alone
    QStringList Options;
    std::span<const Argument> Arguments;
    StoreUse Store;
    int (*Run)(const CliOptions& options);
};

std::span<const CommandRow> CommandRows();
// The row of a command and action; null when there is none.
const CommandRow* FindCommand(const QString& name, const QString& action);
// Whether a command has actions ("history show", ...).
bool HasActions(const QString& name);
// The actions of a command, for messages: "show, export, load".
QStringList ActionsOf(const QString& name);

} // namespace rangedesk::cli
