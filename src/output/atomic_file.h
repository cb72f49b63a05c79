#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace rangedesk::output {

// Writes the bytes to a temporary file beside `path` and renames it over `path` only when it
// is complete. On failure the old file is untouched and the reason is returned.
QString WriteFileAtomically(const QString& path, const std::vector<std::uint8_t>& bytes);

} // namespace rangedesk::output
