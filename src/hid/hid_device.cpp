#include "hid_device.h"

#include "hid_controller.h"
#include "hid_errors.h"
#include "hid_read_thread.h"

namespace rangedesk::hid {

THidDevice::THidDevice(THidDeviceController* owner, std::unique_ptr<THidPnPInfo> pnp,
                       HidPlatform& platform)
    : owner_(owner), platform_(platform), pnp_(std::move(pnp)) {
    if (owner_) {
        pollingDelay_ = owner_->DevPollingDelayTime();
        threadSleepTime_ = owner_->DevThreadSleepTime();
        SetOnData(owner_->OnDeviceData());
        onUnplug_ = owner_->OnDeviceUnplug();
    }
    if (!OpenHandles()) {
        throw EControllerError(kDeviceCannotBeOpened);
    }
    const auto attributes = platform_.GetAttributes(*syncHandle_);
    if (!attributes) {
        throw EControllerError(kDeviceCannotBeIdentified);
    }
    attributes_ = *attributes;
    syncHandle_.reset();
}

THidDevice::~THidDevice() {
    StopReader();
    CloseHandles();
}

void THidDevice::SetThreadSleepTime(int ms) {
    if (ms >= 10 && ms <= 10000) {
        threadSleepTime_ = ms;
    }
}

void THidDevice::SetPollingDelay(int ms) {
    if (ms >= 0 && ms <= 10000) {
        pollingDelay_ = ms;
    }
}

bool THidDevice::OpenSyncHandle() {
    if (!Accessible()) {
        return false;
    }
    return syncHandle_ || OpenHandles();
}

// The synchronous handle with full access, or else one for queries only.
bool THidDevice::OpenHandles() {
    OpenResult full = platform_.Open(pnp_->DevicePath, OpenAccess::ReadWrite);
    fullAccess_ = full.Status.Ok();
    if (fullAccess_) {
        syncHandle_ = std::move(full.Handle);
        return true;
    }
    SetLastError(full.Status);
    syncHandle_ = platform_.Open(pnp_->DevicePath, OpenAccess::QueryOnly).Handle;
    return syncHandle_ != nullptr;
}

void THidDevice::SetLastError(const PlatformStatus& status) {
    lastError_ = status.Errno;
    lastErrorText_ = status.Message;
}

// The reader's own handle closes when the reader sees the device is no longer accessible.
void THidDevice::CloseHandles() {
    syncHandle_.reset();
}

HidCaps THidDevice::Capabilities() {
    if (!caps_ && OpenSyncHandle()) {
        caps_ = platform_.GetCaps(*syncHandle_);
        syncHandle_.reset();
    }
    return caps_.value_or(HidCaps{});
}

bool THidDevice::WriteReport(const std::uint8_t* buffer, std::size_t length, std::size_t& written) {
    written = 0;
    if (!OpenSyncHandle()) {
        return false;
    }
    const WriteResult result = platform_.Write(*syncHandle_, std::span(buffer, length));
    written = result.Written;
    if (!result.Status.Ok()) {
        SetLastError(result.Status);
    }
    return result.Status.Ok();
}

void THidDevice::SetOnData(THidDataEvent handler) {
    if (!handler) {
        StopReader();
    }
    onData_ = std::move(handler);
    StartReaderIfReady();
}

void THidDevice::StartReaderIfReady() {
    if (onData_ && attached_ && onLoan_ && fullAccess_ && !reader_ && owner_) {
        const std::size_t length = Capabilities().InputReportByteLength;
        reader_ = std::make_unique<THidDeviceReadThread>(*this, platform_, owner_->ReaderHandOff(),
                                                         length);
    }
}

void THidDevice::StopReader() {
    if (reader_) {
        reader_->Stop();
        reader_.reset();
    }
}

void THidDevice::Unplug() {
    CloseHandles();
    attached_ = false;
    if (onUnplug_) {
        const THidPlugEvent handler = std::move(onUnplug_);
        onUnplug_ = {};
        handler(*this);
    }
}

void THidDevice::DeliverReport(std::span<const std::uint8_t> report) {
    if (onData_ && !report.empty()) {
        onData_(*this, report[0], report.data() + 1, static_cast<std::uint16_t>(report.size() - 1));
    }
}

void THidDevice::DeliverDataError(std::uint32_t error) {
    if (onDataError_) {
        onDataError_(*this, error);
    }
}

} // namespace rangedesk::hid
