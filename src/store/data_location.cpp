#include "data_location.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace rangedesk::store {
namespace {

constexpr const char* kDatabase = "DistLib.mdb";
constexpr const char* kReportDefinition = "Vermo.rav";

} // namespace

DataLocation ChooseDataLocation(const QString& programDir, const QString& userDataDir,
                                bool libWritable, bool userHasReportDefinition) {
    const QDir lib(QDir(programDir).filePath("lib"));
    if (libWritable) {
        return {lib.filePath(kDatabase), lib.filePath(kReportDefinition), {}};
    }
    const QDir user(userDataDir);
    return {user.filePath(kDatabase),
            userHasReportDefinition ? user.filePath(kReportDefinition)
                                    : lib.filePath(kReportDefinition),
            lib.filePath(kDatabase)};
}

DataLocation LocateData(const QString& programDir) {
    const QString lib = QDir(programDir).filePath("lib");
    const bool installed = QFileInfo(programDir).canonicalFilePath().startsWith("/usr/");
    const bool writable = !installed && ::access(QFile::encodeName(lib).constData(), W_OK) == 0;
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return ChooseDataLocation(programDir, userDir, writable,
                              QFileInfo::exists(QDir(userDir).filePath(kReportDefinition)));
}

QString PrepareUserDatabase(const DataLocation& location) {
    if (location.Template.isEmpty() || QFileInfo::exists(location.Database) ||
        !QFileInfo::exists(location.Template)) {
        return {};
    }
    if (!QDir().mkpath(QFileInfo(location.Database).absolutePath())) {
        return "cannot make the folder " + QFileInfo(location.Database).absolutePath();
    }
    QFile copy(location.Template);
    if (!copy.copy(location.Database)) {
        return QString("cannot copy %1 to %2: %3")
            .arg(location.Template, location.Database, copy.errorString());
    }
    // The template may be read-only; the user's copy is the user's to write.
    QFile::setPermissions(location.Database, QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ReadGroup | QFile::ReadOther);
    return {};
}

} // namespace rangedesk::store
