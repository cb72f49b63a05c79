#include "export_error.h"

#include <QCoreApplication>

namespace rangedesk::output {
namespace {

QString MessageOf(const QString& file, const QString& reason) {
    return file.isEmpty() ? reason
                          : QCoreApplication::translate("ExportError", "cannot write %1: %2")
                                .arg(file, reason);
}

ExportError::Kind KindOf(files::FileError::Kind kind) {
    switch (kind) {
    case files::FileError::Kind::NotRegularFile:
        return ExportError::Kind::NotRegularFile;
    case files::FileError::Kind::Folder:
        return ExportError::Kind::Folder;
    case files::FileError::Kind::System:
    case files::FileError::Kind::TooLarge:
        break;
    }
    return ExportError::Kind::System;
}

} // namespace

ExportError::ExportError(Kind kind, QString file, QString reason)
    : ExportError(kind, file, reason, MessageOf(file, reason)) {}

ExportError::ExportError(Kind kind, QString file, QString reason, const QString& message)
    : std::runtime_error(message.toStdString()), kind_(kind), file_(std::move(file)),
      reason_(std::move(reason)) {}

ExportError ExportError::From(const files::FileError& error) {
    return ExportError(KindOf(error.GetKind()), error.File(), error.Reason(),
                       QString::fromStdString(error.what()));
}

} // namespace rangedesk::output
