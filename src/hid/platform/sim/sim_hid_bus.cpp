#include "sim_hid_bus.h"

#include <QMetaObject>

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <string>
#include <sys/eventfd.h>
#include <unistd.h>

#include "../../stop_event.h"
#include "../../unique_fd.h"

namespace rangedesk::hid::sim {

// The reports queued for one open read handle, with an eventfd that is readable while the
// queue holds a report or the interface is gone.
struct SimInterface::ReadQueue {
    std::mutex mutex;
    std::deque<std::vector<std::uint8_t>> reports;
    bool gone = false;
    UniqueFd ready{::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)};

    void Raise() {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto n = ::write(ready.get(), &one, sizeof one);
    }
    void Lower() {
        std::uint64_t value = 0;
        [[maybe_unused]] const auto n = ::read(ready.get(), &value, sizeof value);
    }
};

namespace {

struct SimHandle : PlatformHandle {
    std::shared_ptr<SimInterface> iface;
    OpenAccess access;
    std::shared_ptr<SimInterface::ReadQueue> queue; // read handles only
};

} // namespace

SimInterface::SimInterface(std::uint32_t instance, std::string path,
                           SimInterfaceDescription description)
    : instance_(instance), path_(std::move(path)), description_(description) {}

bool SimInterface::Present() const {
    const std::lock_guard lock(mutex_);
    return present_;
}

void SimInterface::SendInput(std::uint8_t reportId, std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> report;
    report.reserve(data.size() + 1);
    report.push_back(reportId);
    report.insert(report.end(), data.begin(), data.end());
    const std::lock_guard lock(mutex_);
    if (!present_) {
        return;
    }
    for (const auto& weak : queues_) {
        if (const auto queue = weak.lock()) {
            const std::lock_guard queueLock(queue->mutex);
            queue->reports.push_back(report);
            queue->Raise();
        }
    }
}

void SimInterface::FailWrites(int error) {
    const std::lock_guard lock(mutex_);
    writeError_ = error;
}

std::vector<std::vector<std::uint8_t>> SimInterface::Written() const {
    const std::lock_guard lock(mutex_);
    return written_;
}

int SimInterface::OpenReaders() const {
    const std::lock_guard lock(mutex_);
    return static_cast<int>(
        std::count_if(queues_.begin(), queues_.end(), [](const auto& q) { return !q.expired(); }));
}

SimHidBus::SimHidBus(QObject* parent) : QObject(parent) {}

SimHidBus::~SimHidBus() = default;

std::shared_ptr<SimInterface> SimHidBus::Plug(const SimInterfaceDescription& description) {
    std::shared_ptr<SimInterface> iface;
    {
        const std::lock_guard lock(mutex_);
        const std::uint32_t instance = nextInstance_++;
        iface = std::make_shared<SimInterface>(instance, "sim:hid" + std::to_string(instance),
                                               description);
        interfaces_.push_back(iface);
    }
    Notify();
    return iface;
}

void SimHidBus::Unplug(const std::shared_ptr<SimInterface>& iface) {
    {
        const std::lock_guard lock(mutex_);
        interfaces_.erase(std::remove(interfaces_.begin(), interfaces_.end(), iface),
                          interfaces_.end());
    }
    {
        const std::lock_guard lock(iface->mutex_);
        iface->present_ = false;
        for (const auto& weak : iface->queues_) {
            if (const auto queue = weak.lock()) {
                const std::lock_guard queueLock(queue->mutex);
                queue->gone = true;
                queue->Raise();
            }
        }
    }
    Notify();
}

void SimHidBus::ChangeOtherDevice() {
    Notify();
}

std::vector<std::shared_ptr<SimInterface>> SimHidBus::Interfaces() const {
    const std::lock_guard lock(mutex_);
    return interfaces_;
}

void SimHidBus::Notify() {
    for (int i = 0; i < notificationsPerChange_; ++i) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (onChange_) {
                    onChange_();
                }
            },
            Qt::QueuedConnection);
    }
}

std::shared_ptr<SimInterface> SimHidBus::Find(const std::string& path) const {
    const std::lock_guard lock(mutex_);
    const auto it = std::find_if(interfaces_.begin(), interfaces_.end(),
                                 [&](const auto& i) { return i->Path() == path; });
    return it == interfaces_.end() ? nullptr : *it;
}

std::vector<HidInterface> SimHidBus::ListInterfaces() {
    const std::lock_guard lock(mutex_);
    std::vector<HidInterface> list;
    for (const auto& i : interfaces_) {
        list.push_back({i->InstanceNumber(), i->Path()});
    }
    return list;
}

OpenResult SimHidBus::Open(const std::string& path, OpenAccess access) {
    const auto iface = Find(path);
    if (!iface) {
        return {nullptr, PlatformStatus::Failure("open", path, ENOENT)};
    }
    if (access != OpenAccess::QueryOnly && !iface->Description().ReadWrite) {
        return {nullptr, PlatformStatus::Failure("open", path, EACCES)};
    }
    auto handle = std::make_unique<SimHandle>();
    handle->iface = iface;
    handle->access = access;
    if (access == OpenAccess::Read) {
        auto queue = std::make_shared<SimInterface::ReadQueue>();
        const std::lock_guard lock(iface->mutex_);
        iface->queues_.push_back(queue);
        handle->queue = queue;
    }
    return {std::move(handle), {}};
}

std::optional<HidAttributes> SimHidBus::GetAttributes(PlatformHandle& handle) {
    const auto& description = static_cast<SimHandle&>(handle).iface->Description();
    if (!description.Identifiable) {
        return std::nullopt;
    }
    return HidAttributes{description.VendorID, description.ProductID, description.VersionNumber,
                         description.SerialNumber};
}

std::optional<HidCaps> SimHidBus::GetCaps(PlatformHandle& handle) {
    const auto& description = static_cast<SimHandle&>(handle).iface->Description();
    return HidCaps{description.InputReportByteLength, description.OutputReportByteLength, 0};
}

WriteResult SimHidBus::Write(PlatformHandle& handle, std::span<const std::uint8_t> report) {
    auto& sim = static_cast<SimHandle&>(handle);
    if (sim.access != OpenAccess::ReadWrite || !sim.iface->Present()) {
        return {PlatformStatus::Failure("write", sim.iface->Path(),
                                        sim.iface->Present() ? EBADF : ENODEV),
                0};
    }
    {
        const std::lock_guard lock(sim.iface->mutex_);
        if (sim.iface->writeError_ != 0) {
            return {PlatformStatus::Failure("write", sim.iface->Path(), sim.iface->writeError_), 0};
        }
        sim.iface->written_.emplace_back(report.begin(), report.end());
    }
    if (sim.iface->behaviour_) {
        sim.iface->behaviour_(*sim.iface, report);
    }
    return {{}, report.size()};
}

ReadResult SimHidBus::Read(PlatformHandle& handle, std::span<std::uint8_t> buffer, int timeoutMs,
                           const StopEvent& stop) {
    auto& sim = static_cast<SimHandle&>(handle);
    auto& queue = *std::static_pointer_cast<SimInterface::ReadQueue>(sim.queue);
    pollfd fds[2] = {{queue.ready.get(), POLLIN, 0}, {stop.fd(), POLLIN, 0}};
    int rc;
    do {
        rc = ::poll(fds, 2, timeoutMs);
    } while (rc < 0 && errno == EINTR);
    if (fds[1].revents & POLLIN) {
        return {ReadStatus::Stopped, 0, {}};
    }
    if (rc == 0) {
        return {ReadStatus::TimedOut, 0, {}};
    }
    const std::lock_guard lock(queue.mutex);
    // Reports queued before the interface went away are still read, as hidraw does.
    if (queue.reports.empty() && queue.gone) {
        return {ReadStatus::Failed, 0, PlatformStatus::Failure("read", sim.iface->Path(), ENODEV)};
    }
    if (queue.reports.empty()) {
        queue.Lower();
        return {ReadStatus::TimedOut, 0, {}};
    }
    const std::vector<std::uint8_t> report = std::move(queue.reports.front());
    queue.reports.pop_front();
    if (queue.reports.empty() && !queue.gone) {
        queue.Lower();
    }
    const std::size_t n = std::min(report.size(), buffer.size());
    std::copy_n(report.begin(), n, buffer.begin());
    return {ReadStatus::Completed, n, {}};
}

void SimHidBus::WatchChanges(std::function<void()> onChange) {
    onChange_ = std::move(onChange);
}

} // namespace rangedesk::hid::sim
