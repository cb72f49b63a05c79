#include "fd_writer.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace rangedesk::files {

int WriteAll(int fd, const char* data, qint64 size) {
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, std::size_t(size - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // A stream left non-blocking by whoever gave it: wait until it takes more.
            pollfd ready{fd, POLLOUT, 0};
            ::poll(&ready, 1, -1);
        } else {
            return n < 0 ? errno : EIO;
        }
    }
    return 0;
}

FdWriteDevice::FdWriteDevice(int fd) : fd_(fd) {
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 FdWriteDevice::readData(char*, qint64) {
    return -1;
}

qint64 FdWriteDevice::writeData(const char* data, qint64 size) {
    if (error_ == 0) {
        error_ = WriteAll(fd_, data, size);
    }
    if (error_ != 0) {
        setErrorString(QString::fromLocal8Bit(std::strerror(error_)));
        return -1;
    }
    return size;
}

} // namespace rangedesk::files
