#include "error_box.h"

#include "user_prompts.h"

namespace rangedesk::app {

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > QChar('.').unicode()) {
        return message + '.';
    }
    return message;
}

void ShowErrorBox(UserPrompts& prompts, const QString& message) {
    prompts.Ask({kApplicationTitle, ErrorBoxText(message), MessageIcon::Error, MessageButtons::Ok,
                 MessageAnswer::Ok});
}

} // namespace rangedesk::app
