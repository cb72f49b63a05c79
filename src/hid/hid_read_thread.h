#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "stop_event.h"

namespace rangedesk::hid {

class HandOff;
class HidPlatform;
class PlatformHandle;
class THidDevice;

// The background reader of one checked-out device: reads one input report at a time and
// hands each to the GUI thread, waiting there until the handler has returned.
class THidDeviceReadThread {
public:
    THidDeviceReadThread(THidDevice& device, HidPlatform& platform, HandOff& handOff,
                         std::size_t reportLength);
    ~THidDeviceReadThread();
    THidDeviceReadThread(const THidDeviceReadThread&) = delete;
    THidDeviceReadThread& operator=(const THidDeviceReadThread&) = delete;

    // Stop rule, on the GUI thread: ends the thread, carrying out its queued hand-offs.
    void Stop();

    std::uint32_t BytesRead() const { return bytesRead_.load(); }
    int LastError() const { return lastError_.load(); }

private:
    void Run();
    bool ReadOnce();
    void ReportError(int error);

    THidDevice& device_;
    HidPlatform& platform_;
    HandOff& handOff_;
    std::vector<std::uint8_t> buffer_;
    std::unique_ptr<PlatformHandle> readHandle_; // opened at start, then the reader thread's alone
    StopEvent stop_;
    std::atomic<bool> finished_{false};
    std::atomic<std::uint32_t> bytesRead_{0};
    std::atomic<int> lastError_{0};
    std::thread thread_;
};

} // namespace rangedesk::hid
