// Typing a reading under Xvfb: from the Type call to the last key received by a separate X
// client (the key_echo program), for a 6-character reading plus Tab, with the US and the
// German layout, and with a character the layout lacks (a spare keycode is lent). The meter's
// own 300 ms come on top; typing must stay well under 100 ms.
#include <QCoreApplication>
#include <QProcess>

#include <cstdio>

#include "bench_util.h"
#include "x11/xtest_typer.h"
#include "xvfb_server.h"

using namespace rangedesk::desktop;

namespace {

constexpr int kRounds = 100;

// Reads the client's lines until `keys` key lines have come; false on a timeout.
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

void Measure(const XvfbServer& xvfb, const char* layout, const QString& reading) {
    if (!xvfb.SetLayout(layout).isEmpty()) {
        std::printf("%-5s setxkbmap failed\n", layout);
        return;
    }
    QProcess client;
    client.setProcessEnvironment(xvfb.Environment());
    client.start(RANGEDESK_KEY_ECHO, QStringList());
    while (client.waitForReadyRead(10000) && !client.readLine().startsWith("ready")) {
    }
    x11::XTestTyper typer(xvfb.Display());
    const KeyStrokes strokes = StrokesOf(reading);
    std::vector<double> received, returned;
    for (int i = 0; i < kRounds; ++i) {
        const double start = bench::NowSeconds();
        const TypeResult result = typer.Type(strokes);
        returned.push_back((bench::NowSeconds() - start) * 1000);
        if (!result.Succeeded() || !ReadKeys(client, int(strokes.size()))) {
            std::printf("%-5s failed: %s\n", layout, qPrintable(result.message));
            return;
        }
        received.push_back((bench::NowSeconds() - start) * 1000);
    }
    client.kill();
    client.waitForFinished();
    std::printf("%-5s %-14s %d readings: last key received after median %.2f ms, 99th "
                "percentile %.2f ms (Type returned after median %.2f ms)\n",
                layout, qPrintable(QString(reading).replace('\t', "<Tab>")), kRounds,
                bench::Percentile(received, 0.5), bench::Percentile(received, 0.99),
                bench::Percentile(returned, 0.5));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (!XvfbServer::Available()) {
        std::printf("Xvfb is not installed (package xvfb): nothing measured\n");
        return 0;
    }
    const XvfbServer xvfb;
    Measure(xvfb, "us", "12.345\t");
    Measure(xvfb, "de", "12,345\t");
    Measure(xvfb, "us", "12.3 m²\t");
    return 0;
}
