#include "atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rangedesk::output {
namespace {

// "write /path: No space left on device": the call, the file and the system's reason.
QString SystemError(const char* call, const QString& path, int error) {
    return QString("%1 %2: %3").arg(call, path, QString::fromLocal8Bit(std::strerror(error)));
}

// Closes a descriptor and removes the unfinished file, unless the file was put in place.
class TemporaryFile {
public:
    explicit TemporaryFile(QByteArray pattern) : name_(std::move(pattern)) {
        fd_ = ::mkostemp(name_.data(), O_CLOEXEC);
        created_ = fd_ >= 0;
    }
    ~TemporaryFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (created_ && !kept_) {
            ::unlink(name_.constData());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int Fd() const { return fd_; }
    const QByteArray& Name() const { return name_; }
    int Close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }
    void Keep() { kept_ = true; }

private:
    QByteArray name_;
    int fd_ = -1;
    bool created_ = false;
    bool kept_ = false;
};

} // namespace

QString NotReplaceable(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile()) {
        return {};
    }
    return info.isDir() ? QStringLiteral("it is a folder")
                        : QStringLiteral("it is not a regular file (a device or a pipe), and is "
                                         "never replaced by one");
}

QString WriteFileAtomically(const QString& path, const std::vector<std::uint8_t>& bytes) {
    if (const QString why = NotReplaceable(path); !why.isEmpty()) {
        return why;
    }
    // A link to a file is followed: the file it names is replaced, the link stays.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QFileInfo place(target);
    TemporaryFile temporary(
        QFile::encodeName(place.absoluteDir().filePath("." + place.fileName() + ".XXXXXX")));
    if (temporary.Fd() < 0) {
        return SystemError("create", place.absolutePath(), errno);
    }
    const QString shown = QString::fromLocal8Bit(temporary.Name());
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(temporary.Fd(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return SystemError("write", shown, n < 0 ? errno : EIO);
        }
        done += static_cast<std::size_t>(n);
    }
    // The permissions of the file replaced, or those a new file gets.
    struct stat old {};
    if (::stat(QFile::encodeName(target).constData(), &old) == 0) {
        ::fchmod(temporary.Fd(), old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(temporary.Fd(), 0666 & ~mask);
    }
    if (::fsync(temporary.Fd()) != 0) {
        return SystemError("write", shown, errno);
    }
    if (temporary.Close() != 0) {
        return SystemError("close", shown, errno);
    }
    if (::rename(temporary.Name().constData(), QFile::encodeName(target).constData()) != 0) {
        return SystemError("rename", target, errno);
    }
    temporary.Keep();
    return {};
}

} // namespace rangedesk::output
