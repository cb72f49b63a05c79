#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

#include "team_settings.h"

namespace rangedesk::store {
class RecordStore;
}
namespace rangedesk::team {
class TeamSync;
struct TeamStatus;
} // namespace rangedesk::team

namespace rangedesk::app {

class StatusBar;
class UserPrompts;

// The window's part in the team server: while one is set, a TeamSync pushes the store's
// changes on its own thread (made when the window starts, made again when the Settings change
// it), asked to push whenever the store queued a change (an edit, a download that ended). The
// status bar's Team indicator shows where the desk stands; an edit made here that lost
// against another desk's later one is told once, in a box. The store's rows carry the desk
// name of the settings.
class WindowTeam : public QObject {
    Q_OBJECT
public:
    WindowTeam(store::RecordStore& store, StatusBar& statusBar, UserPrompts& prompts,
               QObject* parent = nullptr);
    ~WindowTeam() override;

    // Follows the saved settings: a push for the server set, none without one. The keyring is
    // read here (the main thread) unless a password was typed for that server in this run.
    void Restart();
    // The Settings dialog was closed: a password typed there (kept for this run, whatever the
    // keyring did with it), and why the keyring did not keep it. Restarts the push when the
    // settings or the password changed.
    void SettingsClosed(const QString& typedPassword, const QString& keyringProblem);

    // The password of the server set: typed in this run, else the keyring's; empty leaves
    // libpq its own sources.
    QString Password() const;
    team::TeamSync* Sync() const { return sync_.get(); }
    const team::TeamSettings& Settings() const { return settings_; }

signals:
    // Other desks' edits were taken over into the store: views of the history refresh.
    void remoteEditsApplied();

private:
    void PushNow();
    void ShowStatus(const team::TeamStatus& status);
    void ShowConflicts(const QStringList& texts);

    store::RecordStore& store_;
    StatusBar& statusBar_;
    UserPrompts& prompts_;
    team::TeamSettings settings_;
    QString typedServer_; // the server a password was typed for in this run
    QString typedPassword_;
    std::unique_ptr<team::TeamSync> sync_;
};

} // namespace rangedesk::app
