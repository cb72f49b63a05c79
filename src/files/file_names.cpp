#include "file_names.h"

#include <QFile>

#include <cstring>
#include <sys/stat.h>

namespace rangedesk::files {

namespace {

constexpr char16_t kEscapedByte = 0xDC00;

// The length of the UTF-8 sequence at `at`, 0 when the bytes there are no valid UTF-8.
int Utf8SequenceLength(const QByteArray& bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    const int length = lead < 0x80           ? 1
                       : (lead >> 5) == 0x6  ? 2
                       : (lead >> 4) == 0xE  ? 3
                       : (lead >> 3) == 0x1E ? 4
                                             : 0;
    if (length == 0 || at + length > bytes.size()) {
        return 0;
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are not valid UTF-8.
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        return 0;
    }
    return length;
}

} // namespace

QString NameFromBytes(const QByteArray& bytes) {
    QString name;
    for (qsizetype at = 0; at < bytes.size();) {
        const int length = Utf8SequenceLength(bytes, at);
        if (length == 0) {
            name += QChar(char16_t(kEscapedByte + static_cast<unsigned char>(bytes[at])));
            ++at;
            continue;
        }
        name += QString::fromUtf8(bytes.constData() + at, length);
        at += length;
    }
    return name;
}

std::filesystem::path LocalPath(const QString& name) {
    std::string bytes;
    for (qsizetype at = 0; at < name.size(); ++at) {
        const char16_t unit = name[at].unicode();
        const bool highSurrogate = unit >= 0xD800 && unit <= 0xDBFF && at + 1 < name.size() &&
                                   name[at + 1].isLowSurrogate();
        if (unit >= kEscapedByte + 0x80 && unit <= kEscapedByte + 0xFF) {
            bytes += static_cast<char>(unit - kEscapedByte);
        } else {
            bytes += name.mid(at, highSurrogate ? 2 : 1).toUtf8().toStdString();
            at += highSurrogate ? 1 : 0;
        }
    }
    return std::filesystem::path(bytes);
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
