#include "stop_event.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/eventfd.h>
#include <unistd.h>

namespace rangedesk::hid {

StopEvent::StopEvent() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (!fd_.valid()) {
        throw std::runtime_error(std::string("eventfd: ") + std::strerror(errno));
    }
}

void StopEvent::Signal() const {
    const std::uint64_t one = 1;
    // An eventfd write only fails when the counter would overflow, which one signal cannot do.
    [[maybe_unused]] const auto n = ::write(fd_.get(), &one, sizeof one);
}

bool StopEvent::IsSet() const {
    return Wait(0);
}

bool StopEvent::Wait(int timeoutMs) const {
    pollfd p{fd_.get(), POLLIN, 0};
    int rc;
    do {
        rc = ::poll(&p, 1, timeoutMs);
    } while (rc < 0 && errno == EINTR);
    return rc > 0 && (p.revents & POLLIN);
}

} // namespace rangedesk::hid
