#include "sysfs_text.h"

#include <array>
#include <charconv>
#include <map>
#include <vector>

namespace rangedesk::hid::linux_hid {
namespace {

template <typename T> std::optional<T> ParseNumber(std::string_view text, int base) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint16_t> ParseHex16(std::string_view text) {
    const auto v = ParseNumber<std::uint32_t>(text, 16);
    if (!v || *v > 0xFFFF) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*v);
}

} // namespace

std::optional<HidId> ParseHidIdFromUevent(std::string_view text) {
    constexpr std::string_view kKey = "HID_ID=";
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.starts_with(kKey)) {
            continue;
        }
        const std::string_view value = line.substr(kKey.size());
        const auto c1 = value.find(':');
        const auto c2 = value.find(':', c1 == std::string_view::npos ? c1 : c1 + 1);
        if (c1 == std::string_view::npos || c2 == std::string_view::npos) {
            return std::nullopt;
        }
        const auto bus = ParseHex16(value.substr(0, c1));
        const auto vendor = ParseHex16(value.substr(c1 + 1, c2 - c1 - 1));
        const auto product = ParseHex16(value.substr(c2 + 1));
        if (!bus || !vendor || !product) {
            return std::nullopt;
        }
        return HidId{*bus, *vendor, *product};
    }
    return std::nullopt;
}

std::string ParseHidUniqFromUevent(std::string_view text) {
    constexpr std::string_view kKey = "HID_UNIQ=";
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (line.starts_with(kKey)) {
            return std::string(line.substr(kKey.size()));
        }
    }
    return {};
}

std::optional<std::uint32_t> ParseHidDeviceSequence(std::string_view name) {
    // BBBB:VVVV:PPPP.NNNN
    if (name.size() < 16 || name[4] != ':' || name[9] != ':' || name[14] != '.') {
        return std::nullopt;
    }
    return ParseNumber<std::uint32_t>(name.substr(15), 16);
}

std::optional<int> ParseHidrawNumber(std::string_view name) {
    constexpr std::string_view kPrefix = "hidraw";
    if (!name.starts_with(kPrefix)) {
        return std::nullopt;
    }
    return ParseNumber<int>(name.substr(kPrefix.size()), 10);
}

ReportLengths ParseReportDescriptor(std::span<const std::uint8_t> d) {
    enum MainTag : std::uint8_t { kInput = 0x8, kOutput = 0x9, kFeature = 0xB };
    enum GlobalTag : std::uint8_t {
        kReportSize = 0x7,
        kReportId = 0x8,
        kReportCount = 0x9,
        kPush = 0xA,
        kPop = 0xB,
    };
    enum ItemType : std::uint8_t { kMain = 0, kGlobal = 1 };
    constexpr std::uint8_t kLongItem = 0xFE;

    struct Globals {
        std::uint32_t reportSize = 0;
        std::uint32_t reportCount = 0;
        std::uint8_t reportId = 0;
    };
    Globals globals;
    std::vector<Globals> stack;
    // Bits per (report type, report ID); types 0 input, 1 output, 2 feature.
    std::map<std::pair<int, std::uint8_t>, std::uint64_t> bits;
    ReportLengths lengths;

    std::size_t i = 0;
    while (i < d.size()) {
        const std::uint8_t prefix = d[i];
        if (prefix == kLongItem) {
            if (i + 1 >= d.size()) {
                break;
            }
            i += 3 + d[i + 1];
            continue;
        }
        const std::size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (i + 1 + size > d.size()) {
            break; // truncated item: the kernel stops here too
        }
        std::uint32_t data = 0;
        for (std::size_t b = 0; b < size; ++b) {
            data |= static_cast<std::uint32_t>(d[i + 1 + b]) << (8 * b);
        }
        const std::uint8_t type = (prefix >> 2) & 3;
        const std::uint8_t tag = prefix >> 4;
        i += 1 + size;

        if (type == kMain) {
            const int kind = tag == kInput ? 0 : tag == kOutput ? 1 : tag == kFeature ? 2 : -1;
            if (kind >= 0) {
                bits[{kind, globals.reportId}] +=
                    static_cast<std::uint64_t>(globals.reportSize) * globals.reportCount;
            }
        } else if (type == kGlobal) {
            switch (tag) {
            case kReportSize:
                globals.reportSize = data;
                break;
            case kReportId:
                globals.reportId = static_cast<std::uint8_t>(data);
                lengths.Numbered = true;
                break;
            case kReportCount:
                globals.reportCount = data;
                break;
            case kPush:
                stack.push_back(globals);
                break;
            case kPop:
                if (!stack.empty()) {
                    globals = stack.back();
                    stack.pop_back();
                }
                break;
            default:
                break;
            }
        }
        // Local items name usages only; they do not change report sizes.
    }

    std::array<std::uint64_t, 3> largest{};
    for (const auto& [key, count] : bits) {
        largest[static_cast<std::size_t>(key.first)] =
            std::max(largest[static_cast<std::size_t>(key.first)], count);
    }
    const auto toLength = [](std::uint64_t b) -> std::uint16_t {
        if (b == 0) {
            return 0;
        }
        const std::uint64_t bytes = (b + 7) / 8 + 1;
        return static_cast<std::uint16_t>(bytes > 0xFFFF ? 0xFFFF : bytes);
    };
    lengths.Input = toLength(largest[0]);
    lengths.Output = toLength(largest[1]);
    lengths.Feature = toLength(largest[2]);
    return lengths;
}

} // namespace rangedesk::hid::linux_hid
