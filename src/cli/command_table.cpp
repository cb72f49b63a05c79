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

const std::array<CommandRow, 19>& Rows() {
    static const std::array<CommandRow, 19> rows = {{
        {"devices", "", {"--json"}, kNone, StoreUse::None, RunDevices},
        {"read", "", {"--json"}, kNone, StoreUse::ReadWrite, RunRead},
        {"download", "", {"--csv", "--no-db"}, kNone, StoreUse::ReadWrite, RunDownload},
        {"export", "", {"--format"}, kFile, StoreUse::ReadOnly, RunExport},
        {"decode", "", {"--model"}, kNone, StoreUse::None, RunDecode},
        {"print", "", {"--pdf"}, kNone, StoreUse::ReadOnly, RunPrint},
        {"history", "", {"--json", "--team", "--search"}, kNone, StoreUse::ReadOnly, RunHistory},
        {"history", "show", {"--csv"}, kDownload, StoreUse::ReadOnly, RunHistory},
        {"history", "export", {"--format"}, kDownloadAndFile, StoreUse::ReadOnly, RunHistory},
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
