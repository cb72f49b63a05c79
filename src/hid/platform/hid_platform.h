#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rangedesk::hid {

class StopEvent;

// One HID interface present on the machine.
struct HidInterface {
    std::uint32_t InstanceNumber = 0; // identifies the interface while it stays present
    std::string Path;                 // the name it is opened under
};

struct HidAttributes {
    std::uint16_t VendorID = 0;
    std::uint16_t ProductID = 0;
    std::uint16_t VersionNumber = 0;
    std::string SerialNumber; // the USB serial number; empty when the device reports none
};

// Report lengths count the report-ID byte, whether or not the device numbers its reports.
struct HidCaps {
    std::uint16_t InputReportByteLength = 0;
    std::uint16_t OutputReportByteLength = 0;
    std::uint16_t FeatureReportByteLength = 0;
};

enum class OpenAccess {
    ReadWrite, // the synchronous handle: writes and queries
    QueryOnly, // no access to the reports, only identification
    Read,      // the reader's handle
};

// What a platform call came to: Errno 0 on success, otherwise the system's error number and
// a message naming the call, the node and the reason ("open /dev/hidraw3: Permission denied").
struct PlatformStatus {
    int Errno = 0;
    std::string Message;

    bool Ok() const { return Errno == 0; }
    static PlatformStatus Failure(std::string_view call, std::string_view path, int error);
};

// An open handle; what it holds is the platform's business.
class PlatformHandle {
public:
    virtual ~PlatformHandle() = default;
};

struct OpenResult {
    std::unique_ptr<PlatformHandle> Handle; // null when Status failed
    PlatformStatus Status;
};

struct WriteResult {
    PlatformStatus Status;
    std::size_t Written = 0;
};

enum class ReadStatus { Completed, TimedOut, Stopped, Failed };

struct ReadResult {
    ReadStatus Status = ReadStatus::TimedOut;
    std::size_t Bytes = 0; // report ID in byte 0 included
    PlatformStatus Error;  // set when Failed
};

// The operations the device controller needs of the system's HID services.
class HidPlatform {
public:
    virtual ~HidPlatform() = default;
    // A platform of simulated devices (tests, the demo): what comes from them is no meter's.
    virtual bool Simulated() const { return false; }

    // False when the HID services cannot be used at all: no devices, no notifications.
    virtual bool Available() const = 0;
    virtual std::vector<HidInterface> ListInterfaces() = 0;
    // A null handle with the reason when the interface cannot be opened that way.
    virtual OpenResult Open(const std::string& path, OpenAccess access) = 0;
    virtual std::optional<HidAttributes> GetAttributes(PlatformHandle& handle) = 0;
    virtual std::optional<HidCaps> GetCaps(PlatformHandle& handle) = 0;
    // Writes the whole report, report ID first, in one blocking call.
    virtual WriteResult Write(PlatformHandle& handle, std::span<const std::uint8_t> report) = 0;
    // Waits up to timeoutMs for one input report; byte 0 of the result is its report ID.
    // Ends early when `stop` is signalled. Called on a reader thread.
    virtual ReadResult Read(PlatformHandle& handle, std::span<std::uint8_t> buffer, int timeoutMs,
                            const StopEvent& stop) = 0;
    // Calls onChange on the GUI thread whenever the set of devices may have changed; an empty
    // function stops the notifications.
    virtual void WatchChanges(std::function<void()> onChange) = 0;
};

} // namespace rangedesk::hid
