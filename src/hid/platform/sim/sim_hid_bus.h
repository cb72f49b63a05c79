#pragma once

#include <QObject>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "../hid_platform.h"

namespace rangedesk::hid::sim {

class SimHidBus;

// What a simulated interface looks like to the controller.
struct SimInterfaceDescription {
    std::uint16_t VendorID = 0;
    std::uint16_t ProductID = 0;
    std::uint16_t VersionNumber = 0x0100;
    std::uint16_t InputReportByteLength = 65;  // report ID included
    std::uint16_t OutputReportByteLength = 65; // report ID included
    bool ReadWrite = true;                     // false: opens for queries only
    bool Identifiable = true;                  // false: its attributes cannot be read
    std::string SerialNumber;                  // empty: the device reports none
};

// A simulated HID interface. Reports written to it go to its behaviour on the GUI thread;
// the interface answers with SendInput(), from any thread.
class SimInterface {
public:
    using Behaviour = std::function<void(SimInterface& self, std::span<const std::uint8_t> report)>;

    SimInterface(std::uint32_t instance, std::string path, SimInterfaceDescription description);

    const SimInterfaceDescription& Description() const { return description_; }
    std::uint32_t InstanceNumber() const { return instance_; }
    const std::string& Path() const { return path_; }
    bool Present() const;

    void SetBehaviour(Behaviour behaviour) { behaviour_ = std::move(behaviour); }
    // One input report: the report ID, then the data bytes.
    void SendInput(std::uint8_t reportId, std::span<const std::uint8_t> data);
    // Writes fail with this errno from now on (0: they succeed), as a device that errs does.
    void FailWrites(int error);
    // Every report written so far, report ID first.
    std::vector<std::vector<std::uint8_t>> Written() const;
    int OpenReaders() const;

    // The reports queued for one open read handle.
    struct ReadQueue;

private:
    friend class SimHidBus;

    std::uint32_t instance_;
    std::string path_;
    SimInterfaceDescription description_;
    Behaviour behaviour_;
    mutable std::mutex mutex_;
    bool present_ = true;
    int writeError_ = 0;
    std::vector<std::weak_ptr<ReadQueue>> queues_;
    std::vector<std::vector<std::uint8_t>> written_;
};

// The simulated machine: interfaces are plugged in and out in process, and every change
// raises the device-change notification (several times, as real systems do).
class SimHidBus : public QObject, public HidPlatform {
    Q_OBJECT
public:
    explicit SimHidBus(QObject* parent = nullptr);
    ~SimHidBus() override;

    std::shared_ptr<SimInterface> Plug(const SimInterfaceDescription& description);
    void Unplug(const std::shared_ptr<SimInterface>& iface);
    // A change of some device that is not HID: notifications, nothing else.
    void ChangeOtherDevice();
    void SetNotificationsPerChange(int n) { notificationsPerChange_ = n; }
    void SetAvailable(bool available) { available_ = available; }
    std::vector<std::shared_ptr<SimInterface>> Interfaces() const;

    bool Available() const override { return available_; }
    bool Simulated() const override { return true; }
    std::vector<HidInterface> ListInterfaces() override;
    OpenResult Open(const std::string& path, OpenAccess access) override;
    std::optional<HidAttributes> GetAttributes(PlatformHandle& handle) override;
    std::optional<HidCaps> GetCaps(PlatformHandle& handle) override;
    WriteResult Write(PlatformHandle& handle, std::span<const std::uint8_t> report) override;
    ReadResult Read(PlatformHandle& handle, std::span<std::uint8_t> buffer, int timeoutMs,
                    const StopEvent& stop) override;
    void WatchChanges(std::function<void()> onChange) override;

private:
    void Notify();
    std::shared_ptr<SimInterface> Find(const std::string& path) const;

    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<SimInterface>> interfaces_;
    std::uint32_t nextInstance_ = 1;
    int notificationsPerChange_ = 2;
    bool available_ = true;
    std::function<void()> onChange_;
};

} // namespace rangedesk::hid::sim
