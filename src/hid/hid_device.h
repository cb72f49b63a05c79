#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "event_slot.h"
#include "platform/hid_platform.h"

namespace rangedesk::hid {

class THidDevice;
class THidDeviceController;
class THidDeviceReadThread;

using THidDataEvent = EventSlot<void(THidDevice& HidDev, std::uint8_t ReportID,
                                     const std::uint8_t* Data, std::uint16_t Size)>;
using THidDataErrorEvent = EventSlot<void(THidDevice& HidDev, std::uint32_t Error)>;
using THidPlugEvent = EventSlot<void(THidDevice& HidDev)>;

// Where an interface lives and how scans recognise it.
struct THidPnPInfo {
    std::uint32_t DeviceInstance = 0;
    std::string DevicePath;
};

// One HID interface, as the controller lends it to the application.
class THidDevice {
public:
    // Creation step of a device object; throws EControllerError.
    THidDevice(THidDeviceController* owner, std::unique_ptr<THidPnPInfo> pnp,
               HidPlatform& platform);
    ~THidDevice();
    THidDevice(const THidDevice&) = delete;
    THidDevice& operator=(const THidDevice&) = delete;

    bool Attached() const { return attached_; }
    bool OnLoan() const { return onLoan_; }
    bool Enumerating() const { return enumerating_; }
    bool FullAccess() const { return fullAccess_; }
    // Plugged in and either checked out or in enumeration.
    bool Accessible() const { return attached_ && (onLoan_ || enumerating_); }

    std::uint16_t VendorID() const { return attributes_.VendorID; }
    std::uint16_t ProductID() const { return attributes_.ProductID; }
    std::uint16_t VersionNumber() const { return attributes_.VersionNumber; }
    const std::string& SerialNumber() const { return attributes_.SerialNumber; }
    const THidPnPInfo& PnPInfo() const { return *pnp_; }
    THidDeviceController* Owner() const { return owner_; }

    // All lengths 0 when the query fails.
    HidCaps Capabilities();
    bool WriteReport(const std::uint8_t* buffer, std::size_t length, std::size_t& written);
    // The last failure of this object's own (GUI-thread) calls: errno and the message.
    int LastError() const { return lastError_; }
    const std::string& LastErrorText() const { return lastErrorText_; }

    const THidDataEvent& OnData() const { return onData_; }
    void SetOnData(THidDataEvent handler);
    const THidDataErrorEvent& OnDataError() const { return onDataError_; }
    void SetOnDataError(THidDataErrorEvent handler) { onDataError_ = std::move(handler); }
    const THidPlugEvent& OnUnplug() const { return onUnplug_; }
    void SetOnUnplug(THidPlugEvent handler) { onUnplug_ = std::move(handler); }

    int ThreadSleepTime() const { return threadSleepTime_; }
    void SetThreadSleepTime(int ms); // 10..10000, other values ignored
    int PollingDelay() const { return pollingDelay_; }
    void SetPollingDelay(int ms); // 0..10000, other values ignored
    bool HasReader() const { return reader_ != nullptr; }

private:
    friend class THidDeviceController;
    friend class THidDeviceReadThread;

    bool OpenSyncHandle();
    bool OpenHandles();
    void SetLastError(const PlatformStatus& status);
    void CloseHandles();
    void StartReaderIfReady();
    void StopReader();
    void Unplug();
    void DeliverReport(std::span<const std::uint8_t> report);
    void DeliverDataError(std::uint32_t error);

    THidDeviceController* owner_;
    HidPlatform& platform_;
    std::unique_ptr<THidPnPInfo> pnp_;
    std::atomic<bool> attached_{true};
    std::atomic<bool> onLoan_{false};
    std::atomic<bool> enumerating_{false};
    bool fullAccess_ = false;
    std::unique_ptr<PlatformHandle> syncHandle_;
    HidAttributes attributes_;
    std::optional<HidCaps> caps_; // fetched once per device object
    int lastError_ = 0;
    std::string lastErrorText_;
    std::atomic<int> pollingDelay_{0};
    std::atomic<int> threadSleepTime_{100};
    THidDataEvent onData_;
    THidDataErrorEvent onDataError_;
    THidPlugEvent onUnplug_;
    std::unique_ptr<THidDeviceReadThread> reader_;
};

} // namespace rangedesk::hid
