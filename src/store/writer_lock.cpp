#include "writer_lock.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "file_names.h"
#include "store_error.h"

namespace rangedesk::store {
namespace {

// A holder that removed the file between our open and our lock is waited out this many times.
constexpr int kLockAttempts = 20;
constexpr std::size_t kHolderTextMax = 64;
// A brief holder is looked at again this often: the lock has no timed wait.
constexpr auto kBriefPoll = std::chrono::milliseconds(5);

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

struct flock WholeFile(short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return lock;
}

bool SameFile(int fd, const QByteArray& path) {
    struct stat held {};
    struct stat now {};
    return ::fstat(fd, &held) == 0 && ::stat(path.constData(), &now) == 0 &&
           held.st_dev == now.st_dev && held.st_ino == now.st_ino;
}

// "pid download" as the holder wrote it; a half-written text gives no process.
WriterHolder ReadHolder(int fd) {
    char text[kHolderTextMax + 1] = {};
    const ssize_t n = ::pread(fd, text, kHolderTextMax, 0);
    WriterHolder holder;
    long long pid = 0;
    long long download = 0;
    if (n > 0 && std::sscanf(text, "%lld %lld", &pid, &download) == 2 && pid > 0) {
        holder = {pid, download};
    }
    return holder;
}

// The lock file takes the database's permissions, so whoever may write the one may lock the
// other.
mode_t LockFileMode(const QString& databasePath) {
    struct stat st {};
    if (::stat(files::LocalPath(databasePath).c_str(), &st) == 0) {
        return st.st_mode & 0666;
    }
    return 0600;
}

// A holder that lets go in a moment: a brief writer, or one that has not named itself yet.
bool LetsGoSoon(const WriterHolder& holder) {
    return holder.Download == kBriefHolder || holder.Pid == 0;
}

} // namespace

StoreError InUseError(const QString& databasePath, const WriterHolder& holder) {
    const QString who = holder.Pid <= 0 ? QString("another RangeDesk process")
                        : holder.Download == kBriefHolder
                            ? QString("the team push (process %1)").arg(holder.Pid)
                            : QString("a download (process %1)").arg(holder.Pid);
    return StoreError(StoreErrorKind::InUse, StoreAction::Write, databasePath,
                      "the database is in use by " + who);
}

WriterLock::WriterLock(const QString& databasePath) : databasePath_(databasePath) {}

WriterLock::~WriterLock() {
    Release();
}

QString WriterLock::LockPathOf(const QString& databasePath) {
    const QFileInfo file(databasePath);
    const QString canonical = file.canonicalFilePath();
    return (canonical.isEmpty() ? file.absoluteFilePath() : canonical) + "-lock";
}

void WriterLock::Acquire(WriterHold hold) {
    if (Held()) {
        return;
    }
    // Named when taken: the database may have been made since this object was.
    lockPath_ = LockPathOf(databasePath_);
    const QByteArray path = QByteArray::fromStdString(files::LocalPath(lockPath_).native());
    const mode_t mode = LockFileMode(databasePath_);
    const auto patience =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kBriefWaitMs);
    for (int attempt = 0; attempt < kLockAttempts;) {
        hid::UniqueFd fd(::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, mode));
        if (!fd.valid()) {
            const int error = errno;
            throw StoreError(
                error == EACCES || error == EROFS ? StoreErrorKind::ReadOnly : StoreErrorKind::Io,
                StoreAction::Write, databasePath_,
                QString("its lock file %1 cannot be made: %2").arg(lockPath_, SystemReason(error)));
        }
        struct flock lock = WholeFile(F_WRLCK);
        if (::fcntl(fd.get(), F_OFD_SETLK, &lock) != 0) {
            const int error = errno;
            if (error == EAGAIN || error == EACCES) {
                const WriterHolder holder = ReadHolder(fd.get());
                if (LetsGoSoon(holder) && std::chrono::steady_clock::now() < patience) {
                    std::this_thread::sleep_for(kBriefPoll);
                    continue;
                }
                throw InUseError(databasePath_, holder);
            }
            throw StoreError(StoreErrorKind::Io, StoreAction::Write, databasePath_,
                             QString("its lock file %1 cannot be locked: %2")
                                 .arg(lockPath_, SystemReason(error)));
        }
        // A holder removes the file as it lets go: a lock on a removed file guards nothing.
        if (SameFile(fd.get(), path)) {
            fd_ = std::move(fd);
            WriteHolder(hold == WriterHold::Brief ? kBriefHolder : 0);
            return;
        }
        ++attempt;
    }
    throw InUseError(databasePath_, {});
}

void WriterLock::SetDownload(qint64 id) {
    if (Held()) {
        WriteHolder(id);
    }
}

void WriterLock::WriteHolder(qint64 download) {
    const QByteArray text =
        QByteArray::number(qint64(::getpid())) + ' ' + QByteArray::number(download) + '\n';
    // Only readers telling a running download from an interrupted one use it; they take a
    // text they cannot read for a live holder.
    if (::ftruncate(fd_.get(), 0) == 0) {
        [[maybe_unused]] const ssize_t n =
            ::pwrite(fd_.get(), text.constData(), std::size_t(text.size()), 0);
    }
}

void WriterLock::Release() {
    if (!Held()) {
        return;
    }
    const QByteArray path = QByteArray::fromStdString(files::LocalPath(lockPath_).native());
    if (SameFile(fd_.get(), path)) {
        ::unlink(path.constData());
    }
    fd_.reset(); // closing the descriptor drops the lock
}

std::optional<WriterHolder> WriterLock::HolderOf(const QString& databasePath) {
    const QByteArray path =
        QByteArray::fromStdString(files::LocalPath(LockPathOf(databasePath)).native());
    const hid::UniqueFd fd(::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (!fd.valid()) {
        return std::nullopt; // no file: no writer
    }
    struct flock lock = WholeFile(F_WRLCK);
    if (::fcntl(fd.get(), F_OFD_GETLK, &lock) != 0 || lock.l_type == F_UNLCK) {
        return std::nullopt;
    }
    return ReadHolder(fd.get());
}

} // namespace rangedesk::store
