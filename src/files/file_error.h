#pragma once

#include <QString>

#include <stdexcept>

namespace rangedesk::files {

// A file that cannot be read or written: the message names the file and says why, once.
class FileError : public std::runtime_error {
public:
    enum class Kind {
        System,         // the system refused; SystemError() holds its error number
        NotRegularFile, // a device, a pipe or a socket where a file is needed
        Folder,         // a folder where a file is needed
        TooLarge,       // more bytes than the reader takes
    };

    // `message` is the whole sentence, e.g. "cannot write /a/b.csv: No space left on device".
    FileError(Kind kind, QString file, QString reason, const QString& message, int error = 0)
        : std::runtime_error(message.toStdString()), kind_(kind), file_(std::move(file)),
          reason_(std::move(reason)), error_(error) {}

    Kind GetKind() const { return kind_; }
    // The file as shown to the user.
    const QString& File() const { return file_; }
    // Why, without the file: "No space left on device".
    const QString& Reason() const { return reason_; }
    // The system's error number, 0 when the system gave none.
    int SystemError() const { return error_; }

private:
    Kind kind_;
    QString file_;
    QString reason_;
    int error_;
};

} // namespace rangedesk::files
