#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace rangedesk::app {

// Settings: how readings are typed into other applications, and the firm that heads the
// client reports. What it shows is kept in the user's configuration when the dialog is
// accepted.
class TSettingsForm : public QDialog {
    Q_OBJECT
public:
    // `methodName` tells the typing method of this session when the dialog asks for it.
    TSettingsForm(QWidget* parent, std::function<QString()> methodName);

    QComboBox& TypedValue() { return *value_; }
    QComboBox& TypedEnd() { return *end_; }
    QComboBox& DecimalSeparator() { return *decimal_; }
    QLabel& TypingMethod() { return *method_; }
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
    QLineEdit* company_ = nullptr;
    QLineEdit* contact_ = nullptr;
};

} // namespace rangedesk::app
