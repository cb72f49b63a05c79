// RangeDesk: the desktop companion of the laser distance meters.
#include <QCoreApplication>

#include "about_form.h"
#include "interrupt_watch.h"
#include "main_form.h"
#include "platform/linux/linux_hid_platform.h"
#include "rangedesk_application.h"
#include "user_prompts.h"

int main(int argc, char** argv) {
    using namespace rangedesk;
    app::RangeDeskApplication application(argc, argv);
    app::DialogPrompts prompts;
    application.SetPrompts(&prompts);
    hid::linux_hid::LinuxHidPlatform platform;
    app::TMainForm mainForm(platform, prompts, QCoreApplication::applicationDirPath());
    prompts.SetParent(&mainForm);
    const app::TForm1 hiddenAbout(mainForm); // made at start-up, never shown
    mainForm.show();
    meter::InterruptWatch stopSignals;
    QObject::connect(&stopSignals, &meter::InterruptWatch::interrupted, &mainForm,
                     &app::TMainForm::StopBySignal);
    return application.exec();
}
