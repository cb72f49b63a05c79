#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTest>

// A python-dbusmock service on a private bus, from a template (a name or a .py file).
class DBusMock {
public:
    // Debian's interpreter, which python3-dbusmock installs into (not a python3 of the
    // user's own that PATH may find first).
    static QString Python() { return "/usr/bin/python3"; }

    static bool Available() {
        QProcess python;
        python.start(Python(), {"-c", "import dbusmock"});
        return python.waitForFinished(20000) && python.exitCode() == 0;
    }

    // Starts the mock and waits until it owns `busName` on `bus`.
    DBusMock(const QString& address, const QString& busName, const QString& templateName,
             const QString& parameters, const QDBusConnection& bus) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", address);
        mock_.setProcessEnvironment(env);
        mock_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList arguments{"-m", "dbusmock", "--template", templateName};
        if (!parameters.isEmpty()) {
            arguments << "--parameters" << parameters;
        }
        mock_.start(Python(), arguments);
        ready_ = mock_.waitForStarted(10000) &&
                 QTest::qWaitFor(
                     [&] {
                         return bus.interface()->isServiceRegistered(busName).value() ||
                                mock_.state() == QProcess::NotRunning;
                     },
                     30000) &&
                 mock_.state() == QProcess::Running;
    }
    ~DBusMock() {
        mock_.terminate();
        if (!mock_.waitForFinished(5000)) {
            mock_.kill();
            mock_.waitForFinished(5000);
        }
    }
    DBusMock(const DBusMock&) = delete;
    DBusMock& operator=(const DBusMock&) = delete;

    bool Ready() const { return ready_; }

private:
    QProcess mock_;
    bool ready_ = false;
};
