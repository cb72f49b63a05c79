#include "job_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rangedesk::app {

TJobDialog::TJobDialog(JobRequest request, QWidget* parent)
    : QDialog(parent), request_(std::move(request)), name_(new QLineEdit(this)),
      client_(new QLineEdit(this)), address_(new QLineEdit(this)), notes_(new QPlainTextEdit(this)),
      refusal_(new QLabel(this)) {
    setObjectName("JobDialog");
    setWindowTitle(request_.Caption);
    name_->setText(request_.Start.Name);
    client_->setText(request_.Start.Details.Client);
    address_->setText(request_.Start.Details.Address);
    notes_->setPlainText(request_.Start.Details.Notes);
    notes_->setTabChangesFocus(true);
    notes_->setMaximumHeight(90);
    name_->setAccessibleName(tr("Job name"));
    client_->setAccessibleName(tr("Client"));
    address_->setAccessibleName(tr("Address"));
    notes_->setAccessibleName(tr("Notes"));
    refusal_->setObjectName("JobRefusal");
    refusal_->setWordWrap(true);
    refusal_->setStyleSheet("color: #b00000");
    refusal_->hide();

    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), name_);
    form->addRow(tr("&Client:"), client_);
    form->addRow(tr("&Address:"), address_);
    form->addRow(tr("N&otes:"), notes_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(refusal_);
    layout->addWidget(buttons);
    resize(420, sizeHint().height());

    connect(buttons, &QDialogButtonBox::accepted, this, &TJobDialog::OkClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

JobForm TJobDialog::Fields() const {
    return {name_->text(), {client_->text(), address_->text(), notes_->toPlainText()}};
}

void TJobDialog::OkClick() {
    const std::optional<QString> refusal = request_.Apply(Fields());
    if (!refusal) {
        accept();
        return;
    }
    refusal_->setText(*refusal);
    refusal_->show();
    name_->setFocus();
}

} // namespace rangedesk::app
