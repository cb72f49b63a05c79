#pragma once

#include <QDialog>

#include "user_prompts.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace rangedesk::app {

// The job dialog: name, client, address and notes. OK hands the fields to the request's Apply;
// a refusal is shown in the dialog with its reason and the dialog stays open, so nothing is
// made until the fields are taken whole.
class TJobDialog : public QDialog {
    Q_OBJECT
public:
    TJobDialog(JobRequest request, QWidget* parent = nullptr);

    JobForm Fields() const;
    void OkClick();

    QLineEdit& NameEdit() { return *name_; }
    QLineEdit& ClientEdit() { return *client_; }
    QLineEdit& AddressEdit() { return *address_; }
    QPlainTextEdit& NotesEdit() { return *notes_; }
    QLabel& Refusal() { return *refusal_; }
    QPushButton& OkButton() { return *ok_; }

private:
    JobRequest request_;
    QLineEdit* name_;
    QLineEdit* client_;
    QLineEdit* address_;
    QPlainTextEdit* notes_;
    QLabel* refusal_;
    QPushButton* ok_;
};

} // namespace rangedesk::app
