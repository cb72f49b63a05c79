#pragma once

#include <QString>
#include <QStringList>

namespace rangedesk::records {

// Texts are searched case-insensitively in any script. The server's own lower() knows only
// ASCII under the C locale, so desks fold the texts themselves and the server compares folds.
QString SearchKey(const QStringList& texts);

// The LIKE pattern (escape character '\') that finds `needle` anywhere in a search key;
// empty when the needle is blank.
QString SearchPattern(const QString& needle);

// The needle itself, folded as the keys are: what instr() looks for in a key; empty when blank.
QString SearchNeedle(const QString& needle);

} // namespace rangedesk::records
