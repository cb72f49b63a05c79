#pragma once

#include <QByteArrayView>
#include <QString>

namespace rangedesk::cli {

// What a command prints as its result goes through here, so that a full disk or a reader that
// went away is an error, not a success: every write is checked, and the first failure is
// thrown as a files::FileError naming standard output and the system's reason.
void PrintOut(QByteArrayView bytes);
// The text in UTF-8 and a line end.
void PrintLine(const QString& text);
// Flushes standard output; throws as PrintOut does.
void FlushOut();

} // namespace rangedesk::cli
