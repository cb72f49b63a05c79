#include "uevent_monitor.h"

#include <QSocketNotifier>

#include <cerrno>
#include <linux/netlink.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include "uevent_message.h"

namespace rangedesk::hid::linux_hid {
namespace {

constexpr unsigned kKernelGroup = 1;
constexpr unsigned kUdevGroup = 2;
constexpr std::size_t kMaxMessage = 8192;

} // namespace

UeventMonitor::Source UeventMonitor::DefaultSource() {
    struct stat st {};
    return ::stat("/run/udev/control", &st) == 0 ? Source::Udev : Source::Kernel;
}

UeventMonitor::UeventMonitor(Source source, std::function<void()> onEvent, QObject* parent)
    : QObject(parent), source_(source), onEvent_(std::move(onEvent)),
      fd_(::socket(AF_NETLINK, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, NETLINK_KOBJECT_UEVENT)) {
    if (!fd_.valid()) {
        return;
    }
    const int on = 1;
    ::setsockopt(fd_.get(), SOL_SOCKET, SO_PASSCRED, &on, sizeof on);
    sockaddr_nl address{};
    address.nl_family = AF_NETLINK;
    address.nl_groups = source_ == Source::Udev ? kUdevGroup : kKernelGroup;
    if (::bind(fd_.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        fd_.reset();
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_.get(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &UeventMonitor::Drain);
}

UeventMonitor::~UeventMonitor() = default;

// Reads every queued message; one hint for the whole batch.
void UeventMonitor::Drain() {
    bool hint = false;
    for (;;) {
        char buffer[kMaxMessage];
        char control[CMSG_SPACE(sizeof(ucred))];
        sockaddr_nl sender{};
        iovec iov{buffer, sizeof buffer};
        msghdr msg{};
        msg.msg_name = &sender;
        msg.msg_namelen = sizeof sender;
        msg.msg_iov = &iov;
        msg.msg_iovlen = 1;
        msg.msg_control = control;
        msg.msg_controllen = sizeof control;
        const ssize_t n = ::recvmsg(fd_.get(), &msg, 0);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            // EAGAIN: drained. ENOBUFS: events were lost, so rescan anyway.
            hint = hint || errno == ENOBUFS;
            break;
        }
        const cmsghdr* cmsg = CMSG_FIRSTHDR(&msg);
        if (!cmsg || cmsg->cmsg_level != SOL_SOCKET || cmsg->cmsg_type != SCM_CREDENTIALS ||
            (msg.msg_flags & MSG_TRUNC)) {
            continue;
        }
        const auto* cred = reinterpret_cast<const ucred*>(CMSG_DATA(cmsg));
        // Only the kernel (port 0) or a root udev daemon may speak on these groups.
        const bool trusted =
            cred->uid == 0 && (source_ == Source::Kernel ? sender.nl_pid == 0 : sender.nl_pid != 0);
        if (trusted &&
            ParseUeventMessage(std::span<const char>(buffer, static_cast<std::size_t>(n)))) {
            hint = true;
        }
    }
    if (hint && onEvent_) {
        onEvent_();
    }
}

} // namespace rangedesk::hid::linux_hid
