#pragma once

#include <QFutureWatcher>
#include <QGroupBox>

#include "team_check.h"
#include "team_settings.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace rangedesk::app {

// Settings > "Team server": the server (a libpq URL, keyword list or service name), this
// desk's name (the host name unless the user names it), a password that goes to the desktop's
// keyring and never to a file, "Check connection" (run off the GUI thread, its answer shown
// below) and "Disconnect" (forgets the server and its kept password at once).
class TeamServerSection : public QGroupBox {
    Q_OBJECT
public:
    explicit TeamServerSection(QWidget* parent = nullptr);
    // Leaves a check in flight to end on its own; its answer is dropped.
    ~TeamServerSection() override;

    QLineEdit& Server() { return *server_; }
    QLineEdit& Desk() { return *desk_; }
    QLineEdit& Password() { return *password_; }
    QPushButton& CheckButton() { return *check_; }
    QPushButton& DisconnectButton() { return *disconnect_; }
    // The answer of the last check or disconnect, or how to install the driver.
    QLabel& Answer() { return *answer_; }

    // The settings the fields say; a bare word in the server field is a service name.
    team::TeamSettings Settings() const;
    // Saves the server and the desk; a typed password goes to the keyring. Returns the typed
    // password (empty when none was typed), which the window keeps in memory for this run,
    // and in `keyringProblem` why the keyring did not take it (no keyring runs).
    QString Save(QString* keyringProblem);
    bool Checking() const { return watcher_.isRunning(); }

signals:
    // A check ended; its answer is shown.
    void checked(const rangedesk::team::TeamCheck& check);

private:
    void Check();
    void Disconnect();
    void ShowCheck();

    QLineEdit* server_;
    QLineEdit* desk_;
    QLineEdit* password_;
    QPushButton* check_;
    QPushButton* disconnect_;
    QLabel* answer_;
    QFutureWatcher<team::TeamCheck> watcher_;
};

} // namespace rangedesk::app
