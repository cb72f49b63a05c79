#pragma once

#include <QDBusConnection>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

// A session bus of the test's own: a dbus-daemon with a configuration that activates nothing,
// so no service of the machine answers in place of the test's mocks.
class PrivateBus {
public:
    static bool Available() { return !QStandardPaths::findExecutable("dbus-daemon").isEmpty(); }

    PrivateBus() {
        const QString config = dir_.filePath("bus.conf");
        QFile file(config);
        file.open(QIODevice::WriteOnly);
        file.write(QStringLiteral(R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)")
                       .arg(dir_.path())
                       .toUtf8());
        file.close();
        daemon_.start("dbus-daemon", {"--config-file=" + config, "--nofork", "--print-address"});
        if (daemon_.waitForStarted(5000) && daemon_.waitForReadyRead(10000)) {
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        }
    }
    ~PrivateBus() {
        for (const QString& name : names_) {
            QDBusConnection::disconnectFromBus(name);
        }
        daemon_.terminate();
        daemon_.waitForFinished(5000);
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    QString Address() const { return address_; }
    QString Error() const { return daemon_.errorString() + " " + daemon_.readAllStandardError(); }

    // A new connection of this process to the bus, as another program would have.
    QDBusConnection Connect() {
        const QString name = QStringLiteral("private-bus-%1").arg(names_.size());
        names_ << name;
        return QDBusConnection::connectToBus(address_, name);
    }

private:
    QTemporaryDir dir_;
    mutable QProcess daemon_;
    QString address_;
    QStringList names_;
};
