#include "output_target.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace rangedesk::cli {
namespace {

FileError Failure(const QString& what, const QString& path, const QString& why) {
    return FileError(QString("%1 %2: %3").arg(what, path, why).toStdString());
}

} // namespace

OutputTarget::OutputTarget(const QString& path, Special special) : path_(path) {
    if (path == "-") {
        standardOutput_ = true;
        path_ = "standard output";
        stream_ = std::make_unique<QFile>();
        if (!stream_->open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            throw Failure("cannot write", path_, stream_->errorString());
        }
        return;
    }
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        const bool stream = !info.isDir() && special == Special::WriteInto;
        if (!stream) {
            throw Failure("cannot write", path,
                          info.isDir() ? "it is a folder"
                                       : "it is not a regular file, and is never replaced");
        }
        stream_ = std::make_unique<QFile>(path);
        if (!stream_->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            throw Failure("cannot write", path, stream_->errorString());
        }
        return;
    }
    file_ = std::make_unique<QSaveFile>(path);
    if (!file_->open(QIODevice::WriteOnly)) {
        throw Failure("cannot write", path, file_->errorString());
    }
}

OutputTarget::~OutputTarget() {
    if (file_ && file_->isOpen()) {
        file_->cancelWriting(); // the old file stays as it was
    }
}

QIODevice& OutputTarget::Device() {
    return stream_ ? static_cast<QIODevice&>(*stream_) : *file_;
}

void OutputTarget::Commit() {
    if (stream_) {
        std::fflush(stdout);
        return;
    }
    if (!file_->commit()) {
        throw Failure("cannot write", path_, file_->errorString());
    }
}

} // namespace rangedesk::cli
