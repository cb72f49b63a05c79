#pragma once

#include <QString>

namespace rangedesk::desktop::portal {

// Where the RemoteDesktop portal's restore token is kept between runs, so a portal that
// supports it does not ask the user again.
class RestoreTokenStore {
public:
    virtual ~RestoreTokenStore() = default;
    virtual QString Load() const = 0;
    virtual void Save(const QString& token) = 0;
};

// The token in the application's QSettings, key "typing/portalRestoreToken".
class SettingsRestoreTokenStore : public RestoreTokenStore {
public:
    QString Load() const override;
    void Save(const QString& token) override;
};

} // namespace rangedesk::desktop::portal
