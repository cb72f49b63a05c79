#include "portal/restore_token_store.h"

#include <QSettings>

namespace rangedesk::desktop::portal {

namespace {

const QString kKey = QStringLiteral("typing/portalRestoreToken");

} // namespace

QString SettingsRestoreTokenStore::Load() const {
    return QSettings().value(kKey).toString();
}

void SettingsRestoreTokenStore::Save(const QString& token) {
    QSettings().setValue(kKey, token);
}

} // namespace rangedesk::desktop::portal
