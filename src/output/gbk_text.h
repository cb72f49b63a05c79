#pragma once

#include <QString>

#include <string>

namespace rangedesk::output {

// A text as GBK (code page 936) bytes; a character GBK lacks becomes "?".
std::string ToGbk(const QString& text);

} // namespace rangedesk::output
