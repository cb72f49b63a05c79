#include "atomic_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace rangedesk::output {

QString NotReplaceable(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile()) {
        return {};
    }
    return info.isDir() ? QStringLiteral("it is a folder")
                        : QStringLiteral("it is not a regular file (a device or a pipe), and is "
                                         "never replaced by one");
}

QString WriteFileAtomically(const QString& path, const std::vector<std::uint8_t>& bytes) {
    if (const QString why = NotReplaceable(path); !why.isEmpty()) {
        return why;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
        qint64(bytes.size())) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

} // namespace rangedesk::output
