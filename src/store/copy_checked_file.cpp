#include "copy_checked_file.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "store_error.h"
#include "unique_fd.h"

namespace rangedesk::store {
namespace {

constexpr std::size_t kBlock = 64 * 1024;

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void Fail(StoreErrorKind kind, const QString& to, const QString& reason) {
    throw StoreError(kind, StoreAction::Prepare, to, reason);
}

// The source, opened without blocking (a FIFO would wait for a writer for ever) and checked to
// be a regular file of a sane size.
hid::UniqueFd OpenSource(const QString& from, const QString& to, qint64 maxBytes) {
    hid::UniqueFd fd(
        ::open(QFile::encodeName(from).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) {
        const int error = errno;
        Fail(error == ENOENT ? StoreErrorKind::Missing : StoreErrorKind::Io, to,
             QString("%1: %2").arg(from, SystemReason(error)));
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        Fail(StoreErrorKind::Io, to, QString("%1: %2").arg(from, SystemReason(errno)));
    }
    if (!S_ISREG(st.st_mode)) {
        Fail(StoreErrorKind::NotOurs, to, QString("%1 is not a regular file").arg(from));
    }
    if (st.st_size > maxBytes) {
        Fail(StoreErrorKind::NotOurs, to,
             QString("%1 holds %2 bytes, more than the %3 it may")
                 .arg(from)
                 .arg(st.st_size)
                 .arg(maxBytes));
    }
    return fd;
}

// Every byte of `in` into `out`, at most `maxBytes` (the file may grow while it is read).
void CopyBytes(int in, int out, qint64 maxBytes, const QString& from, const QString& to) {
    char buffer[kBlock];
    qint64 total = 0;
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(StoreErrorKind::Io, to, QString("%1: %2").arg(from, SystemReason(errno)));
        }
        if (n == 0) {
            return;
        }
        total += n;
        if (total > maxBytes) {
            Fail(StoreErrorKind::NotOurs, to,
                 QString("%1 holds more than the %2 bytes it may").arg(from).arg(maxBytes));
        }
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(out, buffer + done, std::size_t(n - done));
            if (w < 0) {
                if (errno == EINTR) {
                    continue;
                }
                Fail(StoreErrorKind::Io, to, SystemReason(errno));
            }
            done += w;
        }
    }
}

// Removes the temporary file unless it was put in place.
struct Temporary {
    QByteArray path;
    bool placed = false;
    ~Temporary() {
        if (!placed && !path.isEmpty()) {
            ::unlink(path.constData());
        }
    }
};

} // namespace

void CopyCheckedFile(const QString& from, const QString& to, qint64 maxBytes,
                     const std::function<void(const QString& copy)>& check) {
    const hid::UniqueFd source = OpenSource(from, to, maxBytes);
    const QFileInfo target(to);
    Temporary temporary{
        QFile::encodeName(target.absolutePath() + "/." + target.fileName() + ".XXXXXX")};
    hid::UniqueFd copy(::mkostemp(temporary.path.data(), O_CLOEXEC));
    if (!copy.valid()) {
        const int error = errno;
        temporary.path.clear(); // nothing was made
        Fail(error == EACCES || error == EROFS ? StoreErrorKind::ReadOnly : StoreErrorKind::Io, to,
             QString("its folder cannot be written: %1").arg(SystemReason(error)));
    }
    CopyBytes(source.get(), copy.get(), maxBytes, from, to);
    if (::fsync(copy.get()) != 0) {
        Fail(StoreErrorKind::Io, to, SystemReason(errno));
    }
    copy.reset();
    check(QFile::decodeName(temporary.path));
    // Never over a database another start made meanwhile: that one is the user's now.
    const QByteArray target8 = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, temporary.path.constData(), AT_FDCWD, target8.constData(),
                    RENAME_NOREPLACE) == 0) {
        temporary.placed = true;
        return;
    }
    int error = errno;
    if (error == EINVAL) {
        // A filesystem without that flag: a link is never made over a file either, and the
        // temporary name goes as the scope ends.
        error = ::link(temporary.path.constData(), target8.constData()) == 0 ? 0 : errno;
    }
    if (error != 0 && error != EEXIST) {
        Fail(StoreErrorKind::Io, to, SystemReason(error));
    }
}

} // namespace rangedesk::store
