// RangeDesk: the desktop companion of the laser distance meters.
#include <QCoreApplication>
#include <QDBusConnection>

#include <chrono>
#include <cstdio>

#include "about_form.h"
#include "instance_client.h"
#include "instance_service.h"
#include "interrupt_watch.h"
#include "live_measurement.h"
#include "main_form.h"
#include "platform/linux/linux_hid_platform.h"
#include "rangedesk_application.h"
#include "translation_loader.h"
#include "user_prompts.h"

namespace {

constexpr std::chrono::seconds kRaiseTimeout{2};

// A RangeDesk already runs in this session: it owns the meter, so this one brings it to the
// front and ends instead of opening the meter twice.
bool RaiseRunningInstance() {
    const rangedesk::desktop::InstanceClient running(QDBusConnection::sessionBus());
    return running.IsRunning() && running.Raise(kRaiseTimeout).Succeeded();
}

} // namespace

int main(int argc, char** argv) {
    using namespace rangedesk;
    app::RangeDeskApplication application(argc, argv);
    desktop::SetUpUiLanguage(application);
    if (RaiseRunningInstance()) {
        return 0;
    }
    app::DialogPrompts prompts;
    application.SetPrompts(&prompts);
    hid::linux_hid::LinuxHidPlatform platform;
    app::TMainForm mainForm(platform, prompts, QCoreApplication::applicationDirPath());
    prompts.SetParent(&mainForm);
    const app::TForm1 hiddenAbout(mainForm); // made at start-up, never shown
    // The one running RangeDesk of the session; a session without a bus runs without it.
    desktop::InstanceService instance(QDBusConnection::sessionBus(), mainForm.Live());
    const auto registration = instance.Register();
    if (registration.outcome == desktop::InstanceService::Registration::AlreadyRunning) {
        RaiseRunningInstance(); // another one started at the same moment and won
        return 0;
    }
    if (registration.outcome == desktop::InstanceService::Registration::Failed) {
        std::fprintf(stderr, "RangeDesk: %s\n", qPrintable(registration.error));
    }
    mainForm.show();
    meter::InterruptWatch stopSignals;
    QObject::connect(&stopSignals, &meter::InterruptWatch::interrupted, &mainForm,
                     &app::TMainForm::StopBySignal);
    return application.exec();
}
