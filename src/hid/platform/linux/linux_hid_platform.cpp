#include "linux_hid_platform.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "../../stop_event.h"
#include "../../unique_fd.h"
#include "sysfs_text.h"
#include "uevent_monitor.h"

namespace rangedesk::hid::linux_hid {
namespace {

struct LinuxHandle : PlatformHandle {
    std::string node;      // the device node, for messages
    UniqueFd fd;           // none for a query-only handle
    std::string hidDir;    // sysfs folder of the HID device
    bool numbered = false; // reports carry their own report-ID byte
};

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return content;
}

std::optional<std::string> RealPath(const std::string& path) {
    char resolved[PATH_MAX];
    if (!::realpath(path.c_str(), resolved)) {
        return std::nullopt;
    }
    return std::string(resolved);
}

std::string BaseName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<ReportLengths> ReadReportLengths(const std::string& hidDir) {
    const auto descriptor = ReadFile(hidDir + "/report_descriptor");
    if (!descriptor) {
        return std::nullopt;
    }
    return ParseReportDescriptor(
        std::span(reinterpret_cast<const std::uint8_t*>(descriptor->data()), descriptor->size()));
}

// USB devices carry their release number two levels above the HID device.
std::uint16_t ReadVersion(const std::string& hidDir) {
    const auto text = ReadFile(hidDir + "/../../bcdDevice");
    return text ? static_cast<std::uint16_t>(std::strtoul(text->c_str(), nullptr, 16)) : 0;
}

} // namespace

LinuxHidPlatform::LinuxHidPlatform(std::string sysRoot, std::string devRoot, QObject* parent)
    : QObject(parent), sysRoot_(std::move(sysRoot)), devRoot_(std::move(devRoot)) {}

LinuxHidPlatform::~LinuxHidPlatform() = default;

bool LinuxHidPlatform::Available() const {
    struct stat st {};
    return ::stat((sysRoot_ + "/class").c_str(), &st) == 0;
}

std::string LinuxHidPlatform::HidDeviceDir(const std::string& nodePath) const {
    return RealPath(sysRoot_ + "/class/hidraw/" + BaseName(nodePath) + "/device").value_or("");
}

std::vector<HidInterface> LinuxHidPlatform::ListInterfaces() {
    std::vector<std::pair<int, HidInterface>> found;
    const std::string classDir = sysRoot_ + "/class/hidraw";
    DIR* dir = ::opendir(classDir.c_str());
    if (!dir) {
        return {}; // no hidraw driver loaded: no HID interfaces
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const auto number = ParseHidrawNumber(name);
        if (!number) {
            continue;
        }
        const auto hidDir = RealPath(classDir + "/" + name + "/device");
        const auto sequence = hidDir ? ParseHidDeviceSequence(BaseName(*hidDir)) : std::nullopt;
        const std::string node = devRoot_ + "/" + name;
        struct stat st {};
        // sysfs shows the interface a moment before its node exists; until then it is not
        // there yet, or the scan would take it as one that cannot be opened.
        if (!sequence || ::stat(node.c_str(), &st) != 0) {
            continue;
        }
        found.push_back({*number, HidInterface{*sequence, node}});
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<HidInterface> list;
    for (auto& [number, iface] : found) {
        list.push_back(std::move(iface));
    }
    return list;
}

OpenResult LinuxHidPlatform::Open(const std::string& path, OpenAccess access) {
    auto handle = std::make_unique<LinuxHandle>();
    handle->node = path;
    handle->hidDir = HidDeviceDir(path);
    if (handle->hidDir.empty()) {
        return {nullptr,
                PlatformStatus::Failure(
                    "realpath", sysRoot_ + "/class/hidraw/" + BaseName(path) + "/device", ENODEV)};
    }
    if (access == OpenAccess::QueryOnly) {
        return {std::move(handle), {}};
    }
    const int flags = access == OpenAccess::Read ? O_RDONLY | O_NONBLOCK : O_RDWR;
    handle->fd = UniqueFd(::open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY));
    if (!handle->fd.valid()) {
        return {nullptr, PlatformStatus::Failure("open", path, errno)};
    }
    if (access == OpenAccess::Read) {
        const auto lengths = ReadReportLengths(handle->hidDir);
        handle->numbered = lengths && lengths->Numbered;
    }
    return {std::move(handle), {}};
}

std::optional<HidAttributes> LinuxHidPlatform::GetAttributes(PlatformHandle& handle) {
    const auto& h = static_cast<LinuxHandle&>(handle);
    const auto uevent = ReadFile(h.hidDir + "/uevent");
    const auto id = uevent ? ParseHidIdFromUevent(*uevent) : std::nullopt;
    if (!id) {
        return std::nullopt;
    }
    return HidAttributes{id->Vendor, id->Product, ReadVersion(h.hidDir),
                         ParseHidUniqFromUevent(*uevent)};
}

std::optional<HidCaps> LinuxHidPlatform::GetCaps(PlatformHandle& handle) {
    const auto lengths = ReadReportLengths(static_cast<LinuxHandle&>(handle).hidDir);
    if (!lengths) {
        return std::nullopt;
    }
    return HidCaps{lengths->Input, lengths->Output, lengths->Feature};
}

WriteResult LinuxHidPlatform::Write(PlatformHandle& handle, std::span<const std::uint8_t> report) {
    const auto& h = static_cast<LinuxHandle&>(handle);
    if (!h.fd.valid()) {
        return {PlatformStatus::Failure("write", h.node, EBADF), 0};
    }
    ssize_t n;
    do {
        n = ::write(h.fd.get(), report.data(), report.size());
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        return {PlatformStatus::Failure("write", h.node, errno), 0};
    }
    return {{}, static_cast<std::size_t>(n)};
}

ReadResult LinuxHidPlatform::Read(PlatformHandle& handle, std::span<std::uint8_t> buffer,
                                  int timeoutMs, const StopEvent& stop) {
    const auto& h = static_cast<LinuxHandle&>(handle);
    if (!h.fd.valid() || buffer.empty()) {
        return {ReadStatus::Failed, 0, PlatformStatus::Failure("read", h.node, EBADF)};
    }
    pollfd fds[2] = {{h.fd.get(), POLLIN, 0}, {stop.fd(), POLLIN, 0}};
    int rc;
    do {
        rc = ::poll(fds, 2, timeoutMs);
    } while (rc < 0 && errno == EINTR);
    if (rc < 0) {
        return {ReadStatus::Failed, 0, PlatformStatus::Failure("poll", h.node, errno)};
    }
    if (fds[1].revents & POLLIN) {
        return {ReadStatus::Stopped, 0, {}};
    }
    if (rc == 0) {
        return {ReadStatus::TimedOut, 0, {}};
    }
    if (!(fds[0].revents & POLLIN)) {
        // POLLHUP, POLLERR or POLLNVAL without data: the interface is gone.
        return {ReadStatus::Failed, 0, PlatformStatus::Failure("poll", h.node, ENODEV)};
    }
    // hidraw gives unnumbered reports without their 0 report ID; put it back here, once.
    const std::size_t prefix = h.numbered ? 0 : 1;
    ssize_t n;
    do {
        n = ::read(h.fd.get(), buffer.data() + prefix, buffer.size() - prefix);
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return {ReadStatus::TimedOut, 0, {}};
        }
        return {ReadStatus::Failed, 0, PlatformStatus::Failure("read", h.node, errno)};
    }
    if (n == 0) {
        // End of file: a hung-up node (a HID node never reads empty otherwise).
        return {ReadStatus::Failed, 0, PlatformStatus::Failure("read", h.node, ENODEV)};
    }
    if (prefix) {
        buffer[0] = 0;
    }
    return {ReadStatus::Completed, static_cast<std::size_t>(n) + prefix, {}};
}

void LinuxHidPlatform::WatchChanges(std::function<void()> onChange) {
    monitor_.reset();
    if (onChange) {
        monitor_ =
            std::make_unique<UeventMonitor>(UeventMonitor::DefaultSource(), std::move(onChange));
    }
}

} // namespace rangedesk::hid::linux_hid
