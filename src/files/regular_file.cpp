#include "regular_file.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file_error.h"
#include "file_names.h"

namespace rangedesk::files {
namespace {

FileError ReadError(FileError::Kind kind, const std::filesystem::path& path, const QString& reason,
                    int error = 0) {
    const QString file = ShownPath(path);
    return FileError(
        kind, file, reason,
        QCoreApplication::translate("FileError", "cannot read %1: %2").arg(file, reason), error);
}

FileError SystemReadError(const std::filesystem::path& path, int error) {
    return ReadError(FileError::Kind::System, path, SystemReason(error), error);
}

} // namespace

RegularFileReader::RegularFileReader(std::filesystem::path path) : path_(std::move(path)) {
    fd_ = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0) {
        throw SystemReadError(path_, errno);
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        const int error = errno;
        ::close(fd_);
        throw SystemReadError(path_, error);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd_);
        if (S_ISDIR(st.st_mode)) {
            throw ReadError(FileError::Kind::Folder, path_,
                            QCoreApplication::translate("FileError", "it is a folder"));
        }
        throw ReadError(
            FileError::Kind::NotRegularFile, path_,
            QCoreApplication::translate("FileError",
                                        "it is not a regular file (a device, a pipe or a socket)"));
    }
    size_ = st.st_size;
}

RegularFileReader::~RegularFileReader() {
    ::close(fd_);
}

qint64 RegularFileReader::Read(char* data, qint64 capacity) {
    for (;;) {
        const ssize_t n = ::read(fd_, data, std::size_t(capacity));
        if (n >= 0) {
            return n;
        }
        if (errno != EINTR) {
            throw SystemReadError(path_, errno);
        }
    }
}

QByteArray ReadRegularFile(const std::filesystem::path& path, qint64 limit) {
    RegularFileReader file(path);
    const auto tooLarge = [&] {
        return ReadError(
            FileError::Kind::TooLarge, path,
            QCoreApplication::translate("FileError", "it is larger than %1 bytes").arg(limit));
    };
    if (file.Size() > limit) {
        throw tooLarge();
    }
    // Read to the end, whatever the size said: the file may have grown since.
    QByteArray bytes(qsizetype(file.Size()) + 1, Qt::Uninitialized);
    qint64 done = 0;
    for (;;) {
        if (done == bytes.size()) {
            bytes.resize(qsizetype(std::min<qint64>(limit + 1, done + 65536)));
        }
        const qint64 n = file.Read(bytes.data() + done, bytes.size() - done);
        if (n == 0) {
            break;
        }
        done += n;
        if (done > limit) {
            throw tooLarge();
        }
    }
    bytes.truncate(qsizetype(done));
    return bytes;
}

} // namespace rangedesk::files
