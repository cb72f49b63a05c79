#pragma once

#include <QString>

#include "typing_template.h"

namespace rangedesk::desktop {

// How readings are typed, as the user set it in Settings: the template and the decimal
// separator. Kept in the user's configuration, shared by the window and the command line.
struct TypingSettings {
    QString Template = TypingTemplate().Text();
    DecimalSeparator Decimal = DecimalSeparator::Locale;

    static TypingSettings Load();
    void Save() const;
};

} // namespace rangedesk::desktop
