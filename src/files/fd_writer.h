#pragma once

#include <QIODevice>

namespace rangedesk::files {

// Writes every byte to a descriptor, retrying after a signal or a short write and waiting
// while a non-blocking stream is full. Returns 0, or the system's error number.
int WriteAll(int fd, const char* data, qint64 size);

// A write-only device over a descriptor (which it does not own) for writers that take a
// QIODevice (QPdfWriter). The first failure is kept and every later write fails too: a QFile
// forgets an error at its next write, so a stream cut short in the middle could pass unseen.
class FdWriteDevice : public QIODevice {
public:
    explicit FdWriteDevice(int fd);

    // The system's error number of the first failed write; 0 when every write succeeded.
    int FirstError() const { return error_; }

protected:
    qint64 readData(char* data, qint64 capacity) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    int fd_;
    int error_ = 0;
};

} // namespace rangedesk::files
