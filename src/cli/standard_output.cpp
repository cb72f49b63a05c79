#include "standard_output.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>

#include "commands.h"
#include "file_error.h"
#include "file_names.h"

namespace rangedesk::cli {
namespace {

[[noreturn]] void Fail(int error) {
    const QString reason = files::SystemReason(error == 0 ? EIO : error);
    throw files::FileError(
        files::FileError::Kind::System, "standard output", reason,
        QCoreApplication::translate("CliOutput", "cannot write standard output: %1").arg(reason),
        error);
}

} // namespace

void PrintOut(QByteArrayView bytes) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, std::size_t(bytes.size()), stdout) !=
            std::size_t(bytes.size()) ||
        std::ferror(stdout)) {
        Fail(errno);
    }
}

void PrintLine(const QString& text) {
    PrintOut(text.toUtf8() + '\n');
}

void PrintError(const QString& message) {
    std::fprintf(stderr, "rangedesk-cli: %s\n", message.toUtf8().constData());
}

void FlushOut() {
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        Fail(errno);
    }
}

} // namespace rangedesk::cli
