#include "team_pusher.h"

#include <QTimer>

#include <algorithm>

#include "connection_failure.h"
#include "server_address.h"
#include "server_schema.h"
#include "team_connection.h"
#include "team_error.h"
#include "team_keyring.h"
#include "team_notifications.h"

#include "store_error.h"

namespace rangedesk::team {
namespace {

// Notices of other desks come in bursts (one per statement): take them over together.
constexpr int kCoalesceMs = 150;
// While a download holds the local database, the push looks again this often.
constexpr int kBusyRetryMs = 5000;

} // namespace

TeamPusher::TeamPusher(TeamSettings settings, PushSourceFactory factory, QString password)
    : settings_(std::move(settings)), factory_(std::move(factory)), password_(std::move(password)) {
    qRegisterMetaType<TeamStatus>();
    qRegisterMetaType<PushProgress>();
}

TeamPusher::~TeamPusher() = default;

void TeamPusher::Start() {
    retry_ = new QTimer(this);
    retry_->setSingleShot(true);
    connect(retry_, &QTimer::timeout, this, &TeamPusher::Run);
    soon_ = new QTimer(this);
    soon_->setSingleShot(true);
    soon_->setInterval(kCoalesceMs);
    connect(soon_, &QTimer::timeout, this, &TeamPusher::Run);
    try {
        source_ = factory_();
    } catch (const std::exception& e) {
        TeamStatus status;
        status.Now = TeamStatus::State::Offline;
        status.Reason = "the local database: " + QString::fromUtf8(e.what());
        SetStatus(status);
        return;
    }
    Run();
}

void TeamPusher::PushNow() {
    if (soon_ && !soon_->isActive()) {
        soon_->start(0);
    }
}

void TeamPusher::Shutdown() {
    // Timers belong to this thread: they go here, not in the destructor on another thread.
    delete retry_;
    delete soon_;
    retry_ = nullptr;
    soon_ = nullptr;
    notifications_.reset();
    connection_.reset();
    source_.reset();
}

void TeamPusher::Connect() {
    const ParsedAddress parsed = ParseServerAddress(settings_.Server);
    if (!parsed.Address) {
        throw TeamError(TeamFailure::BadAddress,
                        FailureMessage(TeamFailure::BadAddress, settings_.Server, parsed.Error));
    }
    connection_ = std::make_unique<TeamConnection>(*parsed.Address, settings_.Desk, password_);
    const ServerSchema schema = CheckServerSchema(*connection_);
    serverId_ = schema.ServerId;
    readOnly_ = schema.ReadOnly;
    if (!readOnly_) {
        notifications_ = std::make_unique<TeamNotifications>(*connection_);
        connect(notifications_.get(), &TeamNotifications::Changed, this,
                [this](const QString& desk) {
                    if (desk != settings_.Desk) {
                        PushNow();
                    }
                });
    }
}

void TeamPusher::Run() {
    if (!source_ || !retry_) {
        return;
    }
    stop_ = false;
    TeamStatus status;
    bool localBusy = false;
    try {
        if (connection_ && !connection_->IsOpen()) {
            notifications_.reset();
            connection_.reset();
        }
        if (!connection_) {
            Connect();
        }
        if (readOnly_) {
            throw TeamError(TeamFailure::NewerSchema,
                            FailureMessage(TeamFailure::NewerSchema, connection_->Server(), {}));
        }
        TeamPush push(*connection_, *source_, serverId_);
        Report(push.Push(
            [this](const PushProgress& p) {
                emit Progress(p);
                TeamStatus waiting;
                waiting.Now = TeamStatus::State::Waiting;
                waiting.Waiting = p.Total - p.Done;
                waiting.LastPush = status_.LastPush;
                if (waiting.Waiting > 0) {
                    SetStatus(waiting);
                }
            },
            &stop_));
        Report(push.Pull());
        status.Waiting = source_->PendingCount();
        status.Now = status.Waiting == 0 ? TeamStatus::State::UpToDate : TeamStatus::State::Waiting;
    } catch (const TeamError& e) {
        status.Now = TeamStatus::State::Offline;
        // The status bar has little room: the kind and the server's own reason.
        status.Reason = e.Message().section(": ", 1);
        status.ReadOnly = e.Failure() == TeamFailure::NewerSchema;
        if (e.Failure() != TeamFailure::NewerSchema) {
            notifications_.reset();
            connection_.reset();
        }
        status.Waiting = PendingOrZero();
    } catch (const store::StoreError& e) {
        // A download holds the local database: it goes on without waiting for the push, which
        // tries again soon (and at once when the window says the download ended).
        localBusy = e.Kind() == store::StoreErrorKind::InUse;
        status.Waiting = PendingOrZero();
        if (localBusy) {
            status.Now =
                status.Waiting == 0 ? TeamStatus::State::UpToDate : TeamStatus::State::Waiting;
        } else {
            status.Now = TeamStatus::State::Offline;
            status.Reason = "the local database: " + e.Message();
        }
    }
    try {
        status.LastPush = QDateTime::fromString(source_->State("team/lastPush"), Qt::ISODateWithMs);
    } catch (const store::StoreError&) {
        status.LastPush = status_.LastPush;
    }
    SetStatus(status);
    if (status.Now != TeamStatus::State::UpToDate && !stop_ && retry_) {
        retry_->start(localBusy ? std::min(retryMs_, kBusyRetryMs) : retryMs_);
    }
}

qint64 TeamPusher::PendingOrZero() {
    try {
        return source_->PendingCount();
    } catch (const store::StoreError&) {
        return 0;
    }
}

void TeamPusher::Report(const PushReport& report) {
    if (!report.Conflicts.isEmpty()) {
        emit Conflicts(report.Conflicts);
    }
    if (report.RemoteEdits > 0) {
        emit RemoteEditsApplied(report.RemoteEdits);
    }
}

void TeamPusher::SetStatus(TeamStatus status) {
    if (!(status == status_)) {
        status_ = status;
        emit StatusChanged(status_);
    }
}

TeamSync::TeamSync(TeamSettings settings, PushSourceFactory factory, QString password,
                   QObject* parent)
    : QObject(parent), pusher_(std::make_unique<TeamPusher>(std::move(settings), std::move(factory),
                                                            std::move(password))) {
    thread_.setObjectName("team push");
    connect(pusher_.get(), &TeamPusher::StatusChanged, this, [this](const TeamStatus& status) {
        status_ = status;
        emit StatusChanged(status);
    });
    connect(pusher_.get(), &TeamPusher::Conflicts, this, &TeamSync::Conflicts);
    connect(pusher_.get(), &TeamPusher::RemoteEditsApplied, this, &TeamSync::RemoteEditsApplied);
    pusher_->moveToThread(&thread_);
    connect(&thread_, &QThread::started, pusher_.get(), &TeamPusher::Start);
    thread_.start();
}

TeamSync::~TeamSync() {
    pusher_->RequestStop();
    QMetaObject::invokeMethod(pusher_.get(), &TeamPusher::Shutdown, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void TeamSync::PushNow() {
    QMetaObject::invokeMethod(pusher_.get(), &TeamPusher::PushNow, Qt::QueuedConnection);
}

} // namespace rangedesk::team
