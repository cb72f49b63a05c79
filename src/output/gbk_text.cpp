#include "gbk_text.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace rangedesk::output {

std::string ToGbk(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    iconv_t cd = ::iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("iconv cannot convert to GBK");
    }
    std::string out;
    out.resize(static_cast<std::size_t>(utf8.size()) * 2 + 4);
    char* in = const_cast<char*>(utf8.constData());
    std::size_t inLeft = static_cast<std::size_t>(utf8.size());
    char* dst = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        if (::iconv(cd, &in, &inLeft, &dst, &outLeft) != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno != EILSEQ && errno != EINVAL) {
            break;
        }
        // Skip the whole UTF-8 sequence GBK cannot hold and write "?".
        std::size_t skip = 1;
        while (skip < inLeft && (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80) {
            ++skip;
        }
        in += skip;
        inLeft -= skip;
        *dst++ = '?';
        --outLeft;
    }
    ::iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace rangedesk::output
