#include "store_error.h"

namespace rangedesk::store {
namespace {

QString ActionWords(StoreAction action) {
    switch (action) {
    case StoreAction::Open:
        return "cannot open";
    case StoreAction::Read:
        return "cannot read";
    case StoreAction::Write:
        return "cannot write";
    case StoreAction::Prepare:
        return "cannot make the user's database";
    }
    return "cannot use";
}

} // namespace

QString StoreErrorMessage(StoreErrorKind kind, StoreAction action, const QString& path,
                          const QString& reason) {
    if (kind == StoreErrorKind::NewerVersion) {
        return QString("%1 was written by a newer RangeDesk: %2").arg(path, reason);
    }
    const QString subject = path.isEmpty() ? QString() : " " + path;
    return ActionWords(action) + subject + ": " + reason;
}

StoreError::StoreError(StoreErrorKind kind, StoreAction action, const QString& path,
                       const QString& reason)
    : std::runtime_error(StoreErrorMessage(kind, action, path, reason).toStdString()), kind_(kind),
      path_(path), reason_(reason) {}

} // namespace rangedesk::store
