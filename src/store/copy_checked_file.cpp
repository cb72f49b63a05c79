#include "copy_checked_file.h"

#include <QCoreApplication>

#include <QFile>

#include <cerrno>

#include "atomic_file.h"
#include "file_error.h"
#include "file_names.h"
#include "store_error.h"

namespace rangedesk::store {
namespace {

// The kind of store error a file error of the copy is.
StoreErrorKind KindOf(const files::FileError& e, bool ofSource) {
    switch (e.GetKind()) {
    case files::FileError::Kind::NotRegularFile:
    case files::FileError::Kind::Folder:
    case files::FileError::Kind::TooLarge:
        return StoreErrorKind::NotOurs;
    case files::FileError::Kind::System:
        break;
    }
    if (ofSource && e.SystemError() == ENOENT) {
        return StoreErrorKind::Missing;
    }
    if (!ofSource && (e.SystemError() == EACCES || e.SystemError() == EROFS)) {
        return StoreErrorKind::ReadOnly;
    }
    return StoreErrorKind::Io;
}

} // namespace

void CopyCheckedFile(const QString& from, const QString& to, qint64 maxBytes,
                     const std::function<void(const QString& copy)>& check) {
    const std::filesystem::path source = files::LocalPath(from);
    const std::filesystem::path target = files::LocalPath(to);
    // The user's private data; a database another start made meanwhile is the user's now.
    files::AtomicFileOptions options;
    options.Mode = 0600;
    options.KeepExisting = true;
    try {
        files::CopyFileAtomically(
            source, target,
            [&](const std::filesystem::path& copy) { check(QFile::decodeName(copy.c_str())); },
            maxBytes, options);
    } catch (const files::FileError& e) {
        const bool ofSource = e.File() == files::ShownPath(source);
        throw StoreError(
            KindOf(e, ofSource), StoreAction::Prepare, to,
            ofSource ? QString("%1: %2").arg(from, e.Reason())
                     : QCoreApplication::translate("StoreError", "its folder cannot be written: %1")
                           .arg(e.Reason()));
    }
}

} // namespace rangedesk::store
