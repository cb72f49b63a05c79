#pragma once

#include <QObject>
#include <QString>

namespace rangedesk::team {

class TeamConnection;

// Change notices of the team server (LISTEN/NOTIFY) as a Qt signal, on the connection's own
// thread: an open History window refreshes when a desk pushes, without polling the tables.
class TeamNotifications : public QObject {
    Q_OBJECT

public:
    // Listens on `connection`, which must outlive this object and stay on this thread.
    explicit TeamNotifications(TeamConnection& connection, QObject* parent = nullptr);
    ~TeamNotifications() override;

    bool IsListening() const { return listening_; }

signals:
    // A desk (named as it names itself; empty for an administrator's change) changed rows.
    void Changed(const QString& desk);

private:
    TeamConnection& connection_;
    bool listening_ = false;
};

} // namespace rangedesk::team
