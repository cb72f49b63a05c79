#include "uevent_message.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace rangedesk::hid::linux_hid {
namespace {

constexpr std::string_view kUdevPrefix{"libudev\0", 8};
constexpr std::uint32_t kUdevMagic = 0xfeedcafe;
constexpr std::size_t kUdevHeaderMin = 40;

std::uint32_t ReadBe32(std::span<const char> b, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        v = v << 8 | static_cast<std::uint8_t>(b[at + i]);
    }
    return v;
}

std::uint32_t ReadHost32(std::span<const char> b, std::size_t at) {
    std::uint32_t v = 0;
    std::memcpy(&v, b.data() + at, sizeof v);
    return v;
}

// NUL-separated KEY=VALUE entries.
void ParseProperties(std::string_view text, UeventMessage& m) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\0', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view entry = text.substr(pos, end - pos);
        pos = end + 1;
        const auto eq = entry.find('=');
        if (eq == std::string_view::npos || eq == 0) {
            continue;
        }
        m.Properties.emplace(std::string(entry.substr(0, eq)), std::string(entry.substr(eq + 1)));
    }
    const auto get = [&](const char* key) {
        const auto it = m.Properties.find(key);
        return it == m.Properties.end() ? std::string() : it->second;
    };
    if (m.Action.empty()) {
        m.Action = get("ACTION");
    }
    if (m.DevPath.empty()) {
        m.DevPath = get("DEVPATH");
    }
    m.Subsystem = get("SUBSYSTEM");
}

} // namespace

std::optional<UeventMessage> ParseUeventMessage(std::span<const char> bytes) {
    const std::string_view text(bytes.data(), bytes.size());
    UeventMessage m;
    if (text.starts_with(kUdevPrefix)) {
        if (bytes.size() < kUdevHeaderMin || ReadBe32(bytes, 8) != kUdevMagic) {
            return std::nullopt;
        }
        // header size, properties offset and length are in host order.
        const std::uint32_t offset = ReadHost32(bytes, 16);
        const std::uint32_t length = ReadHost32(bytes, 20);
        if (offset < kUdevHeaderMin || offset > bytes.size() || length > bytes.size() - offset) {
            return std::nullopt;
        }
        ParseProperties(text.substr(offset, length), m);
    } else {
        const auto nul = text.find('\0');
        const std::string_view head = text.substr(0, nul);
        const auto at = head.find('@');
        if (at == std::string_view::npos || at == 0 || nul == std::string_view::npos) {
            return std::nullopt;
        }
        m.Action = std::string(head.substr(0, at));
        m.DevPath = std::string(head.substr(at + 1));
        ParseProperties(text.substr(nul + 1), m);
    }
    if (m.Action.empty() || m.DevPath.empty()) {
        return std::nullopt;
    }
    return m;
}

} // namespace rangedesk::hid::linux_hid
