#include "data_location.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "copy_checked_file.h"
#include "database_opener.h"
#include "file_names.h"
#include "store_error.h"

namespace rangedesk::store {
namespace {

constexpr const char* kDatabase = "DistLib.mdb";
constexpr const char* kReportDefinition = kPrintoutDefinitionFile;
constexpr const char* kApplicationFolder = "RangeDesk";
// A template is a new, empty database; a bigger one is no template of ours.
constexpr qint64 kMaxTemplateBytes = 64 * 1024 * 1024;

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Makes the folder and any missing parent, each 0700 as the XDG rule asks.
void MakeFolders(const QString& folder, const QString& database) {
    const QString path = QDir::cleanPath(folder);
    for (qsizetype end = path.indexOf('/', 1);; end = path.indexOf('/', end + 1)) {
        const QString made = end < 0 ? path : path.left(end);
        if (::mkdir(files::LocalPath(made).c_str(), 0700) != 0 && errno != EEXIST) {
            const int error = errno;
            throw StoreError(
                error == EACCES || error == EROFS ? StoreErrorKind::ReadOnly : StoreErrorKind::Io,
                StoreAction::Prepare, database,
                QCoreApplication::translate("StoreError", "the folder %1 cannot be made: %2")
                    .arg(made, SystemReason(error)));
        }
        if (end < 0) {
            return;
        }
    }
}

} // namespace

QString UserDataFolder(const QString& xdgDataHome, const QString& home) {
    if (QDir::isAbsolutePath(xdgDataHome)) {
        return QDir::cleanPath(xdgDataHome + "/" + kApplicationFolder);
    }
    if (QDir::isAbsolutePath(home)) {
        return QDir::cleanPath(home + "/.local/share/" + kApplicationFolder);
    }
    return {};
}

DataLocation ChooseDataLocation(const QString& programDir, const QString& userDataDir,
                                bool libWritable, bool userHasReportDefinition) {
    const QDir lib(QDir(programDir).filePath("lib"));
    if (libWritable) {
        return {lib.filePath(kDatabase), lib.filePath(kReportDefinition), {}};
    }
    if (userDataDir.isEmpty()) {
        return {{}, lib.filePath(kReportDefinition), lib.filePath(kDatabase)};
    }
    const QDir user(userDataDir);
    return {user.filePath(kDatabase),
            ChooseReportFile(programDir, userDataDir, libWritable, userHasReportDefinition,
                             kReportDefinition),
            lib.filePath(kDatabase)};
}

QString ChooseReportFile(const QString& programDir, const QString& userDataDir, bool libWritable,
                         bool userHasFile, const QString& fileName) {
    if (!libWritable && !userDataDir.isEmpty() && userHasFile) {
        return QDir(userDataDir).filePath(fileName);
    }
    return QDir(QDir(programDir).filePath("lib")).filePath(fileName);
}

namespace {

// Whether this program keeps its data in lib/ beside it: the user may write it and the program
// is not installed under /usr.
bool LibWritable(const QString& programDir) {
    const QString lib = QDir(programDir).filePath("lib");
    const bool installed = QFileInfo(programDir).canonicalFilePath().startsWith("/usr/");
    return !installed && ::access(files::LocalPath(lib).c_str(), W_OK) == 0;
}

QString ThisUsersDataFolder() {
    return UserDataFolder(qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"));
}

bool UserHas(const QString& userDir, const QString& fileName) {
    return !userDir.isEmpty() && QFileInfo::exists(QDir(userDir).filePath(fileName));
}

} // namespace

DataLocation LocateData(const QString& programDir) {
    const QString userDir = ThisUsersDataFolder();
    return ChooseDataLocation(programDir, userDir, LibWritable(programDir),
                              UserHas(userDir, kReportDefinition));
}

QString LocateReportFile(const QString& programDir, const QString& fileName) {
    const QString userDir = ThisUsersDataFolder();
    return ChooseReportFile(programDir, userDir, LibWritable(programDir),
                            UserHas(userDir, fileName), fileName);
}

void PrepareUserDatabase(const DataLocation& location) {
    if (location.Template.isEmpty()) {
        return; // the program folder's own database
    }
    if (location.Database.isEmpty()) {
        throw StoreError(
            StoreErrorKind::Io, StoreAction::Prepare, {},
            QCoreApplication::translate(
                "StoreError",
                "HOME is not set to an absolute folder, so there is no folder for it"));
    }
    struct stat st {};
    if (::lstat(files::LocalPath(location.Database).c_str(), &st) == 0) {
        return; // made before; opening it says what is wrong with it, if anything
    }
    MakeFolders(QFileInfo(location.Database).absolutePath(), location.Database);
    CopyCheckedFile(
        location.Template, location.Database, kMaxTemplateBytes, [&](const QString& copy) {
            try {
                CheckPrivateDatabaseFile(copy);
            } catch (const StoreError& e) {
                throw StoreError(e.Kind(), StoreAction::Prepare, location.Database,
                                 QCoreApplication::translate("StoreError",
                                                             "the template %1 is not a RangeDesk "
                                                             "database: %2")
                                     .arg(location.Template, e.Reason()));
            }
        });
}

DataLocation PrepareUserData(const QString& programDir) {
    DataLocation location = LocateData(programDir);
    PrepareUserDatabase(location);
    return location;
}

} // namespace rangedesk::store
