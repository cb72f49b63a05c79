#pragma once

#include <QWidget>

class QPushButton;

namespace rangedesk::app {

class TMainForm;

// The About window: a picture with the product name, version and build, and "Exit".
class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 367;
    static constexpr int kClientHeight = 222;

    // Its creation step switches the main window's device buttons off.
    explicit TForm1(TMainForm& mainForm);
    QPushButton& ExitButton() { return *exit_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Leave();

    TMainForm& mainForm_;
    QPushButton* exit_;
    bool left_ = false;
};

} // namespace rangedesk::app
