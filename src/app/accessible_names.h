#pragma once

#include <QCoreApplication>

namespace rangedesk::app {

class TMainForm;

// What a screen reader and a keyboard user need of the main window: every control's accessible
// name (and a description where the name is not enough), a shortcut for every command and the
// tab order, set in one place so the captions on screen stay as they are.
class AccessibleNames {
    Q_DECLARE_TR_FUNCTIONS(AccessibleNames)
public:
    static void Apply(TMainForm& form);
};

} // namespace rangedesk::app
