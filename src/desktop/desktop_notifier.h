#pragma once

#include <QDBusConnection>
#include <QString>

#include <chrono>

namespace rangedesk::desktop {

struct NotifyResult {
    bool shown = false;
    QString error; // why not, when not shown
};

// Desktop notifications through org.freedesktop.Notifications on the session bus.
class DesktopNotifier {
public:
    explicit DesktopNotifier(QDBusConnection bus,
                             std::chrono::milliseconds timeout = std::chrono::seconds(2));

    NotifyResult Notify(const QString& summary, const QString& body) const;

private:
    QDBusConnection bus_;
    std::chrono::milliseconds timeout_;
};

} // namespace rangedesk::desktop
