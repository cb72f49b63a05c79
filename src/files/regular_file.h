#pragma once

#include <QByteArray>

#include <filesystem>

namespace rangedesk::files {

// A regular file open for reading. It is opened without waiting (a FIFO gives no writer to
// wait for) and checked once open, so a name swapped for a device in between is caught too; a
// device, a pipe, a socket or a folder is refused. Errors are FileErrors naming the file.
class RegularFileReader {
public:
    explicit RegularFileReader(std::filesystem::path path);
    ~RegularFileReader();
    RegularFileReader(const RegularFileReader&) = delete;
    RegularFileReader& operator=(const RegularFileReader&) = delete;

    // The size when it was opened.
    qint64 Size() const { return size_; }
    // Up to `capacity` bytes into `data`; 0 at the end.
    qint64 Read(char* data, qint64 capacity);

private:
    std::filesystem::path path_;
    int fd_ = -1;
    qint64 size_ = 0;
};

// The bytes of a regular file of at most `limit` bytes; a larger file is refused. Throws
// FileError naming the file and why.
QByteArray ReadRegularFile(const std::filesystem::path& path, qint64 limit);

} // namespace rangedesk::files
