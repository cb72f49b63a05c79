// The real main window as a native Wayland client of a headless sway: it connects through
// Qt's Wayland plugin (not XWayland, which the compositor does not even start), the compositor
// knows it by the app id the desktop entry's StartupWMClass names, and its picture is the one it
// shows under Xvfb on X11.
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include "sway_compositor.h"
#include "xvfb_server.h"

namespace {

constexpr int kTimeoutMs = 30000;

// The window_probe running on one display server, until this goes away.
class Probe {
public:
    Probe(const QProcessEnvironment& environment, const QString& picture) {
        process_.setProcessEnvironment(environment);
        process_.start(RANGEDESK_WINDOW_PROBE, {picture});
        while (report_.isEmpty() && process_.waitForReadyRead(kTimeoutMs)) {
            if (process_.canReadLine()) {
                report_ = QJsonDocument::fromJson(process_.readLine()).object();
            }
        }
    }
    ~Probe() {
        process_.terminate();
        if (!process_.waitForFinished(kTimeoutMs)) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    const QJsonObject& Report() const { return report_; }
    QString Error() { return process_.errorString() + " " + process_.readAllStandardError(); }

private:
    QProcess process_;
    QJsonObject report_;
};

// Every app id in sway's tree of windows.
QStringList AppIds(const QJsonValue& node) {
    QStringList ids;
    if (const QString id = node["app_id"].toString(); !id.isEmpty()) {
        ids << id;
    }
    for (const char* children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue& child : node[children].toArray()) {
            ids += AppIds(child);
        }
    }
    return ids;
}

QString StartupWmClass() {
    const QSettings entry(RANGEDESK_DESKTOP_ENTRY, QSettings::IniFormat);
    return entry.value("Desktop Entry/StartupWMClass").toString();
}

// The share of pixels that differ between two pictures of the same size.
double DifferingShare(const QImage& a, const QImage& b) {
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    qint64 differing = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            differing += left.pixel(x, y) != right.pixel(x, y);
        }
    }
    return double(differing) / (double(left.width()) * left.height());
}

} // namespace

class TestWaylandWindow : public QObject {
    Q_OBJECT

    const QString waylandPicture = QStringLiteral(RANGEDESK_PICTURES "/main-window-wayland.png");
    const QString x11Picture = QStringLiteral(RANGEDESK_PICTURES "/main-window-x11.png");

private slots:
    void initTestCase() {
        if (!SwayCompositor::Available()) {
            QSKIP("a headless Wayland compositor is needed: sway (scripts/setup.sh --test)");
        }
        QFile::remove(waylandPicture);
        QFile::remove(x11Picture);
    }

    void nativeWaylandClient() {
        SwayCompositor sway;
        QVERIFY2(!sway.Socket().isEmpty(), qPrintable(sway.Error()));
        Probe probe(sway.ClientEnvironment(), waylandPicture);
        const QJsonObject report = probe.Report();
        QVERIFY2(!report.isEmpty(), qPrintable(probe.Error()));
        QCOMPARE(report["platform"].toString(), QString("wayland"));
        QCOMPARE(report["appId"].toString(), StartupWmClass());
        QCOMPARE(QSize(report["width"].toInt(), report["height"].toInt()), QSize(905, 510));

        // The compositor's own view: a window with the desktop entry's name as its app id.
        QProcess swaymsg;
        swaymsg.start("swaymsg", {"-s", sway.IpcSocket(), "-r", "-t", "get_tree"});
        QVERIFY(swaymsg.waitForFinished(kTimeoutMs));
        const QJsonObject tree = QJsonDocument::fromJson(swaymsg.readAllStandardOutput()).object();
        QVERIFY2(AppIds(tree).contains(StartupWmClass()), qPrintable(AppIds(tree).join(", ")));
    }

    // The same window under X11 looks the same, pixel for pixel but for a few.
    void looksAsOnX11() {
        if (!XvfbServer::Available()) {
            QSKIP("Xvfb is needed to compare with X11");
        }
        QVERIFY2(QFile::exists(waylandPicture), "no picture from Wayland");
        XvfbServer x;
        QVERIFY2(!x.Display().isEmpty(), qPrintable(x.Error()));
        Probe probe(x.Environment(), x11Picture);
        QVERIFY2(!probe.Report().isEmpty(), qPrintable(probe.Error()));
        QCOMPARE(probe.Report()["platform"].toString(), QString("xcb"));
        const QImage wayland(waylandPicture);
        const QImage x11(x11Picture);
        QCOMPARE(wayland.size(), x11.size());
        const double differing = DifferingShare(wayland, x11);
        qInfo("%.3f%% of the pixels differ between Wayland and X11", differing * 100);
        QVERIFY2(differing < 0.01, qPrintable(QString("%1% of the pixels differ; compare %2 and %3")
                                                  .arg(differing * 100)
                                                  .arg(waylandPicture, x11Picture)));
    }
};

QTEST_GUILESS_MAIN(TestWaylandWindow)
#include "test_wayland_window.moc"
