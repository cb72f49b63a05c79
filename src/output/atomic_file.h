#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace rangedesk::output {

// Why `path` must not be replaced: it exists and is not a regular file (nor a link to one), as a
// device node, a FIFO or a folder. Empty when it may be.
QString NotReplaceable(const QString& path);

// Writes the bytes to a temporary file beside `path` and renames it over `path` only when it
// is complete. On failure the old file is untouched and the reason is returned.
QString WriteFileAtomically(const QString& path, const std::vector<std::uint8_t>& bytes);

} // namespace rangedesk::output
