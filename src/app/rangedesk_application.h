#pragma once

#include <QApplication>

namespace rangedesk::app {

class UserPrompts;

// The one place where an error that reached the event loop becomes the standard error box;
// the program goes on afterwards.
class RangeDeskApplication : public QApplication {
    Q_OBJECT
public:
    RangeDeskApplication(int& argc, char** argv);
    void SetPrompts(UserPrompts* prompts) { prompts_ = prompts; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    UserPrompts* prompts_ = nullptr;
};

} // namespace rangedesk::app
