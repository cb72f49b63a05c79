// rangedesk-demo: RangeDesk with a simulated meter plugged in, to try every button without
// hardware. Options: --model N (1-4), --records N, --latency MS, --data DIR.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

#include "about_form.h"
#include "instance_service.h"
#include "interrupt_watch.h"
#include "live_measurement.h"
#include "main_form.h"
#include "rangedesk_application.h"
#include "simulated_meter_platform.h"
#include "translation_loader.h"
#include "user_prompts.h"

namespace {

// A program folder of the demo's own, so its simulated downloads never reach a real database:
// lib/ with a fresh copy of the template database and the report definition.
bool MakeDemoFolder(const QString& folder) {
    const QDir lib(QDir(folder).filePath("lib"));
    return QDir().mkpath(lib.path()) &&
           QFile::copy(RANGEDESK_TEMPLATE_DB, lib.filePath("DistLib.mdb")) &&
           QFile::setPermissions(lib.filePath("DistLib.mdb"),
                                 QFile::ReadOwner | QFile::WriteOwner) &&
           QFile::copy(QCoreApplication::applicationDirPath() + "/lib/Vermo.rav",
                       lib.filePath("Vermo.rav"));
}

} // namespace

int main(int argc, char** argv) {
    using namespace rangedesk;
    app::RangeDeskApplication application(argc, argv);
    desktop::SetUpUiLanguage(application);
    QCommandLineParser parser;
    parser.setApplicationDescription("RangeDesk with a simulated meter");
    parser.addHelpOption();
    parser.addOption({"model", "Meter model, 1 to 4.", "N", "3"});
    parser.addOption({"records", "Records the meter holds.", "N", "25"});
    parser.addOption({"latency", "Reply latency in milliseconds.", "MS", "2"});
    parser.addOption({"data",
                      "A program folder whose lib/ holds the database to use; made with a fresh "
                      "copy of the template when it has none (default: a new one for this run).",
                      "DIR"});
    parser.process(application);
    sim::SimulatedMeterDescription description;
    description.Model = std::clamp(parser.value("model").toInt(), 1, 4);
    description.Records = std::max(0, parser.value("records").toInt());
    description.LatencyMs = std::max(0, parser.value("latency").toInt());

    std::optional<QTemporaryDir> ownFolder;
    QString folder = parser.value("data");
    if (folder.isEmpty()) {
        ownFolder.emplace();
        folder = ownFolder->path();
    }
    if (!QFile::exists(QDir(folder).filePath("lib/DistLib.mdb")) && !MakeDemoFolder(folder)) {
        std::fprintf(stderr, "rangedesk-demo: cannot make its data folder %s\n",
                     qPrintable(folder));
        return 1;
    }
    std::fprintf(stderr, "rangedesk-demo: the database is %s/lib/DistLib.mdb\n",
                 qPrintable(folder));

    app::DialogPrompts prompts;
    application.SetPrompts(&prompts);
    sim::SimulatedMeterPlatform platform(description);
    app::TMainForm mainForm(platform, prompts, folder);
    prompts.SetParent(&mainForm);
    const app::TForm1 hiddenAbout(mainForm);
    // Measures asked over D-Bus reach the demo when no real RangeDesk owns the name.
    desktop::InstanceService instance(QDBusConnection::sessionBus(), mainForm.Live());
    if (const auto registered = instance.Register();
        registered.outcome == desktop::InstanceService::Registration::Failed) {
        std::fprintf(stderr, "rangedesk-demo: %s\n", qPrintable(registered.error));
    }
    mainForm.setWindowTitle(
        QCoreApplication::translate("Demo", "%1 (simulated meter)").arg(mainForm.windowTitle()));
    mainForm.show();
    meter::InterruptWatch stopSignals;
    QObject::connect(&stopSignals, &meter::InterruptWatch::interrupted, &mainForm,
                     &app::TMainForm::StopBySignal);
    return application.exec();
}
