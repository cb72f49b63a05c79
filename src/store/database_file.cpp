#include "database_file.h"

#include <QCoreApplication>

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "file_error.h"
#include "file_names.h"
#include "regular_file.h"
#include "store_error.h"

namespace rangedesk::store {
namespace {

// The database header: a fixed text, then at offset 19 the read version, 2 for a write-ahead
// log.
constexpr char kHeaderText[] = "SQLite format 3";
constexpr std::size_t kHeaderTextLength = sizeof kHeaderText; // with its NUL
constexpr std::size_t kReadVersionOffset = 19;
constexpr unsigned char kWalVersion = 2;
constexpr std::size_t kHeaderLength = 100;

// The store's words for why the file cannot be a database.
[[noreturn]] void Refuse(const files::FileError& e, const QString& path) {
    switch (e.GetKind()) {
    case files::FileError::Kind::Folder:
        throw StoreError(StoreErrorKind::NotOurs, StoreAction::Open, path,
                         QCoreApplication::translate("StoreError", "it is a folder"));
    case files::FileError::Kind::NotRegularFile:
        throw StoreError(StoreErrorKind::NotOurs, StoreAction::Open, path,
                         QCoreApplication::translate("StoreError", "it is not a regular file"));
    case files::FileError::Kind::TooLarge:
    case files::FileError::Kind::System:
        break;
    }
    const int error = e.SystemError();
    throw StoreError(error == ENOENT || error == ENOTDIR ? StoreErrorKind::Missing
                                                         : StoreErrorKind::Io,
                     StoreAction::Open, path, e.Reason());
}

} // namespace

DatabaseFileFacts InspectDatabaseFile(const QString& path) {
    unsigned char header[kHeaderLength] = {};
    qint64 n = 0;
    try {
        // Never blocks on a pipe, and a device in the file's place is refused.
        files::RegularFileReader file(files::LocalPath(path));
        n = file.Read(reinterpret_cast<char*>(header), qint64(sizeof header));
    } catch (const files::FileError& e) {
        Refuse(e, path);
    }
    // An empty file is an empty database to SQLite; opening it finds no LoadData.
    if (n > 0 && (std::size_t(n) < kHeaderTextLength ||
                  std::memcmp(header, kHeaderText, kHeaderTextLength) != 0)) {
        throw StoreError(StoreErrorKind::NotOurs, StoreAction::Open, path,
                         QCoreApplication::translate("StoreError", "file is not a database"));
    }
    DatabaseFileFacts facts;
    facts.WriteAheadLog =
        std::size_t(n) > kReadVersionOffset && header[kReadVersionOffset] == kWalVersion;
    struct stat log {};
    facts.LogPresent = ::stat(files::LocalPath(path + "-wal").c_str(), &log) == 0;
    return facts;
}

} // namespace rangedesk::store
