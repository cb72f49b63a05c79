#pragma once

#include <QString>

#include <functional>

namespace rangedesk::store {

// Copies the regular file `from` (at most `maxBytes`) to `to`, which does not exist yet, through
// the program's atomic file: a temporary beside `to` (mode 0600: the copy is the user's private
// data), handed to `check` (which throws to refuse it), then put in place, never over a file
// made there meanwhile (that one is kept). On any failure nothing is left behind.
// Throws StoreError (action Prepare, path `to`): `from` missing, not a regular file, too big or
// unreadable, `to`'s folder not writable, or what `check` threw.
void CopyCheckedFile(const QString& from, const QString& to, qint64 maxBytes,
                     const std::function<void(const QString& copy)>& check);

} // namespace rangedesk::store
