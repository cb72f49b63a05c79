#pragma once

#include <QString>

namespace rangedesk::desktop {

// The language chosen in Settings, kept in the user's configuration and shared by the window
// and the command line: "system" (the default: the environment decides), "en", "zh_CN", "de".
QString LoadLanguageChoice();
void SaveLanguageChoice(const QString& choice);

} // namespace rangedesk::desktop
