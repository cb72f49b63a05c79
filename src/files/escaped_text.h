#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace rangedesk::files {

// Bytes from outside (a file, a file name) for a message: control characters - C0, DEL and the
// UTF-8 C1 controls, which terminals take as escape sequences - as \xHH, the rest unchanged.
inline std::string EscapeControls(std::string_view text) {
    const auto hex = [](unsigned value) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", value);
        return std::string(escaped);
    };
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (byte < 0x20 || byte == 0x7F) {
            out += hex(byte);
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            out += hex(next);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace rangedesk::files
