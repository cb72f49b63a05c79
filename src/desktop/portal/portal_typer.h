#pragma once

#include <QDBusConnection>
#include <QString>

#include <chrono>
#include <memory>

#include "portal/restore_token_store.h"
#include "typer.h"

class OrgFreedesktopPortalSessionInterface;

namespace rangedesk::desktop::portal {

// Types through the RemoteDesktop portal (GNOME, KDE under Wayland): one session, asked for
// once with the keyboard only (CreateSession, SelectDevices, Start, the portal's own consent
// dialog), then each key as NotifyKeyboardKeysym press and release. Portals of version 2 and
// later keep the consent with a restore token, which the store keeps between runs. When the
// user declines, Type fails and says so; a FallbackTyper then puts the text on the clipboard.
class PortalTyper : public Typer {
public:
    struct Timeouts {
        std::chrono::milliseconds call = std::chrono::seconds(5);
        std::chrono::milliseconds consent = std::chrono::minutes(2); // the user reads a dialog
    };

    PortalTyper(QDBusConnection bus, RestoreTokenStore& tokens);
    PortalTyper(QDBusConnection bus, RestoreTokenStore& tokens, Timeouts timeouts);
    ~PortalTyper() override;
    PortalTyper(const PortalTyper&) = delete;
    PortalTyper& operator=(const PortalTyper&) = delete;

    // Whether the bus has a desktop portal whose RemoteDesktop offers a keyboard.
    static bool Probe(const QDBusConnection& bus);

    // The window the consent dialog belongs to ("x11:1c00007", "wayland:HANDLE"), if known.
    void SetParentWindow(const QString& parent) { parentWindow_ = parent; }

    QString Name() const override;
    TypeResult Type(const KeyStrokes& strokes) override;

    bool HasSession() const { return !session_.isEmpty(); }

private:
    QString StartSession();
    void ForgetSession();
    QString NextToken();

    QDBusConnection bus_;
    RestoreTokenStore& tokens_;
    Timeouts timeouts_;
    QString parentWindow_;
    QString session_;
    std::unique_ptr<OrgFreedesktopPortalSessionInterface> sessionProxy_;
    int tokenCounter_ = 0;
};

} // namespace rangedesk::desktop::portal
