#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace rangedesk::app {

class TeamServerSection;

// Settings: how readings are typed into other applications, the language of the texts, the
// firm that heads the client reports and the team server. What it shows is kept in the user's
// configuration when the dialog is accepted (a team password in the desktop's keyring).
class TSettingsForm : public QDialog {
    Q_OBJECT
public:
    // `methodName` tells the typing method of this session when the dialog asks for it.
    TSettingsForm(QWidget* parent, std::function<QString()> methodName);

    QComboBox& TypedValue() { return *value_; }
    QComboBox& TypedEnd() { return *end_; }
    QComboBox& DecimalSeparator() { return *decimal_; }
    QLabel& TypingMethod() { return *method_; }
    // "System", "English", "中文(简体)", "Deutsch"; the item data is the kept choice.
    QComboBox& Language() { return *language_; }
    TeamServerSection& TeamServer() { return *team_; }
    // A team password typed and saved, for the window to use this run (empty: none typed),
    // and why the keyring did not keep it (empty: it did, or none was typed).
    const QString& TypedTeamPassword() const { return typedPassword_; }
    const QString& KeyringProblem() const { return keyringProblem_; }
    QLineEdit& Company() { return *company_; }
    QLineEdit& Contact() { return *contact_; }

    // Saves what the dialog shows.
    void Save();

private:
    void Load();

    QComboBox* value_;
    QComboBox* end_;
    QComboBox* decimal_;
    QLabel* method_;
    QComboBox* language_;
    TeamServerSection* team_;
    QString typedPassword_;
    QString keyringProblem_;
    QLineEdit* company_ = nullptr;
    QLineEdit* contact_ = nullptr;
};

} // namespace rangedesk::app
