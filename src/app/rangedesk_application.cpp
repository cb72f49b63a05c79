#include "rangedesk_application.h"

#include <cstdio>
#include <exception>

#include "error_box.h"
#include "user_prompts.h"

namespace rangedesk::app {

RangeDeskApplication::RangeDeskApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // Settings in ~/.config/RangeDesk/RangeDesk.conf, shared with rangedesk-cli.
    setOrganizationName("RangeDesk");
    setApplicationName("RangeDesk");
    // The Wayland app id and the X11 desktop-file hints: the dock finds the desktop entry, and
    // its icon, by this name (its StartupWMClass says the same).
    setDesktopFileName(QStringLiteral("net.rangedesk.RangeDesk"));
}

bool RangeDeskApplication::notify(QObject* receiver, QEvent* event) {
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = tr("Unknown error");
    }
    if (prompts_) {
        ShowErrorBox(*prompts_, message);
    } else {
        std::fprintf(stderr, "RangeDesk: %s\n", qPrintable(ErrorBoxText(message)));
    }
    return false;
}

} // namespace rangedesk::app
