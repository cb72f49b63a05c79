#include "command_table.h"

#include <array>

#include "commands.h"

namespace rangedesk::cli {
namespace {

constexpr std::array<Argument, 0> kNone{};
constexpr std::array<Argument, 1> kFile{Argument::File};
constexpr std::array<Argument, 1> kDownload{Argument::DownloadId};
constexpr std::array<Argument, 2> kDownloadAndFile{Argument::DownloadId, Argument::File};
constexpr std::array<Argument, 1> kServer{Argument::Server};
constexpr std::array<Argument, 1> kText{Argument::Text};
constexpr std::array<Argument, 1> kJob{Argument::JobName};
constexpr std::array<Argument, 2> kJobAndName{Argument::JobName, Argument::JobName};
constexpr std::array<Argument, 2> kJobAndFile{Argument::JobName, Argument::File};
constexpr std::array<Argument, 2> kDownloadAndJob{Argument::DownloadId, Argument::JobName};
constexpr std::array<Argument, 3> kRecordAndText{Argument::DownloadId, Argument::RecordNumber,
                                                 Argument::Text};
constexpr std::array<Argument, 3> kRecordAndSwitch{Argument::DownloadId, Argument::RecordNumber,
                                                   Argument::OnOff};

const std::array<CommandRow, 34>& Rows() {
    static const std::array<CommandRow, 34> rows = {{
        {"devices", "", {"--json"}, kNone, StoreUse::None, RunDevices},
        {"read", "", {"--json"}, kNone, StoreUse::ReadWrite, RunRead},
        {"download",
         "",
         {"--csv", "--no-db", "--job", "--json"},
         kNone,
         StoreUse::ReadWrite,
         RunDownload},
        {"export", "", {"--format", "--units"}, kFile, StoreUse::ReadOnly, RunExport},
        {"decode", "", {"--model"}, kNone, StoreUse::None, RunDecode},
        {"print", "", {"--pdf"}, kNone, StoreUse::ReadOnly, RunPrint},
        {"history", "", {"--json", "--team", "--search"}, kNone, StoreUse::ReadOnly, RunHistory},
        {"history",
         "show",
         {"--csv", "--json", "--raw", "--only-new"},
         kDownload,
         StoreUse::ReadOnly,
         RunHistory},
        {"history",
         "export",
         {"--format", "--units", "--only-new"},
         kDownloadAndFile,
         StoreUse::ReadOnly,
         RunHistory},
        {"history", "load", {}, kDownload, StoreUse::ReadWrite, RunHistory},
        {"history", "delete", {}, kDownload, StoreUse::ReadWrite, RunHistory},
        {"history", "redecode", {}, kDownload, StoreUse::ReadWrite, RunHistory},
        {"history", "readings", {"--json"}, kNone, StoreUse::ReadOnly, RunHistoryReadings},
        {"measure",
         "",
         {"--type", "--then", "--unit", "--json", "--verbose", "--template"},
         kNone,
         StoreUse::ReadWrite,
         RunMeasure},
        {"history",
         "totals",
         {"--units", "--json"},
         kDownload,
         StoreUse::ReadOnly,
         RunHistoryTotals},
        {"history", "assign", {}, kDownloadAndJob, StoreUse::ReadWrite, RunHistoryAssign},
        {"history", "label", {}, kRecordAndText, StoreUse::ReadWrite, RunHistoryLabel},
        {"history", "note", {}, kRecordAndText, StoreUse::ReadWrite, RunHistoryLabel},
        {"history", "deduct", {}, kRecordAndSwitch, StoreUse::ReadWrite, RunHistoryLabel},
        {"job", "", {"--json"}, kNone, StoreUse::ReadOnly, RunJobList},
        {"job",
         "create",
         {"--client", "--address", "--note"},
         kJob,
         StoreUse::ReadWrite,
         RunJobCreate},
        {"job", "rename", {}, kJobAndName, StoreUse::ReadWrite, RunJobRename},
        {"job", "show", {"--json"}, kJob, StoreUse::ReadOnly, RunJobShow},
        {"job", "export", {"--format", "--units"}, kJobAndFile, StoreUse::ReadOnly, RunJobExport},
        {"job", "totals", {"--units", "--json"}, kJob, StoreUse::ReadOnly, RunJobTotals},
        {"job", "report", {"--pdf", "--units"}, kJob, StoreUse::ReadOnly, RunJobReport},
        {"config", "", {}, kNone, StoreUse::None, RunConfig},
        {"config", "company", {}, kText, StoreUse::None, RunConfig},
        {"config", "contact", {}, kText, StoreUse::None, RunConfig},
        {"team", "init", {}, kServer, StoreUse::None, RunTeamInit},
        {"team", "connect", {"--desk"}, kServer, StoreUse::None, RunTeamConnect},
        {"team", "disconnect", {}, kNone, StoreUse::None, RunTeamDisconnect},
        {"team", "status", {"--json"}, kNone, StoreUse::ReadOnly, RunTeamStatus},
        {"team", "push", {}, kNone, StoreUse::ReadWrite, RunTeamPush},
    }};
    return rows;
}

} // namespace

std::span<const CommandRow> CommandRows() {
    return Rows();
}

const CommandRow* FindCommand(const QString& name, const QString& action) {
    for (const CommandRow& row : Rows()) {
        if (row.Name == name && row.Action == action) {
            return &row;
        }
    }
    return nullptr;
}

bool HasActions(const QString& name) {
    return !ActionsOf(name).isEmpty();
}

QStringList ActionsOf(const QString& name) {
    QStringList actions;
    for (const CommandRow& row : Rows()) {
        if (row.Name == name && !row.Action.isEmpty()) {
            actions << row.Action;
        }
    }
    return actions;
}

} // namespace rangedesk::cli
