#include "atomic_file.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "fd_writer.h"
#include "file_error.h"
#include "file_names.h"
#include "regular_file.h"

namespace fs = std::filesystem;

namespace rangedesk::files {
namespace {

FileError WriteError(const QString& file, int error) {
    const QString reason = SystemReason(error);
    return FileError(
        FileError::Kind::System, file, reason,
        QCoreApplication::translate("FileError", "cannot write %1: %2").arg(file, reason), error);
}

// The process's umask, read without changing it (umask() would, for every thread at once).
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// A rename is on the disk once its folder is; a folder that cannot be synced is no error of
// the file's.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

AtomicFile::AtomicFile(const fs::path& target, AtomicFileOptions options)
    : shown_(ShownPath(target)), options_(options), target_(FollowLinks(target)) {
    std::string pattern = (target_.parent_path() / ".rangedesk-XXXXXX").native();
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) {
        throw WriteError(shown_, errno);
    }
    temporary_ = std::move(pattern);
}

AtomicFile::~AtomicFile() {
    device_.reset();
    if (!committed_) {
        RemoveTemporary();
    }
}

void AtomicFile::RemoveTemporary() noexcept {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    ::unlink(temporary_.c_str());
}

QIODevice& AtomicFile::Device() {
    if (!device_) {
        // Unbuffered: its bytes and those of Write() land in the order they were written.
        device_ = std::make_unique<FdWriteDevice>(fd_);
    }
    return *device_;
}

void AtomicFile::Write(QByteArrayView bytes) {
    if (const int error = WriteAll(fd_, bytes.data(), bytes.size()); error != 0) {
        throw WriteError(shown_, error);
    }
}

void AtomicFile::Commit() {
    if (device_) {
        if (const int error = device_->FirstError(); error != 0) {
            throw WriteError(shown_, error);
        }
        device_.reset();
    }
    if (::fsync(fd_) != 0) {
        throw WriteError(shown_, errno);
    }
    // The owner and mode of the file replaced, or what the umask gives a new file.
    struct stat old {};
    mode_t mode = 0666 & ~CurrentUmask();
    if (::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            if (::fchown(fd_, old.st_uid, old.st_gid) != 0) {
                // Only root may give a file away; the user's own copy is the next best thing.
            }
        }
        mode = old.st_mode & 07777;
    }
    if (::fchmod(fd_, options_.Mode.value_or(mode)) != 0) {
        throw WriteError(shown_, errno);
    }
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) {
        throw WriteError(shown_, errno);
    }
    if (options_.KeepExisting) {
        // The file that is there wins; the temporary goes with this object.
        if (::renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD, target_.c_str(),
                        RENAME_NOREPLACE) != 0) {
            if (errno != EEXIST) {
                throw WriteError(shown_, errno);
            }
            return;
        }
    } else if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        throw WriteError(shown_, errno);
    }
    committed_ = true;
    SyncFolder(target_.parent_path());
}

void WriteFileAtomically(const fs::path& target, QByteArrayView bytes) {
    AtomicFile file(target);
    file.Write(bytes);
    file.Commit();
}

void CopyFileAtomically(const fs::path& source, const fs::path& target,
                        const std::function<void(const fs::path& temporary)>& check,
                        std::optional<qint64> limit, AtomicFileOptions options) {
    RegularFileReader in(source);
    const auto tooLarge = [&] {
        const QString reason =
            QCoreApplication::translate("FileError", "it is larger than %1 bytes").arg(*limit);
        return FileError(FileError::Kind::TooLarge, ShownPath(source), reason,
                         QCoreApplication::translate("FileError", "cannot read %1: %2")
                             .arg(ShownPath(source), reason));
    };
    if (limit && in.Size() > *limit) {
        throw tooLarge();
    }
    AtomicFile out(target, options);
    std::vector<char> buffer(1 << 16);
    qint64 total = 0;
    for (;;) {
        const qint64 n = in.Read(buffer.data(), qint64(buffer.size()));
        if (n == 0) {
            break;
        }
        // The file may grow while it is read.
        total += n;
        if (limit && total > *limit) {
            throw tooLarge();
        }
        out.Write(QByteArrayView(buffer.data(), n));
    }
    if (check) {
        check(out.TemporaryPath());
    }
    out.Commit();
}

} // namespace rangedesk::files
