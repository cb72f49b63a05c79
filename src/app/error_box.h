#pragma once

#include <QString>

namespace rangedesk::app {

class UserPrompts;

// The error's message, with a full stop when it is not empty and its last character's code is
// above that of "." ("Device cannot be opened." but "No Record Found!").
QString ErrorBoxText(const QString& message);

// The standard error box: application title, error icon, OK.
void ShowErrorBox(UserPrompts& prompts, const QString& message);

} // namespace rangedesk::app
