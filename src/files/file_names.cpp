#include "file_names.h"

#include <QFile>

#include <cstring>
#include <sys/stat.h>

namespace rangedesk::files {

std::filesystem::path LocalPath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

std::filesystem::path FollowLinks(const std::filesystem::path& name) {
    std::error_code ec;
    std::filesystem::path path = std::filesystem::absolute(name, ec);
    if (ec) {
        return name;
    }
    // As many links as the system itself follows in one name.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            break;
        }
        const std::filesystem::path link = std::filesystem::read_symlink(path, ec);
        if (ec) {
            break;
        }
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

QString ShownPath(const std::filesystem::path& path) {
    return QString::fromLocal8Bit(QByteArray::fromStdString(EscapeControls(path.native())));
}

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace rangedesk::files
