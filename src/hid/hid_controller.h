#pragma once

#include <QObject>

#include <memory>
#include <vector>

#include "hand_off.h"
#include "hid_device.h"

namespace rangedesk::hid {

class THidDeviceController;

using THidNotifyEvent = EventSlot<void(THidDeviceController& Sender)>;
using THidEnumerateEvent = EventSlot<bool(THidDevice& HidDev, int Idx)>;

// Keeps one device object per present HID interface, rescans when devices come and go,
// lends devices to the application and runs a reader for each lent one.
class THidDeviceController : public QObject {
    Q_OBJECT
public:
    // The start-up notification is posted here; its scan runs once the event loop runs.
    explicit THidDeviceController(HidPlatform& platform, QObject* parent = nullptr);
    ~THidDeviceController() override;

    // Ends the design-time settings: from now on setting OnDeviceChange scans at once.
    void Loaded() { loading_ = false; }

    // One scan; normally run by a device-change notification.
    void DeviceChange();
    int EnumerateDevices();
    bool CheckOutAt(int Idx, THidDevice*& HidDev);
    // Gives a device back; a device still plugged in leaves a fresh free object at its index.
    void Dispose(THidDevice* HidDev);

    int Count() const { return static_cast<int>(devices_.size()); }
    THidDevice* DeviceAt(int index) const {
        return devices_.at(static_cast<std::size_t>(index)).get();
    }
    int CheckedInCount() const { return checkedIn_; }
    int CheckedOutCount() const { return checkedOut_; }
    int UnpluggedCount() const { return unplugged_; }
    int LastNotificationParameter() const { return lastNotification_; }

    int DevThreadSleepTime() const { return threadSleepTime_; }
    void SetDevThreadSleepTime(int ms);
    int DevPollingDelayTime() const { return pollingDelay_; }
    void SetDevPollingDelayTime(int ms);

    const THidDataEvent& OnDeviceData() const { return onDeviceData_; }
    void SetOnDeviceData(THidDataEvent handler);
    const THidDataErrorEvent& OnDeviceDataError() const { return onDeviceDataError_; }
    void SetOnDeviceDataError(THidDataErrorEvent handler);
    const THidPlugEvent& OnDeviceUnplug() const { return onDeviceUnplug_; }
    void SetOnDeviceUnplug(THidPlugEvent handler);
    void SetOnDeviceChange(THidNotifyEvent handler);
    // Unsets every application event at once and runs no scan: for an owner going away.
    void ClearEvents();
    void SetOnArrival(THidPlugEvent handler) { onArrival_ = std::move(handler); }
    void SetOnRemoval(THidPlugEvent handler) { onRemoval_ = std::move(handler); }
    void SetOnEnumerate(THidEnumerateEvent handler) { onEnumerate_ = std::move(handler); }

    HandOff& ReaderHandOff() { return handOff_; }

private:
    void Notification(int parameter);
    std::unique_ptr<THidDevice> CreateDevice(std::unique_ptr<THidPnPInfo> pnp);
    std::vector<std::unique_ptr<THidDevice>> PresentDevices();
    void DisposeDetached(std::unique_ptr<THidDevice> device);
    void RaiseWhileEnumerating(const THidPlugEvent& event, THidDevice& device);
    void Recount();
    template <typename T, typename Get, typename Set>
    void Propagate(T& field, T value, Get get, Set set);

    HidPlatform& platform_;
    HandOff handOff_;
    std::vector<std::unique_ptr<THidDevice>> devices_;
    int threadSleepTime_ = 100;
    int pollingDelay_ = 0;
    int checkedIn_ = 0;
    int checkedOut_ = 0;
    int unplugged_ = 0;
    int lastNotification_ = 0;
    bool scanInProgress_ = false;
    bool rescanPending_ = false;
    bool destroying_ = false;
    bool loading_ = true;
    THidPlugEvent onArrival_;
    THidPlugEvent onRemoval_;
    THidNotifyEvent onDeviceChange_;
    THidEnumerateEvent onEnumerate_;
    THidDataEvent onDeviceData_;
    THidDataErrorEvent onDeviceDataError_;
    THidPlugEvent onDeviceUnplug_;
};

} // namespace rangedesk::hid
