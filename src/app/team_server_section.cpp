#include "team_server_section.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>

#include "server_address.h"
#include "team_keyring.h"

namespace rangedesk::app {

TeamServerSection::TeamServerSection(QWidget* parent)
    : QGroupBox(tr("Team server"), parent), server_(new QLineEdit(this)),
      desk_(new QLineEdit(this)), password_(new QLineEdit(this)),
      check_(new QPushButton(tr("Check connection"), this)),
      disconnect_(new QPushButton(tr("Disconnect"), this)), answer_(new QLabel(this)) {
    setObjectName("TeamServer");
    server_->setObjectName("TeamServerAddress");
    server_->setPlaceholderText(tr("postgresql://desk@db.example.com/rangedesk or a service name"));
    server_->setAccessibleName(tr("Team server address"));
    desk_->setObjectName("TeamDesk");
    desk_->setAccessibleName(tr("This desk's name"));
    password_->setObjectName("TeamPassword");
    password_->setEchoMode(QLineEdit::Password);
    password_->setPlaceholderText(tr("kept in the desktop's keyring, never in a file"));
    password_->setAccessibleName(tr("Team server password"));
    check_->setObjectName("TeamCheck");
    disconnect_->setObjectName("TeamDisconnect");
    answer_->setObjectName("TeamAnswer");
    answer_->setWordWrap(true);
    answer_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const team::TeamSettings saved = team::LoadTeamSettings();
    server_->setText(saved.Server);
    desk_->setText(saved.Desk);
    disconnect_->setEnabled(saved.IsSet());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(check_);
    buttons->addWidget(disconnect_);
    buttons->addStretch();
    auto* form = new QFormLayout(this);
    form->addRow(tr("Server:"), server_);
    form->addRow(tr("This desk:"), desk_);
    form->addRow(tr("Password:"), password_);
    form->addRow(buttons);
    form->addRow(answer_);

    if (!team::PostgresDriverInstalled()) {
        answer_->setText(team::DriverAdvice());
        check_->setEnabled(false);
    }
    connect(check_, &QPushButton::clicked, this, &TeamServerSection::Check);
    connect(disconnect_, &QPushButton::clicked, this, &TeamServerSection::Disconnect);
    connect(&watcher_, &QFutureWatcher<team::TeamCheck>::finished, this,
            &TeamServerSection::ShowCheck);
}

TeamServerSection::~TeamServerSection() {
    watcher_.disconnect(this);
}

team::TeamSettings TeamServerSection::Settings() const {
    team::TeamSettings settings{team::ServerTextFromField(server_->text()),
                                desk_->text().trimmed()};
    if (settings.Desk.isEmpty()) {
        settings.Desk = team::DefaultDeskName();
    }
    return settings;
}

// The connection waits up to its timeout: off the GUI thread. The keyring is read here, on
// the GUI thread, where it must be.
void TeamServerSection::Check() {
    if (Checking()) {
        return;
    }
    const team::TeamSettings settings = Settings();
    if (!settings.IsSet()) {
        answer_->setText(tr("Type the server's address or service name first."));
        return;
    }
    QString password = password_->text();
    if (password.isEmpty()) {
        password = team::KeyringPassword(settings.Server).value_or(QString());
    }
    check_->setEnabled(false);
    answer_->setText(tr("Connecting to %1...").arg(settings.Server));
    watcher_.setFuture(QtConcurrent::run(&team::CheckTeamServer, settings, password));
}

void TeamServerSection::ShowCheck() {
    const team::TeamCheck check = watcher_.result();
    check_->setEnabled(true);
    answer_->setText(check.Message);
    emit checked(check);
}

void TeamServerSection::Disconnect() {
    const team::TeamSettings saved = team::LoadTeamSettings();
    team::ClearTeamServer();
    if (saved.IsSet()) {
        team::ForgetKeyringPassword(saved.Server.trimmed());
    }
    server_->clear();
    password_->clear();
    disconnect_->setEnabled(false);
    answer_->setText(saved.IsSet() ? tr("Disconnected from %1; this desk's work stays in its own "
                                        "database.")
                                         .arg(saved.Server.trimmed())
                                   : tr("No team server is set."));
}

QString TeamServerSection::Save(QString* keyringProblem) {
    const team::TeamSettings settings = Settings();
    team::SaveTeamSettings(settings); // an empty server is none
    const QString password = password_->text();
    if (settings.IsSet() && !password.isEmpty()) {
        const QString problem = team::KeepPasswordInKeyring(settings.Server, password);
        if (keyringProblem) {
            *keyringProblem = problem;
        }
    }
    return settings.IsSet() ? password : QString();
}

} // namespace rangedesk::app
