#pragma once

#include <QString>

#include <stdexcept>

#include "file_error.h"

namespace rangedesk::output {

// Why records could not leave the program: an export, a printout to a file, a CSV stream.
// The message names the file (or "standard output") and the reason, once.
class ExportError : public std::runtime_error {
public:
    enum class Kind {
        NoName,         // the name is empty or blank
        EmptyTable,     // no rows to write
        TooManyRows,    // more rows than the format holds
        NotRegularFile, // the target is a device or a pipe, never replaced by a file
        Folder,         // the target is a folder
        Protected,      // the target is the record database (or a file SQLite keeps beside it)
        System,         // the system refused (a full disk, no permission)
        UnitsInXls,     // converted units asked of the legacy XLS, which holds texts as measured
    };

    // "cannot write FILE: REASON", or REASON alone when no file is concerned.
    ExportError(Kind kind, QString file, QString reason);
    ExportError(Kind kind, QString file, QString reason, const QString& message);
    // The same failure of a file primitive, as an output failure.
    static ExportError From(const files::FileError& error);

    Kind GetKind() const { return kind_; }
    // The file as shown to the user, empty when the failure is not a file's.
    const QString& File() const { return file_; }
    const QString& Reason() const { return reason_; }

private:
    Kind kind_;
    QString file_;
    QString reason_;
};

} // namespace rangedesk::output
