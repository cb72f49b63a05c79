#pragma once

#include <QObject>

#include <memory>
#include <string>

#include "../hid_platform.h"

namespace rangedesk::hid::linux_hid {

class UeventMonitor;

// hidraw interfaces found under sysfs, opened as device nodes, with kernel or udev uevents
// as the change notification. Both roots are parameters so tests can build a fake tree.
class LinuxHidPlatform : public QObject, public HidPlatform {
    Q_OBJECT
public:
    explicit LinuxHidPlatform(std::string sysRoot = "/sys", std::string devRoot = "/dev",
                              QObject* parent = nullptr);
    ~LinuxHidPlatform() override;

    bool Available() const override;
    std::vector<HidInterface> ListInterfaces() override;
    OpenResult Open(const std::string& path, OpenAccess access) override;
    std::optional<HidAttributes> GetAttributes(PlatformHandle& handle) override;
    std::optional<HidCaps> GetCaps(PlatformHandle& handle) override;
    WriteResult Write(PlatformHandle& handle, std::span<const std::uint8_t> report) override;
    ReadResult Read(PlatformHandle& handle, std::span<std::uint8_t> buffer, int timeoutMs,
                    const StopEvent& stop) override;
    void WatchChanges(std::function<void()> onChange) override;

private:
    // The sysfs folder of the HID device behind a node path, e.g. .../0003:0486:5750.0001.
    std::string HidDeviceDir(const std::string& nodePath) const;

    std::string sysRoot_;
    std::string devRoot_;
    std::unique_ptr<UeventMonitor> monitor_;
};

} // namespace rangedesk::hid::linux_hid
