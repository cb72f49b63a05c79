#include "window_team.h"

#include "local_push_source.h"
#include "record_store.h"
#include "status_bar.h"
#include "team_keyring.h"
#include "team_pusher.h"
#include "user_prompts.h"

namespace rangedesk::app {

WindowTeam::WindowTeam(store::RecordStore& store, StatusBar& statusBar, UserPrompts& prompts,
                       QObject* parent)
    : QObject(parent), store_(store), statusBar_(statusBar), prompts_(prompts),
      settings_(team::LoadTeamSettings()) {
    // The desk is named before anything is written, a push or not.
    store_.SetDesk(team::DeskIdentityOf(settings_));
    connect(&store_, &store::RecordStore::changesQueued, this, &WindowTeam::PushNow);
}

WindowTeam::~WindowTeam() = default;

void WindowTeam::Restart() {
    sync_.reset(); // stops a push after its batch in flight
    settings_ = team::LoadTeamSettings();
    store_.SetDesk(team::DeskIdentityOf(settings_));
    statusBar_.SetIndicator(StatusBar::Indicator::Team, {});
    if (!settings_.IsSet()) {
        return;
    }
    const QString password = Password();
    sync_ = std::make_unique<team::TeamSync>(
        settings_, [path = store_.Path()] { return team::LocalPushSource(path); }, password);
    connect(sync_.get(), &team::TeamSync::StatusChanged, this, &WindowTeam::ShowStatus);
    connect(sync_.get(), &team::TeamSync::Conflicts, this, &WindowTeam::ShowConflicts);
    connect(sync_.get(), &team::TeamSync::RemoteEditsApplied, this,
            &WindowTeam::remoteEditsApplied);
}

QString WindowTeam::Password() const {
    return typedServer_ == settings_.Server
               ? typedPassword_
               : team::KeyringPassword(settings_.Server).value_or(QString());
}

void WindowTeam::SettingsClosed(const QString& typedPassword, const QString& keyringProblem) {
    const team::TeamSettings saved = team::LoadTeamSettings();
    if (!keyringProblem.isEmpty()) {
        statusBar_.SetPanelText(1, tr("Team: the keyring did not keep the password (%1); it is "
                                      "used until RangeDesk ends")
                                       .arg(keyringProblem));
    }
    const bool typed = !typedPassword.isEmpty();
    if (typed) {
        typedServer_ = saved.Server;
        typedPassword_ = typedPassword;
    }
    if (typed || !(saved == settings_)) {
        Restart();
    }
}

void WindowTeam::PushNow() {
    if (sync_) {
        sync_->PushNow();
    }
}

void WindowTeam::ShowStatus(const team::TeamStatus& status) {
    statusBar_.SetIndicator(StatusBar::Indicator::Team, status.Text());
}

// Each lost edit is reported by the push once; the user is told in one box.
void WindowTeam::ShowConflicts(const QStringList& texts) {
    if (texts.isEmpty()) {
        return;
    }
    const QString intro = texts.size() == 1
                              ? tr("An edit made on this desk was replaced by a later one of "
                                   "another desk:")
                              : tr("%1 edits made on this desk were replaced by later ones of "
                                   "other desks:")
                                    .arg(texts.size());
    prompts_.Ask({kApplicationTitle, intro + "\n\n" + texts.join('\n'), MessageIcon::Information});
}

} // namespace rangedesk::app
