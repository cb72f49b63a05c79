#include "user_prompts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>

#include "grid_to_excel.h"
#include "job_dialog.h"
#include "unit_choice.h"

namespace rangedesk::app {
namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The unit system under the file type, in Qt's own dialog (a desktop's dialog takes no more
// fields); an XLS file holds the values as measured, so the choice is off for it.
QComboBox* AddUnitChoice(QFileDialog& dialog, UnitSystem current) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid) {
        return nullptr;
    }
    QComboBox* units = NewUnitChoice(current, &dialog);
    units->setObjectName("ExportUnits");
    auto* label = new QLabel(QCoreApplication::translate("ExportDialog", "&Units:"), &dialog);
    label->setBuddy(units);
    units->setAccessibleName(QCoreApplication::translate("ExportDialog", "Units"));
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(units, row, 1);
    const auto follow = [units](const QString& filter) {
        units->setEnabled(FormatOfFilter(filter) != output::ExportFormat::Xls);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, units, follow);
    follow(dialog.selectedNameFilter());
    return units;
}

} // namespace

MessageAnswer DialogPrompts::Ask(const MessageRequest& request) {
    const bool yesNo = request.Buttons == MessageButtons::YesNo;
    // A carriage return breaks the line, as the texts are written.
    QString text = request.Text;
    text.replace(QRegularExpression("\r(?!\n)"), "\n");
    QMessageBox box(IconOf(request.Icon), request.Caption, text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent_);
    if (yesNo) {
        box.setDefaultButton(request.Default == MessageAnswer::No ? QMessageBox::No
                                                                  : QMessageBox::Yes);
    }
    const int result = box.exec();
    if (!yesNo) {
        return MessageAnswer::Ok;
    }
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

SaveFileAnswer DialogPrompts::AskSaveFileName(const SaveFileRequest& request) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(request.Filters);
    if (!request.Filter.isEmpty()) {
        dialog.selectNameFilter(request.Filter);
    }
    if (!request.Folder.isEmpty()) {
        dialog.setDirectory(request.Folder);
    }
    if (!request.SuggestedName.isEmpty()) {
        dialog.selectFile(request.SuggestedName);
    }
    // The program adds the chosen format's extension and asks about an existing file itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QComboBox* units = request.Units ? AddUnitChoice(dialog, *request.Units) : nullptr;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return {dialog.selectedFiles().constFirst(), dialog.selectedNameFilter(),
            units && units->isEnabled() ? ChosenUnits(*units) : UnitSystem::AsMeasured};
}

bool DialogPrompts::AskJob(const JobRequest& request) {
    TJobDialog dialog(request, parent_);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<int> DialogPrompts::AskChoice(const ChoiceRequest& request) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(request.Caption);
    dialog.setLabelText(request.Text);
    dialog.setComboBoxItems(request.Items);
    dialog.setComboBoxEditable(false);
    dialog.setTextValue(request.Items.value(request.Current));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    // By position: two items may read alike (a job named like an entry of the list).
    const auto* list = dialog.findChild<QComboBox*>();
    return list ? list->currentIndex() : int(request.Items.indexOf(dialog.textValue()));
}

} // namespace rangedesk::app
