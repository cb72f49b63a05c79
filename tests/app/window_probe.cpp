// window_probe OUT.png: the real main window, shown on whatever display the environment names,
// tells on standard output how it connected (one JSON line: the Qt platform, the app id, the
// size), saves its own picture to OUT.png, then stays until it is terminated, so the display
// server can be asked about it.
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cstdio>

#include "main_form.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "recording_prompts.h"

int main(int argc, char** argv) {
    using namespace rangedesk;
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_probe OUT.png\n");
        return 2;
    }
    app::RangeDeskApplication application(argc, argv);
    RecordingPrompts prompts;
    application.SetPrompts(&prompts);
    const ProgramFolder folder;
    hid::sim::SimHidBus bus;
    app::TMainForm window(bus, prompts, folder.Path());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window, 20000)) {
        std::fprintf(stderr, "window_probe: the window was never shown on %s\n",
                     qPrintable(QGuiApplication::platformName()));
        return 1;
    }
    const QImage picture = window.grab().toImage();
    if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "window_probe: cannot write %s\n", argv[1]);
        return 1;
    }
    const QJsonObject report{{"platform", QGuiApplication::platformName()},
                             {"appId", QGuiApplication::desktopFileName()},
                             {"width", picture.width()},
                             {"height", picture.height()}};
    std::printf("%s\n", QJsonDocument(report).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
    return application.exec();
}
