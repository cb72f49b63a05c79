#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rangedesk::hid::linux_hid {

struct HidId {
    std::uint16_t Bus = 0;
    std::uint16_t Vendor = 0;
    std::uint16_t Product = 0;
};

// "HID_ID=0003:00000486:00005750" in a HID device's uevent file.
std::optional<HidId> ParseHidIdFromUevent(std::string_view ueventText);

// "HID_UNIQ=SN0042" in a HID device's uevent file: the USB serial number, empty when the
// device reports none.
std::string ParseHidUniqFromUevent(std::string_view ueventText);

// The sequence number of a HID device's sysfs name "0003:0486:5750.000A" (here 10).
std::optional<std::uint32_t> ParseHidDeviceSequence(std::string_view sysfsName);

// The number of a hidraw node name: "hidraw12" gives 12.
std::optional<int> ParseHidrawNumber(std::string_view name);

// Report lengths as the kernel's parser sees a report descriptor: bits summed per report
// type and report ID, each length the largest report in bytes plus the report-ID byte.
struct ReportLengths {
    std::uint16_t Input = 0;
    std::uint16_t Output = 0;
    std::uint16_t Feature = 0;
    bool Numbered = false; // the device puts a report ID in front of its reports
};
ReportLengths ParseReportDescriptor(std::span<const std::uint8_t> descriptor);

} // namespace rangedesk::hid::linux_hid
