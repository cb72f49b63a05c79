#include "database_file.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "store_error.h"
#include "unique_fd.h"

namespace rangedesk::store {
namespace {

// The database header: a fixed text, then at offset 19 the read version, 2 for a write-ahead
// log.
constexpr char kHeaderText[] = "SQLite format 3";
constexpr std::size_t kHeaderTextLength = sizeof kHeaderText; // with its NUL
constexpr std::size_t kReadVersionOffset = 19;
constexpr unsigned char kWalVersion = 2;
constexpr std::size_t kHeaderLength = 100;

[[noreturn]] void Refuse(StoreErrorKind kind, const QString& path, const QString& reason) {
    throw StoreError(kind, StoreAction::Open, path, reason);
}

[[noreturn]] void RefuseForErrno(int error, const QString& path) {
    const QString reason = QString::fromLocal8Bit(std::strerror(error));
    Refuse(error == ENOENT || error == ENOTDIR ? StoreErrorKind::Missing : StoreErrorKind::Io, path,
           reason);
}

void RequireRegular(const struct stat& st, const QString& path) {
    if (S_ISDIR(st.st_mode)) {
        Refuse(StoreErrorKind::NotOurs, path, "it is a folder");
    }
    if (!S_ISREG(st.st_mode)) {
        Refuse(StoreErrorKind::NotOurs, path, "it is not a regular file");
    }
}

} // namespace

DatabaseFileFacts InspectDatabaseFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        RefuseForErrno(errno, path);
    }
    RequireRegular(st, path);
    // Never blocks, even if a pipe took the file's place since.
    const hid::UniqueFd fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) {
        RefuseForErrno(errno, path);
    }
    if (::fstat(fd.get(), &st) != 0) {
        RefuseForErrno(errno, path);
    }
    RequireRegular(st, path);
    unsigned char header[kHeaderLength] = {};
    const ssize_t n = ::pread(fd.get(), header, sizeof header, 0);
    if (n < 0) {
        RefuseForErrno(errno, path);
    }
    // An empty file is an empty database to SQLite; opening it finds no LoadData.
    if (n > 0 && (std::size_t(n) < kHeaderTextLength ||
                  std::memcmp(header, kHeaderText, kHeaderTextLength) != 0)) {
        Refuse(StoreErrorKind::NotOurs, path, "file is not a database");
    }
    DatabaseFileFacts facts;
    facts.WriteAheadLog =
        std::size_t(n) > kReadVersionOffset && header[kReadVersionOffset] == kWalVersion;
    struct stat log {};
    facts.LogPresent = ::stat(QFile::encodeName(path + "-wal").constData(), &log) == 0;
    return facts;
}

} // namespace rangedesk::store
