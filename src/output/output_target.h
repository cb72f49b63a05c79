#pragma once

#include <QByteArrayView>
#include <QString>

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "export_error.h"

class QIODevice;

namespace rangedesk::files {
class AtomicFile;
class FdWriteDevice;
} // namespace rangedesk::files

namespace rangedesk::output {

// What an existing FIFO or character device named as a target gets: refused (an export, a
// printout) or the bytes written into it (a download's CSV stream).
enum class SpecialFile { Refuse, WriteInto };

// The record database and the files SQLite keeps beside it: never a target.
std::vector<std::filesystem::path> DatabaseFiles(const std::filesystem::path& database);

// Throws ExportError when `path` may not be written: an empty or blank name; a folder; an
// existing device or pipe,
// unless it is written into; one of the protected files, however it is named (a link, a hard
// link, another spelling of the path). "-" (standard output) is always allowed.
void CheckTarget(const std::filesystem::path& path, SpecialFile special,
                 const std::vector<std::filesystem::path>& protectedFiles);

// Where output goes: standard output for "-", straight into an existing FIFO or character
// device where that is allowed, otherwise a regular file replaced only once it is complete.
// Every write is checked; errors are ExportErrors naming the target and the system's reason.
class OutputTarget {
public:
    OutputTarget(const std::filesystem::path& path, SpecialFile special,
                 const std::vector<std::filesystem::path>& protectedFiles = {});
    ~OutputTarget();
    OutputTarget(const OutputTarget&) = delete;
    OutputTarget& operator=(const OutputTarget&) = delete;

    bool IsStandardOutput() const { return standardOutput_; }
    // "standard output", or the file's name as shown to the user.
    const QString& Name() const { return name_; }
    // For writers that need a file name: the temporary of a regular file, nullptr otherwise.
    const std::filesystem::path* TemporaryPath() const;

    // A failed write makes Commit() fail too: a stream cut short is never put in place.
    void Write(QByteArrayView bytes);
    // For writers that write to a device (QPdfWriter); their errors are reported by Commit().
    QIODevice& Device();
    // Puts a regular file in place, or closes the stream, once everything is written.
    void Commit();

private:
    [[noreturn]] void Fail(const ExportError& error);

    QString name_;
    bool standardOutput_ = false;
    int streamFd_ = -1; // standard output or an opened FIFO/device
    bool ownsStream_ = false;
    std::unique_ptr<files::AtomicFile> file_;
    std::unique_ptr<files::FdWriteDevice> streamDevice_;
    std::optional<ExportError> failure_;
};

} // namespace rangedesk::output
