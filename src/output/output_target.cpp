#include "output_target.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "atomic_file.h"
#include "export_error.h"
#include "fd_writer.h"
#include "file_error.h"
#include "file_names.h"

namespace fs = std::filesystem;

namespace rangedesk::output {
namespace {

const QString kStandardOutput = QStringLiteral("standard output");

ExportError SystemError(const QString& name, int error) {
    return ExportError(ExportError::Kind::System, name, files::SystemReason(error));
}

bool SameInode(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether two names are one file: the same inode when both exist, else the same folder and
// the same last name (a journal SQLite has not made yet is still the database's).
bool SameFile(const fs::path& a, const fs::path& b) {
    struct stat sa {
    }, sb{};
    const bool aExists = ::stat(a.c_str(), &sa) == 0;
    const bool bExists = ::stat(b.c_str(), &sb) == 0;
    if (aExists && bExists) {
        return SameInode(sa, sb);
    }
    if (aExists || bExists) {
        return false;
    }
    const fs::path fa = files::FollowLinks(a);
    const fs::path fb = files::FollowLinks(b);
    struct stat da {
    }, db{};
    return fa.filename() == fb.filename() && ::stat(fa.parent_path().c_str(), &da) == 0 &&
           ::stat(fb.parent_path().c_str(), &db) == 0 && SameInode(da, db);
}

[[noreturn]] void RefuseProtected(const QString& name) {
    throw ExportError(
        ExportError::Kind::Protected, name,
        QCoreApplication::translate("ExportError", "it is the record database"),
        QCoreApplication::translate("ExportError", "%1 is the record database").arg(name));
}

// Standard output redirected into the database (">> DistLib.mdb") is refused as well.
void CheckStandardOutput(const std::vector<fs::path>& protectedFiles) {
    struct stat out {};
    if (::fstat(STDOUT_FILENO, &out) != 0) {
        return;
    }
    for (const fs::path& file : protectedFiles) {
        struct stat st {};
        if (::stat(file.c_str(), &st) == 0 && SameInode(out, st)) {
            RefuseProtected(kStandardOutput);
        }
    }
}

} // namespace

std::vector<fs::path> DatabaseFiles(const fs::path& database) {
    std::vector<fs::path> files{database};
    for (const char* suffix : {"-wal", "-shm", "-journal"}) {
        files.emplace_back(database.native() + suffix);
    }
    return files;
}

void CheckTarget(const fs::path& path, SpecialFile special,
                 const std::vector<fs::path>& protectedFiles) {
    const std::string& bytes = path.native();
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char c) { return static_cast<unsigned char>(c) <= ' '; })) {
        throw ExportError(
            ExportError::Kind::NoName, {},
            QCoreApplication::translate("ExportError", "no file is named to write to"));
    }
    if (path == "-") {
        CheckStandardOutput(protectedFiles);
        return;
    }
    const QString name = files::ShownPath(path);
    for (const fs::path& file : protectedFiles) {
        if (SameFile(path, file)) {
            RefuseProtected(name);
        }
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode)) {
        return;
    }
    if (S_ISDIR(st.st_mode)) {
        throw ExportError(ExportError::Kind::Folder, name,
                          QCoreApplication::translate("ExportError", "it is a folder"));
    }
    if (special == SpecialFile::Refuse) {
        throw ExportError(
            ExportError::Kind::NotRegularFile, name,
            QCoreApplication::translate(
                "ExportError",
                "it is not a regular file (a device or a pipe), and is never replaced "
                "by one"));
    }
}

OutputTarget::OutputTarget(const fs::path& path, SpecialFile special,
                           const std::vector<fs::path>& protectedFiles) {
    CheckTarget(path, special, protectedFiles);
    if (path == "-") {
        name_ = kStandardOutput;
        standardOutput_ = true;
        streamFd_ = STDOUT_FILENO;
        // What the program printed before goes first.
        if (std::fflush(stdout) != 0) {
            throw SystemError(name_, errno);
        }
        return;
    }
    name_ = files::ShownPath(path);
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        // A FIFO or a device to write into (CheckTarget refused the rest).
        streamFd_ = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (streamFd_ < 0) {
            throw SystemError(name_, errno);
        }
        ownsStream_ = true;
        // Still no regular file once open, or it is replaced whole like any other.
        if (::fstat(streamFd_, &st) != 0 || !S_ISREG(st.st_mode)) {
            return;
        }
        ownsStream_ = false;
        ::close(std::exchange(streamFd_, -1));
    }
    try {
        file_ = std::make_unique<files::AtomicFile>(path);
    } catch (const files::FileError& e) {
        throw ExportError::From(e);
    }
}

OutputTarget::~OutputTarget() {
    streamDevice_.reset();
    if (ownsStream_) {
        ::close(streamFd_);
    }
}

const fs::path* OutputTarget::TemporaryPath() const {
    return file_ ? &file_->TemporaryPath() : nullptr;
}

void OutputTarget::Fail(const ExportError& error) {
    failure_ = error;
    throw error;
}

void OutputTarget::Write(QByteArrayView bytes) {
    try {
        if (file_) {
            file_->Write(bytes);
        } else if (const int error = files::WriteAll(streamFd_, bytes.data(), bytes.size());
                   error != 0) {
            throw SystemError(name_, error);
        }
    } catch (const files::FileError& e) {
        Fail(ExportError::From(e));
    } catch (const ExportError& e) {
        Fail(e);
    }
}

QIODevice& OutputTarget::Device() {
    if (file_) {
        return file_->Device();
    }
    if (!streamDevice_) {
        streamDevice_ = std::make_unique<files::FdWriteDevice>(streamFd_);
    }
    return *streamDevice_;
}

void OutputTarget::Commit() {
    if (failure_) {
        throw *failure_;
    }
    if (file_) {
        try {
            file_->Commit();
        } catch (const files::FileError& e) {
            throw ExportError::From(e);
        }
        return;
    }
    if (streamDevice_ && streamDevice_->FirstError() != 0) {
        throw SystemError(name_, streamDevice_->FirstError());
    }
    if (standardOutput_ && std::fflush(stdout) != 0) {
        throw SystemError(name_, errno);
    }
    if (ownsStream_) {
        ownsStream_ = false;
        streamDevice_.reset();
        if (::close(streamFd_) != 0) {
            throw SystemError(name_, errno);
        }
    }
}

} // namespace rangedesk::output
