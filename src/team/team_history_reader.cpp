#include "team_history_reader.h"

#include <QTimer>

#include "connection_failure.h"
#include "server_address.h"
#include "server_schema.h"
#include "team_connection.h"
#include "team_error.h"
#include "team_notifications.h"

namespace rangedesk::team {
namespace {

// Notices come one per statement of a push: read the list once they have settled.
constexpr int kCoalesceMs = 300;
// A connection's notices stop without a word when the server goes: looked at this often.
constexpr int kHeartbeatMs = 30000;

} // namespace

TeamHistoryReader::TeamHistoryReader(TeamSettings settings, QString password)
    : settings_(std::move(settings)), password_(std::move(password)) {
    qRegisterMetaType<std::vector<TeamHistoryRow>>();
    qRegisterMetaType<std::vector<TeamRecord>>();
}

TeamHistoryReader::~TeamHistoryReader() = default;

void TeamHistoryReader::Start() {
    soon_ = new QTimer(this);
    soon_->setSingleShot(true);
    soon_->setInterval(kCoalesceMs);
    connect(soon_, &QTimer::timeout, this, &TeamHistoryReader::ListNow);
    retry_ = new QTimer(this);
    retry_->setSingleShot(true);
    retry_->setInterval(kRetryMs);
    connect(retry_, &QTimer::timeout, this, &TeamHistoryReader::ListNow);
    heartbeat_ = new QTimer(this);
    heartbeat_->setInterval(kHeartbeatMs);
    connect(heartbeat_, &QTimer::timeout, this, &TeamHistoryReader::CheckConnection);
    heartbeat_->start();
    ListNow();
}

void TeamHistoryReader::Shutdown() {
    delete soon_;
    delete retry_;
    delete heartbeat_;
    soon_ = retry_ = heartbeat_ = nullptr;
    Drop();
}

void TeamHistoryReader::List(const QString& search) {
    search_ = search;
    ListNow();
}

TeamConnection& TeamHistoryReader::Connection() {
    if (connection_ && connection_->IsOpen()) {
        return *connection_;
    }
    Drop();
    const ParsedAddress parsed = ParseServerAddress(settings_.Server);
    if (!parsed.Address) {
        throw TeamError(TeamFailure::BadAddress,
                        FailureMessage(TeamFailure::BadAddress, settings_.Server, parsed.Error));
    }
    auto connection = std::make_unique<TeamConnection>(*parsed.Address, settings_.Desk, password_);
    CheckServerSchema(*connection); // a newer schema is read, never written
    connection_ = std::move(connection);
    notifications_ = std::make_unique<TeamNotifications>(*connection_);
    connect(notifications_.get(), &TeamNotifications::Changed, this, [this] {
        if (soon_ && !soon_->isActive()) {
            soon_->start();
        }
    });
    return *connection_;
}

void TeamHistoryReader::Drop() {
    notifications_.reset();
    connection_.reset();
}

void TeamHistoryReader::ListNow() {
    if (!soon_) {
        return;
    }
    try {
        std::vector<TeamHistoryRow> rows = TeamHistory(Connection()).List(search_);
        retry_->stop();
        emit Listed(rows, search_);
    } catch (const TeamError& e) {
        Drop();
        retry_->start();
        emit Failed(e.Message());
    }
}

void TeamHistoryReader::ReadRecords(const QUuid& download) {
    try {
        emit RecordsRead(download, TeamHistory(Connection()).Records(download));
    } catch (const TeamError& e) {
        Drop();
        if (retry_) {
            retry_->start();
        }
        emit Failed(e.Message());
    }
}

// A connection lost while nothing was asked: connect again and list what was missed.
void TeamHistoryReader::CheckConnection() {
    if (connection_ && !connection_->IsOpen()) {
        ListNow();
    }
}

} // namespace rangedesk::team
