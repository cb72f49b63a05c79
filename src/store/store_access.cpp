#include "store_access.h"

#include "file_names.h"

#include <QByteArray>

#include <filesystem>

namespace rangedesk::store {

QString DatabaseUri(const QString& path, StoreAccess access) {
    // The name's own bytes, so a name that is not UTF-8 opens the file it names.
    const QByteArray bytes =
        QByteArray::fromStdString(std::filesystem::absolute(files::LocalPath(path)).native())
            .toPercentEncoding("/");
    return "file:" + QString::fromLatin1(bytes) +
           (access == StoreAccess::ReadOnly ? "?mode=ro" : "?mode=rw");
}

} // namespace rangedesk::store
