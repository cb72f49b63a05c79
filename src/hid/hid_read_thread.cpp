#include "hid_read_thread.h"

#include <algorithm>
#include <cerrno>
#include <pthread.h>

#include "hand_off.h"
#include "hid_device.h"
#include "platform/hid_platform.h"

namespace rangedesk::hid {

THidDeviceReadThread::THidDeviceReadThread(THidDevice& device, HidPlatform& platform,
                                           HandOff& handOff, std::size_t reportLength)
    : device_(device), platform_(platform), handOff_(handOff), buffer_(reportLength, 0),
      // Opened before the thread runs, so reports are queued from the moment of check-out.
      readHandle_(device.Accessible()
                      ? platform.Open(device.PnPInfo().DevicePath, OpenAccess::Read).Handle
                      : nullptr),
      thread_([this] { Run(); }) {}

THidDeviceReadThread::~THidDeviceReadThread() {
    Stop();
}

void THidDeviceReadThread::Stop() {
    if (!thread_.joinable()) {
        return;
    }
    stop_.Signal();
    handOff_.RunUntil([this] { return finished_.load(); });
    thread_.join();
}

void THidDeviceReadThread::ReportError(int error) {
    lastError_ = error;
    handOff_.Call([this, error] { device_.DeliverDataError(static_cast<std::uint32_t>(error)); });
}

// One pass of the loop; false when a stop was requested.
bool THidDeviceReadThread::ReadOnce() {
    std::fill(buffer_.begin(), buffer_.end(), 0);
    if (!device_.Accessible()) {
        readHandle_.reset();
        ReportError(ENODEV);
        return !stop_.Wait(device_.ThreadSleepTime());
    }
    if (!readHandle_) {
        OpenResult opened = platform_.Open(device_.PnPInfo().DevicePath, OpenAccess::Read);
        readHandle_ = std::move(opened.Handle);
        if (!readHandle_) {
            ReportError(opened.Status.Errno);
            return !stop_.Wait(device_.ThreadSleepTime());
        }
    }
    ReadResult result;
    do {
        result = platform_.Read(*readHandle_, buffer_, device_.ThreadSleepTime(), stop_);
    } while (result.Status == ReadStatus::TimedOut && device_.Accessible());
    switch (result.Status) {
    case ReadStatus::Stopped:
        return false;
    case ReadStatus::Failed:
        // The interface is gone or broken: the handle is opened again on the next pass.
        readHandle_.reset();
        ReportError(result.Error.Errno);
        return !stop_.Wait(device_.ThreadSleepTime());
    case ReadStatus::TimedOut:
        return true; // no longer accessible; the next pass reports it
    case ReadStatus::Completed:
        break;
    }
    bytesRead_ = static_cast<std::uint32_t>(result.Bytes);
    if (result.Bytes > 0) {
        handOff_.Call([this, bytes = result.Bytes] {
            device_.DeliverReport(std::span<const std::uint8_t>(buffer_.data(), bytes));
        });
    }
    if (const int delay = device_.PollingDelay(); delay > 0) {
        return !stop_.Wait(delay);
    }
    return true;
}

void THidDeviceReadThread::Run() {
    pthread_setname_np(pthread_self(), "THidDeviceRead");
    while (!stop_.IsSet() && ReadOnce()) {
    }
    readHandle_.reset();
    finished_ = true;
    handOff_.Wake();
}

} // namespace rangedesk::hid
