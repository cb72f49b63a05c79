#include "user_prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

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

SaveFileAnswer DialogPrompts::AskSaveFileName(const QStringList& filters) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    // The program adds the chosen format's extension and asks about an existing file itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return {dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}

} // namespace rangedesk::app
