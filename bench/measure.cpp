// From the trigger to the last character typed: the running window (the demo, a simulated meter
// answering at once) takes a reading 300 ms after Read and types it through XTest into a
// separate X client, under Xvfb. Triggered as a keyboard shortcut does it: by running
// "rangedesk-cli measure --type", and, for the part the command's start adds, by the D-Bus
// call itself. Target: under 400 ms.
#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>

#include "bench_util.h"
#include "instance_client.h"
#include "private_bus.h"
#include "xvfb_server.h"

namespace {

constexpr int kRounds = 20;

bool ReadKeys(QProcess& client, int keys) {
    int seen = 0;
    while (seen < keys) {
        if (!client.canReadLine() && !client.waitForReadyRead(5000)) {
            return false;
        }
        while (client.canReadLine()) {
            const QByteArray line = client.readLine();
            seen += line.startsWith("text ") || line.startsWith("tab") || line.startsWith("enter");
        }
    }
    return true;
}

void Report(const char* how, const std::vector<double>& ms) {
    std::printf("%-34s %d readings: last key after median %.0f ms, 95th percentile %.0f ms\n",
                how, int(ms.size()), bench::Percentile(ms, 0.5), bench::Percentile(ms, 0.95));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (!XvfbServer::Available() || !PrivateBus::Available()) {
        std::printf("Xvfb and dbus-daemon are needed: nothing measured\n");
        return 0;
    }
    XvfbServer x;
    PrivateBus bus;
    QTemporaryDir home;
    QProcessEnvironment env = x.Environment();
    env.insert("DBUS_SESSION_BUS_ADDRESS", bus.Address());
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("XDG_SESSION_TYPE", "x11");
    QProcess window;
    window.setProcessEnvironment(env);
    window.start(RANGEDESK_DEMO, {"--data", home.filePath("demo"), "--latency", "0"});
    QDBusConnection watcher = bus.Connect();
    if (!QTest::qWaitFor(
            [&] { return watcher.interface()->isServiceRegistered("net.rangedesk.RangeDesk"); },
            20000)) {
        std::printf("the window did not start\n");
        return 1;
    }
    QProcess echo;
    echo.setProcessEnvironment(env);
    echo.start(RANGEDESK_KEY_ECHO, QStringList());
    while (echo.waitForReadyRead(10000) && !echo.readLine().startsWith("ready")) {
    }
    const int keys = 6; // "2.346" and Tab

    std::vector<double> command;
    for (int i = 0; i < kRounds; ++i) {
        const double start = bench::NowSeconds();
        QProcess cli;
        cli.setProcessEnvironment(env);
        cli.start(RANGEDESK_CLI, {"measure", "--type"});
        if (!ReadKeys(echo, keys)) {
            std::printf("nothing typed: %s\n", cli.readAllStandardError().constData());
            return 1;
        }
        command.push_back((bench::NowSeconds() - start) * 1000);
        cli.waitForFinished();
    }
    Report("rangedesk-cli measure --type", command);

    const rangedesk::desktop::InstanceClient client(bus.Connect());
    std::vector<double> call;
    for (int i = 0; i < kRounds; ++i) {
        const double start = bench::NowSeconds();
        bool answered = false;
        client.MeasureAsync({true, rangedesk::desktop::EndKey::Tab, false},
                            std::chrono::seconds(10),
                            [&](const rangedesk::desktop::MeasureResult&) { answered = true; });
        if (!ReadKeys(echo, keys)) {
            std::printf("nothing typed over D-Bus\n");
            return 1;
        }
        call.push_back((bench::NowSeconds() - start) * 1000);
        if (!QTest::qWaitFor([&] { return answered; }, 10000)) {
            std::printf("no answer over D-Bus\n");
            return 1;
        }
    }
    Report("the D-Bus Measure call", call);
    window.terminate();
    window.waitForFinished();
    echo.kill();
    echo.waitForFinished();
    return 0;
}
