#pragma once

#include <QString>

#include <optional>

#include "unique_fd.h"

namespace rangedesk::store {

class StoreError;

// Who writes a database now: the process, and the download it runs (0 for a load, a delete or a
// redecode, or while a download has no row yet; kBriefHolder for a brief writer).
struct WriterHolder {
    qint64 Pid = 0;
    qint64 Download = 0;
};

// How long a writer holds the database. A brief writer (the team push marking what the server
// holds, taking over another desk's edit) holds it for a few statements: another writer that
// finds it there waits it out instead of being refused, so a download or an edit never fails
// because of the push.
enum class WriterHold { Lasting, Brief };
inline constexpr qint64 kBriefHolder = -1;
// The longest a writer waits for a brief holder before it is refused after all.
inline constexpr int kBriefWaitMs = 2000;

// "the database is in use by a download (process N)", kind InUse.
StoreError InUseError(const QString& databasePath, const WriterHolder& holder);

// One writer at a time on a database: a download (for its whole life), a load, a delete or a
// redecode holds an open-file-description lock (F_OFD_SETLK) on a lock file beside the database.
// The lock is not on the database file itself, whose own locks SQLite keeps. It is tied to this
// object's descriptor, so two writers in one process exclude each other as two processes do, and
// closing some other descriptor of the file drops nothing. The kernel drops it when the holder
// dies, so a killed program never leaves the database held. The holder writes its process id and
// download into the file, because such a lock reports no owner.
class WriterLock {
public:
    explicit WriterLock(const QString& databasePath);
    ~WriterLock();
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

    // Takes the database for this writer; nothing when this object holds it already. A brief
    // holder is waited out (up to kBriefWaitMs); any other is refused at once. Throws
    // StoreError: InUse naming the holder's process, or why the lock file cannot be made.
    void Acquire(WriterHold hold = WriterHold::Lasting);
    // Says which download the holder runs.
    void SetDownload(qint64 id);
    // Lets go and removes the lock file.
    void Release();
    bool Held() const { return fd_.valid(); }

    // Who holds the database, read without taking it; nothing when no one does.
    static std::optional<WriterHolder> HolderOf(const QString& databasePath);
    // The lock file of a database: beside the file the path leads to, with "-lock" added.
    static QString LockPathOf(const QString& databasePath);

private:
    void WriteHolder(qint64 download);

    QString databasePath_;
    QString lockPath_;
    hid::UniqueFd fd_;
};

// Holds a writer lock for a scope.
class WriterScope {
public:
    explicit WriterScope(WriterLock& lock, WriterHold hold = WriterHold::Lasting) : lock_(lock) {
        lock_.Acquire(hold);
    }
    ~WriterScope() { lock_.Release(); }
    WriterScope(const WriterScope&) = delete;
    WriterScope& operator=(const WriterScope&) = delete;

private:
    WriterLock& lock_;
};

} // namespace rangedesk::store
