#include "store_access.h"

#include <QUrl>

namespace rangedesk::store {

QString DatabaseUri(const QString& absolutePath, StoreAccess access) {
    const QByteArray path = QUrl::toPercentEncoding(absolutePath, "/");
    return "file:" + QString::fromLatin1(path) +
           (access == StoreAccess::ReadOnly ? "?mode=ro" : "?mode=rw");
}

} // namespace rangedesk::store
