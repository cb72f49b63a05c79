#pragma once

#include <QString>

#include <stdexcept>

namespace rangedesk::store {

// What went wrong with a database, as the window and the command line tell it apart.
enum class StoreErrorKind {
    Missing,      // the file (or the template it is made from) does not exist
    NotOurs,      // not a database of this program: no database, no LoadData, a folder, a pipe
    NewerVersion, // written by a newer RangeDesk; left as it is
    Locked,       // another program holds the database's own lock
    ReadOnly,     // this user may read but not write it (or its folder)
    InUse,        // another download, load or delete runs on it (one writer at a time)
    Io,           // anything else the system or the engine refused: a full disk, a bad sector
};

// What was being done when it went wrong; it starts the message.
enum class StoreAction { Open, Read, Write, Prepare };

// A database failure: its kind, the file, and the system's or the engine's reason, each once.
// what() is the one-line message: "cannot open /x/DistLib.mdb: file is not a database".
class StoreError : public std::runtime_error {
public:
    StoreError(StoreErrorKind kind, StoreAction action, const QString& path, const QString& reason);

    StoreErrorKind Kind() const { return kind_; }
    const QString& Path() const { return path_; }
    const QString& Reason() const { return reason_; }
    QString Message() const { return QString::fromUtf8(what()); }

private:
    StoreErrorKind kind_;
    QString path_;
    QString reason_;
};

// The message of a failure, the path once and the reason once.
QString StoreErrorMessage(StoreErrorKind kind, StoreAction action, const QString& path,
                          const QString& reason);

} // namespace rangedesk::store
