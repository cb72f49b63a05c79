#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>

namespace rangedesk::hid::linux_hid {

// One uevent from the netlink socket, in the kernel's format ("add@/devices/...\0KEY=VALUE\0")
// or udev's ("libudev\0" header, then the properties).
struct UeventMessage {
    std::string Action;
    std::string DevPath;
    std::string Subsystem;
    std::map<std::string, std::string> Properties;
};

std::optional<UeventMessage> ParseUeventMessage(std::span<const char> bytes);

} // namespace rangedesk::hid::linux_hid
