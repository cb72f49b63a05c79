#pragma once

#include <QString>

#include <functional>

namespace rangedesk::store {

// Copies the regular file `from` (at most `maxBytes`) to `to`, which does not exist yet: into a
// temporary file beside `to` (mode 0600: the copy is the user's private data), flushed to disk,
// handed to `check` (which throws to refuse it), then renamed to `to`, never over a file made
// there meanwhile (that one is kept). On any failure nothing is left behind.
// Throws StoreError (action Prepare, path `to`): `from` missing, not a regular file, too big or
// unreadable, `to`'s folder not writable, or what `check` threw.
//
// The store's only rename. It stays this one small function until the program's one atomic-file
// type can be linked here.
void CopyCheckedFile(const QString& from, const QString& to, qint64 maxBytes,
                     const std::function<void(const QString& copy)>& check);

} // namespace rangedesk::store
