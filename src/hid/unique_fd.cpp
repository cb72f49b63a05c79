#include "unique_fd.h"

#include <unistd.h>

namespace rangedesk::hid {

void UniqueFd::reset(int fd) noexcept {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    fd_ = fd;
}

} // namespace rangedesk::hid
