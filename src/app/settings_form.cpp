#include "settings_form.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

#include "language_setting.h"
#include "report_settings.h"
#include "team_server_section.h"
#include "typing_settings.h"

namespace rangedesk::app {
namespace {

using desktop::EndKey;
using desktop::ValueField;

// The choices of the dialog, in the order it lists them.
constexpr ValueField kValues[] = {ValueField::Value, ValueField::ValueAndUnit};
constexpr EndKey kEnds[] = {EndKey::Tab, EndKey::Enter, EndKey::None};

} // namespace

TSettingsForm::TSettingsForm(QWidget* parent, std::function<QString()> methodName)
    : QDialog(parent), value_(new QComboBox(this)), end_(new QComboBox(this)),
      decimal_(new QComboBox(this)), method_(new QLabel(this)), language_(new QComboBox(this)),
      team_(new TeamServerSection(this)) {
    setObjectName("SettingsForm");
    setWindowTitle(tr("RangeDesk - Settings"));

    value_->addItems({tr("The value"), tr("The value and its unit")});
    end_->addItems({tr("then Tab"), tr("then Enter"), tr("then nothing")});
    decimal_->addItems({tr("As the language sets it (%1)").arg(QLocale().decimalPoint()),
                        tr("Always a point (.)")});
    method_->setText(methodName());
    method_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A screen reader names each choice without the colon of its label.
    value_->setAccessibleName(tr("What is typed"));
    end_->setAccessibleName(tr("After it"));
    decimal_->setAccessibleName(tr("Decimal separator"));
    method_->setAccessibleName(tr("Method on this desktop"));
    language_->setAccessibleName(tr("Language"));
    language_->setAccessibleDescription(tr("Takes effect when RangeDesk starts again."));

    auto* typing = new QGroupBox(tr("Typing readings into the focused application"), this);
    auto* form = new QFormLayout(typing);
    form->addRow(tr("What is typed:"), value_);
    form->addRow(tr("After it:"), end_);
    form->addRow(tr("Decimal separator:"), decimal_);
    form->addRow(tr("Method on this desktop:"), method_);

    // Each language is named in its own words, so a user finds theirs whatever is shown now.
    language_->setObjectName("Language");
    language_->addItem(tr("System"), "system");
    language_->addItem("English", "en");
    language_->addItem(QString::fromUtf8("中文(简体)"), "zh_CN");
    language_->addItem("Deutsch", "de");
    auto* languageForm = new QFormLayout;
    languageForm->addRow(tr("Language:"), language_);
    languageForm->addRow(QString(),
                         new QLabel(tr("Takes effect when RangeDesk starts again."), this));
    company_ = new QLineEdit(this);
    contact_ = new QLineEdit(this);
    company_->setObjectName("Company");
    contact_->setObjectName("Contact");
    company_->setAccessibleName(tr("Company name"));
    contact_->setAccessibleName(tr("Contact line"));
    company_->setAccessibleDescription(tr("Heads every report for a client"));
    contact_->setPlaceholderText(tr("Phone, e-mail"));
    auto* reports = new QGroupBox(tr("Reports for clients"), this);
    auto* reportForm = new QFormLayout(reports);
    reportForm->addRow(tr("Company name:"), company_);
    reportForm->addRow(tr("Contact line:"), contact_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Save();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(typing);
    layout->addLayout(languageForm);
    layout->addWidget(team_);
    layout->addWidget(reports);
    layout->addStretch();
    layout->addWidget(buttons);
    Load();
}

void TSettingsForm::Load() {
    const desktop::TypingSettings typing = desktop::TypingSettings::Load();
    for (int v = 0; v < 2; ++v) {
        for (int e = 0; e < 3; ++e) {
            if (desktop::TypingTemplate::TextOf(kValues[v], kEnds[e]) == typing.Template) {
                value_->setCurrentIndex(v);
                end_->setCurrentIndex(e);
            }
        }
    }
    decimal_->setCurrentIndex(typing.Decimal == desktop::DecimalSeparator::Point ? 1 : 0);
    language_->setCurrentIndex(std::max(0, language_->findData(desktop::LoadLanguageChoice())));
    const output::ReportSettings firm = output::ReportSettings::Load();
    company_->setText(firm.Company);
    contact_->setText(firm.Contact);
}

void TSettingsForm::Save() {
    desktop::TypingSettings typing;
    typing.Template = desktop::TypingTemplate::TextOf(kValues[value_->currentIndex()],
                                                      kEnds[end_->currentIndex()]);
    typing.Decimal = decimal_->currentIndex() == 1 ? desktop::DecimalSeparator::Point
                                                   : desktop::DecimalSeparator::Locale;
    typing.Save();
    desktop::SaveLanguageChoice(language_->currentData().toString());
    typedPassword_ = team_->Save(&keyringProblem_);
    output::ReportSettings{company_->text().trimmed(), contact_->text().trimmed()}.Save();
}

} // namespace rangedesk::app
