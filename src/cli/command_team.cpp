// team: the team server from a terminal (init, connect, disconnect, status, push) and
// history --team.
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <memory>

#include "commands.h"
#include "connection_failure.h"
#include "exit_status.h"
#include "local_push_source.h"
#include "server_address.h"
#include "server_schema.h"
#include "standard_output.h"
#include "store_error.h"
#include "team_connection.h"
#include "team_error.h"
#include "team_history.h"
#include "team_keyring.h"
#include "team_push.h"
#include "team_settings.h"

namespace rangedesk::cli {
namespace {

using namespace rangedesk::team;

void Say(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

QJsonValue TimeJson(const QDateTime& time) {
    return time.isValid() ? QJsonValue(time.toUTC().toString(Qt::ISODateWithMs)) : QJsonValue();
}

// The address in `text`; a usage error when libpq refuses it.
ServerAddress AddressOf(const QString& text) {
    const ParsedAddress parsed = ParseServerAddress(text);
    if (!parsed.Address) {
        throw UsageError(
            QCoreApplication::translate("CliTeam", "\"%1\" is not a server address: %2")
                .arg(text, parsed.Error));
    }
    return *parsed.Address;
}

// The configured server, connected with a password from the keyring if one is kept.
std::unique_ptr<TeamConnection> ConnectConfigured(const TeamSettings& settings) {
    const ServerAddress address = AddressOf(settings.Server);
    return std::make_unique<TeamConnection>(address, settings.Desk,
                                            KeyringPassword(address.Text).value_or(QString()));
}

TeamSettings ConfiguredOrFail() {
    const TeamSettings settings = LoadTeamSettings();
    if (!settings.IsSet()) {
        throw TeamError(
            TeamFailure::BadAddress,
            QCoreApplication::translate(
                "CliTeam", "no team server is set (rangedesk-cli team connect URL sets one)"));
    }
    return settings;
}

QString MeterText(const TeamDownload& d) {
    return d.Model > 0 ? QString("model %1").arg(d.Model) : QString("-");
}

} // namespace

int RunTeamInit(const CliOptions& options) {
    const ServerAddress address = AddressOf(options.Arguments.value(0));
    TeamConnection connection(address, DefaultDeskName(),
                              KeyringPassword(address.Text).value_or(QString()));
    const InitOutcome outcome = InitServerSchema(connection);
    if (outcome.FromVersion == outcome.ToVersion) {
        Say(QCoreApplication::translate("CliTeam",
                                        "Team server %1: schema version %2, nothing to upgrade.")
                .arg(connection.Server())
                .arg(outcome.ToVersion));
    } else if (outcome.FromVersion == 0) {
        Say(QCoreApplication::translate("CliTeam", "Team server %1: schema version %2 created.")
                .arg(connection.Server())
                .arg(outcome.ToVersion));
    } else {
        Say(QCoreApplication::translate("CliTeam",
                                        "Team server %1: schema version %2 (upgraded from %3).")
                .arg(connection.Server())
                .arg(outcome.ToVersion)
                .arg(outcome.FromVersion));
    }
    if (outcome.RolesMade) {
        Say(QCoreApplication::translate(
                "CliTeam",
                "Roles %1 (desks) and %2 (administrators) made. Give each desk's login "
                "role the first, e.g.:\n  CREATE ROLE desk_north LOGIN PASSWORD '...' IN "
                "ROLE %1;")
                .arg(kDeskRole, kAdminRole));
    }
    return kDone;
}

int RunTeamConnect(const CliOptions& options) {
    const ServerAddress address = AddressOf(options.Arguments.value(0));
    TeamSettings settings = LoadTeamSettings();
    settings.Server = address.Text;
    if (!options.Desk.isEmpty()) {
        settings.Desk = options.Desk;
    }
    SaveTeamSettings(settings);
    Say(QCoreApplication::translate("CliTeam", "Team server set: %1, this desk is \"%2\".")
            .arg(address.Describe(), settings.Desk));
    try {
        auto connection = ConnectConfigured(settings);
        const ServerSchema schema = CheckServerSchema(*connection);
        if (schema.ReadOnly) {
            Say(FailureMessage(TeamFailure::NewerSchema, connection->Server(), {}));
        } else {
            Say(QCoreApplication::translate("CliTeam", "Team server %1 answers: schema version %2.")
                    .arg(connection->Server())
                    .arg(schema.Version));
        }
    } catch (const TeamError& e) {
        PrintError(e.Message());
        Say(QCoreApplication::translate(
            "CliTeam", "The setting is kept: this desk pushes once the server can be used."));
        return kTeam;
    }
    return kDone;
}

int RunTeamDisconnect(const CliOptions&) {
    const TeamSettings settings = LoadTeamSettings();
    if (!settings.IsSet()) {
        Say(QCoreApplication::translate("CliTeam", "No team server is set."));
        return kDone;
    }
    ClearTeamServer();
    ForgetKeyringPassword(settings.Server.trimmed());
    Say(QCoreApplication::translate(
            "CliTeam", "Team server %1 forgotten; this desk's work stays in its own database.")
            .arg(settings.Server.trimmed()));
    return kDone;
}

int RunTeamStatus(const CliOptions& options) {
    const TeamSettings settings = ConfiguredOrFail();
    QJsonObject status{{"server", AddressOf(settings.Server).Describe()},
                       {"desk", settings.Desk},
                       {"known_schema_version", KnownSchemaVersion()}};
    QString localError;
    try {
        auto source = LocalPushSource(DatabaseFor(options), store::StoreAccess::ReadOnly);
        const LocalCounts local = source->Counts();
        status["waiting"] = source->PendingCount();
        status["last_push"] =
            TimeJson(QDateTime::fromString(source->State("team/lastPush"), Qt::ISODateWithMs));
        status["local"] = QJsonObject{{"jobs", local.Jobs},
                                      {"downloads", local.Downloads},
                                      {"records", local.Records},
                                      {"readings", local.Readings}};
    } catch (const std::exception& e) {
        localError = QString::fromUtf8(e.what());
        status["local_error"] = localError;
    }
    bool reachable = false;
    try {
        auto connection = ConnectConfigured(settings);
        const ServerSchema schema = CheckServerSchema(*connection);
        const ServerCounts counts = TeamHistory(*connection).Counts(settings.Desk);
        reachable = true;
        status["schema_version"] = schema.Version;
        status["read_only"] = schema.ReadOnly;
        status["server_counts"] = QJsonObject{{"downloads", counts.Downloads},
                                              {"records", counts.Records},
                                              {"desk_downloads", counts.DeskDownloads},
                                              {"desk_records", counts.DeskRecords}};
    } catch (const TeamError& e) {
        status["error"] = e.Message();
    }
    status["reachable"] = reachable;
    if (options.Json) {
        PrintOut(QJsonDocument(status).toJson(QJsonDocument::Indented));
        return int(reachable ? kDone : kTeam);
    }
    PrintLine(
        QCoreApplication::translate("CliTeam", "Server:\t%1").arg(status["server"].toString()));
    PrintLine(QCoreApplication::translate("CliTeam", "Desk:\t%1").arg(settings.Desk));
    PrintLine(reachable ? QCoreApplication::translate("CliTeam", "Reachable:\tyes")
                        : QCoreApplication::translate("CliTeam", "Reachable:\tno (%1)")
                              .arg(status["error"].toString()));
    if (reachable) {
        PrintLine((status["read_only"].toBool()
                       ? QCoreApplication::translate(
                             "CliTeam", "Schema version:\t%1 (this RangeDesk knows %2), read-only")
                       : QCoreApplication::translate(
                             "CliTeam", "Schema version:\t%1 (this RangeDesk knows %2)"))
                      .arg(status["schema_version"].toInt())
                      .arg(KnownSchemaVersion()));
        const QJsonObject counts = status["server_counts"].toObject();
        PrintLine(QCoreApplication::translate(
                      "CliTeam", "On the server:\t%1 downloads, %2 records; from this desk %3 "
                                 "downloads, %4 records")
                      .arg(counts["downloads"].toInteger())
                      .arg(counts["records"].toInteger())
                      .arg(counts["desk_downloads"].toInteger())
                      .arg(counts["desk_records"].toInteger()));
    }
    if (localError.isEmpty()) {
        const QJsonObject local = status["local"].toObject();
        PrintLine(QCoreApplication::translate(
                      "CliTeam", "On this desk:\t%1 downloads, %2 records, %3 jobs, %4 readings")
                      .arg(local["downloads"].toInteger())
                      .arg(local["records"].toInteger())
                      .arg(local["jobs"].toInteger())
                      .arg(local["readings"].toInteger()));
        PrintLine(QCoreApplication::translate("CliTeam", "Waiting:\t%1")
                      .arg(status["waiting"].toInteger()));
        PrintLine(
            status["last_push"].isNull()
                ? QCoreApplication::translate("CliTeam", "Last push:\tnever")
                : QCoreApplication::translate("CliTeam", "Last push:\t%1")
                      .arg(QDateTime::fromString(status["last_push"].toString(), Qt::ISODateWithMs)
                               .toLocalTime()
                               .toString("yyyy-MM-dd HH:mm:ss")));
    } else {
        PrintLine(QCoreApplication::translate("CliTeam", "Waiting:\tunknown (%1)").arg(localError));
    }
    return int(reachable ? kDone : kTeam);
}

int RunTeamPush(const CliOptions& options) {
    const TeamSettings settings = ConfiguredOrFail();
    std::unique_ptr<PushSource> source = LocalPushSource(DatabaseFor(options));
    auto connection = ConnectConfigured(settings);
    const ServerSchema schema = CheckServerSchema(*connection);
    if (schema.ReadOnly) {
        throw TeamError(TeamFailure::NewerSchema,
                        FailureMessage(TeamFailure::NewerSchema, connection->Server(), {}));
    }
    TeamPush push(*connection, *source, schema.ServerId);
    PushReport report;
    try {
        report = push.Push([&](const PushProgress& p) {
            if (!options.Quiet) {
                Say(QCoreApplication::translate("CliTeam", "Pushed %1 of %2 changes (%3 records)")
                        .arg(p.Done)
                        .arg(p.Total)
                        .arg(p.Records));
            }
        });
        const PushReport pulled = push.Pull();
        report.Conflicts += pulled.Conflicts;
        report.RemoteEdits += pulled.RemoteEdits;
    } catch (const TeamError& e) {
        PrintError(e.Message());
        Say(QCoreApplication::translate("CliTeam",
                                        "%1 changes still wait; the next push goes on from there.")
                .arg(source->PendingCount()));
        return kTeam;
    } catch (const store::StoreError& e) {
        if (e.Kind() != store::StoreErrorKind::InUse) {
            throw;
        }
        // A download holds the database: what it could not mark is sent again next time.
        PrintError(e.Message());
        Say(QCoreApplication::translate(
                "CliTeam", "%1 changes still wait; push again once the download has ended.")
                .arg(source->PendingCount()));
        return kTeam;
    }
    for (const QString& conflict : report.Conflicts) {
        Say(conflict);
    }
    const qint64 waiting = source->PendingCount();
    Say(QCoreApplication::translate(
            "CliTeam", "Team server %1: %2 changes pushed (%3 records), %4 edits of other desks "
                       "taken over, %5 waiting.")
            .arg(connection->Server())
            .arg(report.Entries)
            .arg(report.Records)
            .arg(report.RemoteEdits)
            .arg(waiting));
    return int(waiting == 0 ? kDone : kTeam);
}

int RunTeamHistory(const CliOptions& options) {
    const TeamSettings settings = ConfiguredOrFail();
    auto connection = ConnectConfigured(settings);
    CheckServerSchema(*connection); // a newer schema is read, never written
    const std::vector<TeamHistoryRow> rows = TeamHistory(*connection).List(options.Search);
    if (options.Json) {
        QJsonArray list;
        for (const TeamHistoryRow& row : rows) {
            const TeamDownload& d = row.Download;
            list.append(QJsonObject{
                {"id", d.Uuid.toString(QUuid::WithoutBraces)},
                {"started", TimeJson(d.Started)},
                {"finished", TimeJson(d.Finished)},
                {"model", d.Model},
                {"vendor", d.Vendor},
                {"product", d.Product},
                {"asked", d.Asked},
                {"stored", d.Stored},
                {"new", d.NewRecords},
                {"outcome", d.Outcome},
                {"desk", d.Desk},
                {"user", d.User},
                {"job", row.JobName.isEmpty() ? QJsonValue() : QJsonValue(row.JobName)}});
        }
        PrintOut(QJsonDocument(list).toJson(QJsonDocument::Indented));
        return kDone;
    }
    if (rows.empty()) {
        Say(options.Search.isEmpty()
                ? QCoreApplication::translate("CliTeam", "The team server holds no download yet.")
                : QCoreApplication::translate("CliTeam", "No team download matches \"%1\".")
                      .arg(options.Search));
        return kDone;
    }
    PrintLine("ID\tDate and time\tMeter\tRecords\tNew\tOutcome\tDesk\tUser\tJob");
    for (const TeamHistoryRow& row : rows) {
        const TeamDownload& d = row.Download;
        PrintLine(QStringList{d.Uuid.toString(QUuid::WithoutBraces),
                              d.Started.toLocalTime().toString("yyyy-MM-dd HH:mm:ss"), MeterText(d),
                              QString("%1 of %2").arg(d.Stored).arg(d.Asked),
                              QString::number(d.NewRecords), d.Outcome, d.Desk, d.User, row.JobName}
                      .join('\t'));
    }
    return kDone;
}

} // namespace rangedesk::cli
