#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The pristine files a test starts from: the template database CMake makes where the program
// never looks, and the report definition of the source tree. Never the build's lib/, which
// running the program upgrades and fills.
inline QString TemplateDatabase() {
    return RANGEDESK_TEMPLATE_DB;
}
inline QString TemplateReportDefinition() {
    return RANGEDESK_TEMPLATE_RAV;
}

// A fresh copy of the template database at `path`, writable by its owner.
inline bool CopyFreshDatabase(const QString& path) {
    QFile::remove(path);
    return QFile::copy(TemplateDatabase(), path) &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

// A program folder of its own for one test: lib/ with a fresh database and the report
// definition, beside nothing else.
class ProgramFolder {
public:
    enum class Database { Fresh, Missing };

    explicit ProgramFolder(Database db = Database::Fresh) {
        QDir().mkpath(LibPath());
        if (db == Database::Fresh) {
            CopyFreshDatabase(LibFile("DistLib.mdb"));
        }
        QFile::copy(TemplateReportDefinition(), LibFile("Vermo.rav"));
        QFile::setPermissions(LibFile("Vermo.rav"), QFile::ReadOwner | QFile::WriteOwner);
    }
    QString Path() const { return dir_.path(); }
    QString LibPath() const { return dir_.filePath("lib"); }
    QString LibFile(const QString& name) const { return dir_.filePath("lib/" + name); }

private:
    QTemporaryDir dir_;
};
