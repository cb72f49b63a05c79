#pragma once

#include <QString>

namespace rangedesk::cli {

// The help of a command, or the overview for an empty or unknown one.
QString HelpText(const QString& command);

} // namespace rangedesk::cli
