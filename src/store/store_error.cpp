#include "store_error.h"

#include <QCoreApplication>

namespace rangedesk::store {
namespace {

// What could not be done, as a whole sentence with the file (%1) and the reason (%2).
QString ActionSentence(StoreAction action) {
    switch (action) {
    case StoreAction::Open:
        return QCoreApplication::translate("StoreError", "cannot open %1: %2");
    case StoreAction::Read:
        return QCoreApplication::translate("StoreError", "cannot read %1: %2");
    case StoreAction::Write:
        return QCoreApplication::translate("StoreError", "cannot write %1: %2");
    case StoreAction::Prepare:
        return QCoreApplication::translate("StoreError", "cannot make the user's database %1: %2");
    }
    return QCoreApplication::translate("StoreError", "cannot use %1: %2");
}

// The same without a file: the reason (%1) names what failed.
QString ActionSentenceWithoutFile(StoreAction action) {
    switch (action) {
    case StoreAction::Open:
        return QCoreApplication::translate("StoreError", "cannot open: %1");
    case StoreAction::Read:
        return QCoreApplication::translate("StoreError", "cannot read: %1");
    case StoreAction::Write:
        return QCoreApplication::translate("StoreError", "cannot write: %1");
    case StoreAction::Prepare:
        return QCoreApplication::translate("StoreError", "cannot make the user's database: %1");
    }
    return QCoreApplication::translate("StoreError", "cannot use: %1");
}

} // namespace

QString StoreErrorMessage(StoreErrorKind kind, StoreAction action, const QString& path,
                          const QString& reason) {
    if (kind == StoreErrorKind::NewerVersion) {
        return QCoreApplication::translate("StoreError", "%1 was written by a newer RangeDesk: %2")
            .arg(path, reason);
    }
    return path.isEmpty() ? ActionSentenceWithoutFile(action).arg(reason)
                          : ActionSentence(action).arg(path, reason);
}

StoreError::StoreError(StoreErrorKind kind, StoreAction action, const QString& path,
                       const QString& reason)
    : std::runtime_error(StoreErrorMessage(kind, action, path, reason).toStdString()), kind_(kind),
      path_(path), reason_(reason) {}

} // namespace rangedesk::store
