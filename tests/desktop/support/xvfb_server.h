#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>

// An X server of the test's own: Xvfb picks a free display and tells its number on standard
// output (-displayfd 1).
class XvfbServer {
public:
    static bool Available() { return !QStandardPaths::findExecutable("Xvfb").isEmpty(); }

    XvfbServer() {
        server_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp",
                               "-noreset"});
        if (server_.waitForStarted(5000) && server_.waitForReadyRead(20000)) {
            display_ = ":" + QString::fromLatin1(server_.readLine()).trimmed();
        }
    }
    ~XvfbServer() {
        server_.terminate();
        server_.waitForFinished(5000);
    }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    QString Display() const { return display_; }
    QString Error() { return server_.errorString() + " " + server_.readAllStandardError(); }

    // An environment for an X client of this server.
    QProcessEnvironment Environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display_);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("WAYLAND_DISPLAY");
        env.insert("XDG_RUNTIME_DIR", clientRuntime_.path());
        return env;
    }

    // setxkbmap LAYOUT on this server; the error output when it fails.
    QString SetLayout(const QString& layout) const {
        QProcess setxkbmap;
        setxkbmap.start("setxkbmap", {"-display", display_, layout});
        if (!setxkbmap.waitForFinished(20000) || setxkbmap.exitCode() != 0) {
            return "setxkbmap " + layout + ": " + setxkbmap.errorString() + " " +
                   setxkbmap.readAllStandardError();
        }
        return {};
    }

private:
    QTemporaryDir clientRuntime_;
    QProcess server_;
    QString display_;
};
