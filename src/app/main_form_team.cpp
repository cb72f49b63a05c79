// The main window's team server: kept apart from the window's own parts.
#include <QTimer>

#include "main_form.h"
#include "window_team.h"

namespace rangedesk::app {

// The keyring may take a moment to answer: the push starts once the window is up.
void TMainForm::StartTeam() {
    team_ = std::make_unique<WindowTeam>(*store_, *statusBar_, prompts_);
    QTimer::singleShot(0, team_.get(), &WindowTeam::Restart);
}

} // namespace rangedesk::app
