#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

// A headless sway of the test's own, in a runtime folder of its own. sway refuses to run as
// root, so under root it runs as nobody; root's clients can still reach its socket.
class SwayCompositor {
public:
    static bool Available() { return !QStandardPaths::findExecutable("sway").isEmpty(); }

    SwayCompositor() {
        const QString config = runtime_.filePath("sway.conf");
        QFile file(config);
        file.open(QIODevice::WriteOnly);
        // No X server inside; say the sockets' names once the compositor runs.
        file.write("xwayland disable\nexec echo READY $WAYLAND_DISPLAY $SWAYSOCK\n");
        file.close();
        QFile::setPermissions(runtime_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("XDG_RUNTIME_DIR", runtime_.path());
        env.insert("HOME", runtime_.path());
        env.insert("WLR_BACKENDS", "headless");
        env.insert("WLR_LIBINPUT_NO_DEVICES", "1");
        env.insert("WLR_HEADLESS_OUTPUTS", "1");
        env.insert("WLR_RENDERER", "pixman");
        sway_.setProcessEnvironment(env);
        QString program = "sway";
        QStringList arguments{"-c", config};
        if (geteuid() == 0) {
            constexpr uid_t kNobody = 65534;
            [[maybe_unused]] const int owned =
                chown(runtime_.path().toLocal8Bit().constData(), kNobody, kNobody);
            arguments =
                QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "sway"} + arguments;
            program = "setpriv";
        }
        sway_.start(program, arguments);
        if (!sway_.waitForStarted(5000)) {
            return;
        }
        while (socket_.isEmpty() && sway_.waitForReadyRead(20000)) {
            while (sway_.canReadLine()) {
                const QString line = QString::fromLocal8Bit(sway_.readLine()).trimmed();
                if (line.startsWith("READY ")) {
                    socket_ = runtime_.filePath(line.section(' ', 1, 1));
                    ipcSocket_ = line.section(' ', 2, 2);
                }
            }
        }
    }
    ~SwayCompositor() {
        sway_.terminate();
        if (!sway_.waitForFinished(5000)) {
            sway_.kill();
            sway_.waitForFinished(5000);
        }
    }
    SwayCompositor(const SwayCompositor&) = delete;
    SwayCompositor& operator=(const SwayCompositor&) = delete;

    // The socket's full path, usable as WAYLAND_DISPLAY from any folder.
    QString Socket() const { return socket_; }
    // sway's IPC socket, for swaymsg -s.
    QString IpcSocket() const { return ipcSocket_; }
    QString Error() { return sway_.errorString() + " " + sway_.readAllStandardError().right(2000); }

    // An environment for a Qt client of this compositor.
    QProcessEnvironment ClientEnvironment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.insert("WAYLAND_DISPLAY", socket_);
        env.insert("QT_QPA_PLATFORM", "wayland");
        env.insert("XDG_RUNTIME_DIR", clientRuntime_.path());
        return env;
    }

private:
    QTemporaryDir runtime_;
    QTemporaryDir clientRuntime_;
    QProcess sway_;
    QString socket_;
    QString ipcSocket_;
};
