#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantList>

// The arguments of every call of `method` that a python-dbusmock object recorded (its
// org.freedesktop.DBus.Mock.GetCalls, a(tsav)).
inline QList<QVariantList> MockCalls(const QDBusConnection& bus, const QString& service,
                                     const QString& path, const QString& method) {
    const auto call =
        QDBusMessage::createMethodCall(service, path, "org.freedesktop.DBus.Mock", "GetCalls");
    const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
    QList<QVariantList> calls;
    if (reply.type() != QDBusMessage::ReplyMessage) {
        return calls;
    }
    const auto log = reply.arguments().value(0).value<QDBusArgument>();
    log.beginArray();
    while (!log.atEnd()) {
        quint64 time = 0;
        QString name;
        QVariantList arguments;
        log.beginStructure();
        log >> time >> name >> arguments;
        log.endStructure();
        if (name == method) {
            calls << arguments;
        }
    }
    log.endArray();
    return calls;
}
