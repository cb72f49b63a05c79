#include "hid_controller.h"

#include <QMetaObject>

#include <algorithm>

#include "hid_errors.h"

namespace rangedesk::hid {
namespace {

constexpr int kStartUpNotification = -1;

// Marks a device as in enumeration while a handler runs for it.
class EnumeratingScope {
public:
    explicit EnumeratingScope(std::atomic<bool>& flag) : flag_(flag) { flag_ = true; }
    ~EnumeratingScope() { flag_ = false; }
    EnumeratingScope(const EnumeratingScope&) = delete;
    EnumeratingScope& operator=(const EnumeratingScope&) = delete;

private:
    std::atomic<bool>& flag_;
};

} // namespace

THidDeviceController::THidDeviceController(HidPlatform& platform, QObject* parent)
    : QObject(parent), platform_(platform) {
    if (platform_.Available()) {
        platform_.WatchChanges([this] { Notification(0); });
        QMetaObject::invokeMethod(
            this, [this] { Notification(kStartUpNotification); }, Qt::QueuedConnection);
    }
}

THidDeviceController::~THidDeviceController() {
    destroying_ = true;
    onDeviceChange_ = {};
    SetOnDeviceUnplug({});
    onEnumerate_ = {};
    platform_.WatchChanges({});
    for (auto& device : devices_) {
        device->owner_ = nullptr;
        if (device->OnLoan()) {
            device->Unplug();
        }
        DisposeDetached(std::move(device));
    }
    devices_.clear();
}

void THidDeviceController::Notification(int parameter) {
    if (destroying_) {
        return;
    }
    if (scanInProgress_) {
        rescanPending_ = true; // a change during a scan may not be in its list
        return;
    }
    lastNotification_ = parameter;
    scanInProgress_ = true;
    struct Guard {
        THidDeviceController& self;
        ~Guard() {
            self.scanInProgress_ = false;
            if (self.rescanPending_) {
                self.rescanPending_ = false;
                QMetaObject::invokeMethod(
                    &self, [s = &self] { s->Notification(0); }, Qt::QueuedConnection);
            }
        }
    } guard{*this};
    DeviceChange();
}

std::unique_ptr<THidDevice> THidDeviceController::CreateDevice(std::unique_ptr<THidPnPInfo> pnp) {
    return std::make_unique<THidDevice>(this, std::move(pnp), platform_);
}

// The scan's new list: a fresh device object for every present interface. An interface that
// cannot be opened or identified throws, and what was created so far is released.
std::vector<std::unique_ptr<THidDevice>> THidDeviceController::PresentDevices() {
    std::vector<std::unique_ptr<THidDevice>> found;
    if (!platform_.Available()) {
        return found;
    }
    for (const HidInterface& iface : platform_.ListInterfaces()) {
        if (iface.Path.empty()) {
            continue;
        }
        auto pnp = std::make_unique<THidPnPInfo>(THidPnPInfo{iface.InstanceNumber, iface.Path});
        found.push_back(CreateDevice(std::move(pnp)));
    }
    return found;
}

void THidDeviceController::RaiseWhileEnumerating(const THidPlugEvent& event, THidDevice& device) {
    if (event) {
        const EnumeratingScope scope(device.enumerating_);
        event(device);
    }
}

void THidDeviceController::DeviceChange() {
    bool changed = lastNotification_ == kStartUpNotification;
    auto found = PresentDevices();

    // Removal pass, last to first.
    for (std::size_t i = devices_.size(); i-- > 0;) {
        THidDevice* listed = devices_[i].get();
        const bool present =
            listed->Attached() && std::any_of(found.begin(), found.end(), [&](const auto& d) {
                return d->PnPInfo().DeviceInstance == listed->PnPInfo().DeviceInstance;
            });
        if (present) {
            continue;
        }
        listed->Unplug();
        RaiseWhileEnumerating(onRemoval_, *listed);
        if (!listed->OnLoan()) {
            Dispose(listed);
        }
        changed = true;
    }

    // Duplicate pass: an interface already listed keeps its listed object.
    for (auto& candidate : found) {
        const bool listed = std::any_of(devices_.begin(), devices_.end(), [&](const auto& d) {
            return d->Attached() &&
                   d->PnPInfo().DeviceInstance == candidate->PnPInfo().DeviceInstance;
        });
        if (listed) {
            candidate->owner_ = nullptr;
            DisposeDetached(std::move(candidate));
        }
    }

    // Arrival pass.
    for (auto& candidate : found) {
        if (!candidate) {
            continue;
        }
        devices_.push_back(std::move(candidate));
        RaiseWhileEnumerating(onArrival_, *devices_.back());
        changed = true;
    }

    Recount();
    if (changed && onDeviceChange_) {
        onDeviceChange_(*this);
    }
}

void THidDeviceController::Recount() {
    checkedIn_ = 0;
    checkedOut_ = 0;
    unplugged_ = 0;
    for (const auto& d : devices_) {
        checkedIn_ += d->OnLoan() ? 0 : 1;
        checkedOut_ += d->OnLoan() ? 1 : 0;
        unplugged_ += d->Attached() ? 0 : 1;
    }
    checkedOut_ -= unplugged_;
}

int THidDeviceController::EnumerateDevices() {
    int count = 0;
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        THidDevice& device = *devices_[i];
        if (!device.Attached()) {
            continue;
        }
        bool goOn = false;
        {
            const EnumeratingScope scope(device.enumerating_);
            goOn = onEnumerate_ ? onEnumerate_(device, static_cast<int>(i)) : false;
        }
        ++count;
        if (!device.OnLoan()) {
            device.CloseHandles();
        }
        if (!goOn) {
            break;
        }
    }
    return count;
}

bool THidDeviceController::CheckOutAt(int Idx, THidDevice*& HidDev) {
    HidDev = nullptr;
    if (Idx < 0 || Idx >= Count()) {
        return false;
    }
    THidDevice& device = *devices_[static_cast<std::size_t>(Idx)];
    if (device.OnLoan()) {
        return false;
    }
    device.onLoan_ = true;
    ++checkedOut_;
    --checkedIn_;
    device.StartReaderIfReady();
    HidDev = &device;
    return true;
}

void THidDeviceController::Dispose(THidDevice* HidDev) {
    if (!HidDev) {
        return;
    }
    const auto it = std::find_if(devices_.begin(), devices_.end(),
                                 [&](const auto& d) { return d.get() == HidDev; });
    if (HidDev->owner_ != this || it == devices_.end()) {
        return; // not one of ours: nothing to give back
    }
    const std::size_t index = static_cast<std::size_t>(it - devices_.begin());
    const THidDataEvent data = HidDev->OnData();
    const THidPlugEvent unplug = HidDev->OnUnplug();
    HidDev->SetOnData({});
    HidDev->SetOnUnplug({});
    HidDev->CloseHandles();
    HidDev->caps_.reset();

    std::unique_ptr<THidDevice> old = std::move(devices_[index]);
    if (old->Attached()) {
        try {
            auto fresh = CreateDevice(std::move(old->pnp_));
            fresh->SetOnData(data);
            fresh->SetOnUnplug(unplug);
            fresh->SetPollingDelay(old->PollingDelay());
            fresh->SetThreadSleepTime(old->ThreadSleepTime());
            devices_[index] = std::move(fresh);
            if (old->OnLoan()) {
                --checkedOut_;
                ++checkedIn_;
            }
        } catch (const EControllerError&) {
            devices_.erase(devices_.begin() + static_cast<std::ptrdiff_t>(index));
        }
    } else {
        devices_.erase(devices_.begin() + static_cast<std::ptrdiff_t>(index));
        --unplugged_;
    }
}

// Disposal of a device that no list holds.
void THidDeviceController::DisposeDetached(std::unique_ptr<THidDevice> device) {
    if (device) {
        device->SetOnData({});
        device->SetOnUnplug({});
        device.reset();
    }
}

// A property write hands the new value to every listed device that still holds the old one,
// then stores it in the controller.
template <typename T, typename Get, typename Set>
void THidDeviceController::Propagate(T& field, T value, Get get, Set set) {
    if (value == field) {
        return;
    }
    for (auto& d : devices_) {
        if ((d.get()->*get)() == field) {
            (d.get()->*set)(value);
        }
    }
    field = std::move(value);
}

void THidDeviceController::SetDevThreadSleepTime(int ms) {
    Propagate(threadSleepTime_, ms, &THidDevice::ThreadSleepTime, &THidDevice::SetThreadSleepTime);
}

void THidDeviceController::SetDevPollingDelayTime(int ms) {
    Propagate(pollingDelay_, ms, &THidDevice::PollingDelay, &THidDevice::SetPollingDelay);
}

void THidDeviceController::SetOnDeviceData(THidDataEvent handler) {
    Propagate(onDeviceData_, std::move(handler), &THidDevice::OnData, &THidDevice::SetOnData);
}

void THidDeviceController::SetOnDeviceDataError(THidDataErrorEvent handler) {
    Propagate(onDeviceDataError_, std::move(handler), &THidDevice::OnDataError,
              &THidDevice::SetOnDataError);
}

void THidDeviceController::SetOnDeviceUnplug(THidPlugEvent handler) {
    Propagate(onDeviceUnplug_, std::move(handler), &THidDevice::OnUnplug, &THidDevice::SetOnUnplug);
}

void THidDeviceController::SetOnDeviceChange(THidNotifyEvent handler) {
    if (handler == onDeviceChange_) {
        return;
    }
    onDeviceChange_ = std::move(handler);
    if (!loading_) {
        DeviceChange();
    }
}

void THidDeviceController::ClearEvents() {
    onArrival_ = {};
    onRemoval_ = {};
    onDeviceChange_ = {};
    onEnumerate_ = {};
    SetOnDeviceData({});
    SetOnDeviceDataError({});
    SetOnDeviceUnplug({});
}

} // namespace rangedesk::hid
