// rangedesk-demo: RangeDesk with a simulated meter plugged in, to try every button without
// hardware. Options: --model N (1-4), --records N, --latency MS.
#include <QCommandLineParser>
#include <QCoreApplication>

#include "about_form.h"
#include "interrupt_watch.h"
#include "main_form.h"
#include "rangedesk_application.h"
#include "simulated_meter_platform.h"
#include "user_prompts.h"

int main(int argc, char** argv) {
    using namespace rangedesk;
    app::RangeDeskApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("RangeDesk with a simulated meter");
    parser.addHelpOption();
    parser.addOption({"model", "Meter model, 1 to 4.", "N", "3"});
    parser.addOption({"records", "Records the meter holds.", "N", "25"});
    parser.addOption({"latency", "Reply latency in milliseconds.", "MS", "2"});
    parser.process(application);
    const int model = std::clamp(parser.value("model").toInt(), 1, 4);

    sim::SimulatedMeterDescription description;
    description.Model = model;
    description.Records = std::max(0, parser.value("records").toInt());
    description.LatencyMs = std::max(0, parser.value("latency").toInt());

    app::DialogPrompts prompts;
    application.SetPrompts(&prompts);
    sim::SimulatedMeterPlatform platform(description);
    app::TMainForm mainForm(platform, prompts, QCoreApplication::applicationDirPath());
    prompts.SetParent(&mainForm);
    const app::TForm1 hiddenAbout(mainForm);
    mainForm.setWindowTitle(mainForm.windowTitle() + " (simulated meter)");
    mainForm.show();
    meter::InterruptWatch stopSignals;
    QObject::connect(&stopSignals, &meter::InterruptWatch::interrupted, &mainForm,
                     &app::TMainForm::StopBySignal);
    return application.exec();
}
