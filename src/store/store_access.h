#pragma once

#include <QString>

namespace rangedesk::store {

// The access a use case needs: listing, showing, exporting and printing read; a download, a
// load, a delete and a redecode write. Reading never changes the file.
enum class StoreAccess { ReadWrite, ReadOnly };

// The SQLite URI that opens exactly this file, never creating it: every character that a URI
// gives a meaning ("?", "#", "%") or that is not plain ASCII is percent-encoded.
QString DatabaseUri(const QString& path, StoreAccess access);

} // namespace rangedesk::store
