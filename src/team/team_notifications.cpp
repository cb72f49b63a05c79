#include "team_notifications.h"

#include <QSqlDriver>

#include "server_schema.h"
#include "team_connection.h"

namespace rangedesk::team {

TeamNotifications::TeamNotifications(TeamConnection& connection, QObject* parent)
    : QObject(parent), connection_(connection) {
    QSqlDriver* driver = connection_.Database().driver();
    listening_ = driver->subscribeToNotification(kChangeChannel);
    connect(driver, &QSqlDriver::notification, this,
            [this](const QString& name, QSqlDriver::NotificationSource, const QVariant& payload) {
                if (name == kChangeChannel) {
                    emit Changed(payload.toString());
                }
            });
}

TeamNotifications::~TeamNotifications() {
    if (listening_ && connection_.Database().isOpen()) {
        connection_.Database().driver()->unsubscribeFromNotification(kChangeChannel);
    }
}

} // namespace rangedesk::team
