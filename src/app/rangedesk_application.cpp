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
}

bool RangeDeskApplication::notify(QObject* receiver, QEvent* event) {
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = "Unknown error";
    }
    if (prompts_) {
        ShowErrorBox(*prompts_, message);
    } else {
        std::fprintf(stderr, "RangeDesk: %s\n", qPrintable(ErrorBoxText(message)));
    }
    return false;
}

} // namespace rangedesk::app
