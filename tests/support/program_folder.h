#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A program folder of its own for one test: lib/ with a fresh copy of the built database and
// the report definition, beside nothing else.
class ProgramFolder {
public:
    enum class Database { Fresh, Missing };

    explicit ProgramFolder(Database db = Database::Fresh) {
        QDir().mkpath(LibPath());
        const QString built = QString(RANGEDESK_BUILT_LIB) + "/";
        if (db == Database::Fresh) {
            QFile::copy(built + "DistLib.mdb", LibFile("DistLib.mdb"));
            QFile::setPermissions(LibFile("DistLib.mdb"), QFile::ReadOwner | QFile::WriteOwner);
        }
        QFile::copy(built + "Vermo.rav", LibFile("Vermo.rav"));
        QFile::setPermissions(LibFile("Vermo.rav"), QFile::ReadOwner | QFile::WriteOwner);
    }
    QString Path() const { return dir_.path(); }
    QString LibPath() const { return dir_.filePath("lib"); }
    QString LibFile(const QString& name) const { return dir_.filePath("lib/" + name); }

private:
    QTemporaryDir dir_;
};
