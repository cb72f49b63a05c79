#pragma once

#include <QString>

#include <memory>
#include <stdexcept>

class QFile;
class QIODevice;
class QSaveFile;

namespace rangedesk::cli {

// A file that cannot be read or written; the message names it and says why.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where a command writes: standard output for "-", straight into an existing FIFO or character
// device where that is allowed, otherwise a regular file replaced only once it is complete.
class OutputTarget {
public:
    enum class Special { Refuse, WriteInto };

    // Throws FileError.
    OutputTarget(const QString& path, Special special);
    ~OutputTarget();
    OutputTarget(const OutputTarget&) = delete;
    OutputTarget& operator=(const OutputTarget&) = delete;

    QIODevice& Device();
    bool IsStandardOutput() const { return standardOutput_; }
    const QString& Path() const { return path_; }
    // Puts the file in place (a regular file) or flushes the stream; throws FileError.
    void Commit();

private:
    QString path_;
    bool standardOutput_ = false;
    std::unique_ptr<QFile> stream_;
    std::unique_ptr<QSaveFile> file_;
};

} // namespace rangedesk::cli
