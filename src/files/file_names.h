#pragma once

#include <QString>

#include <filesystem>

#include "escaped_text.h"

namespace rangedesk::files {

// A file name is bytes, and names need not be valid UTF-8. A name taken from the command line
// keeps every byte: what is not UTF-8 is held as the code points U+DC80..U+DCFF, one per byte,
// and given back as those bytes.
QString NameFromBytes(const QByteArray& bytes);
// A name from Qt (a dialog, a setting, the command line) as the bytes the system uses.
std::filesystem::path LocalPath(const QString& name);

// The file a name stands for once every link in its last part is followed (links may be
// relative to their folder and may name a file that does not exist yet); the name made
// absolute when it is no link, or when a link cannot be read.
std::filesystem::path FollowLinks(const std::filesystem::path& name);

// A file name for a message: the bytes read in the local encoding, control characters written
// as \xHH so a name cannot drive the terminal that shows the message.
QString ShownPath(const std::filesystem::path& path);

// The system's reason for an error number: "No space left on device".
QString SystemReason(int error);

} // namespace rangedesk::files
