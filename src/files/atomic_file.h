#pragma once

#include <QByteArrayView>
#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <sys/types.h>

class QIODevice;

namespace rangedesk::files {

class FdWriteDevice;

// What committing does that differs from replacing a file as a user's export does.
struct AtomicFileOptions {
    // The mode the file gets; without one, the replaced file's, or what the umask gives.
    std::optional<mode_t> Mode;
    // A file that is there when committing (one another process made meanwhile) stays, and
    // the temporary goes: for a file made once and then the user's own.
    bool KeepExisting = false;
};

// A file replaced whole or not at all. It is written as a temporary beside the target, with a
// short name (".rangedesk-XXXXXX", so a target name of up to 255 bytes still works), and
// renamed over the target by Commit(). A link is written through: the file it names is
// replaced and the link stays. A replaced file keeps its mode; a new one gets what the umask
// allows (0666 & ~umask). The temporary is removed when the file is not committed or when
// committing fails. Every error is a FileError naming the target and the system's reason.
class AtomicFile {
public:
    // Creates the temporary; throws FileError.
    explicit AtomicFile(const std::filesystem::path& target, AtomicFileOptions options = {});
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // The file Commit() replaces: the target with its links followed.
    const std::filesystem::path& Target() const { return target_; }
    // For writers that open a file by name (libxlsxwriter): they write the temporary.
    const std::filesystem::path& TemporaryPath() const { return temporary_; }
    // For writers that write to a device (QPdfWriter); their errors are reported by Commit().
    QIODevice& Device();
    // Writes every byte to the temporary; throws FileError.
    void Write(QByteArrayView bytes);
    // Syncs the temporary to the disk, gives it its mode and renames it over the target;
    // throws FileError, and the target is then as it was.
    void Commit();

private:
    void RemoveTemporary() noexcept;

    QString shown_;
    AtomicFileOptions options_;
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    bool committed_ = false;
    std::unique_ptr<FdWriteDevice> device_;
};

// Writes `bytes` to `target` through an AtomicFile.
void WriteFileAtomically(const std::filesystem::path& target, QByteArrayView bytes);

// Copies the regular file `source` (at most `limit` bytes, none for no limit) to `target`
// through an AtomicFile. `check`, when given, runs on the complete temporary before it is put
// in place (to see that it is what it should be); whatever it throws leaves the target as it
// was and reaches the caller. Throws FileError.
void CopyFileAtomically(
    const std::filesystem::path& source, const std::filesystem::path& target,
    const std::function<void(const std::filesystem::path& temporary)>& check = {},
    std::optional<qint64> limit = std::nullopt, AtomicFileOptions options = {});

} // namespace rangedesk::files
