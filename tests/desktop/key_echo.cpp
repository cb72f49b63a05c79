// A separate client of the display server for the typing tests: a window that takes the
// keyboard focus and prints what reaches it, one line per key press:
//   "ready"        once the window has the focus
//   "text HEX"     a key that gave text (HEX: its UTF-8 bytes)
//   "tab", "enter" those keys
// With --clipboard it prints "clipboard HEX" with the clipboard's text and ends.
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRasterWindow>

#include <cstdio>

namespace {

void Say(const QByteArray& line) {
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

class EchoWindow : public QRasterWindow {
protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Tab) {
            Say("tab");
        } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            Say("enter");
        } else if (!event->text().isEmpty()) {
            Say("text " + event->text().toUtf8().toHex());
        }
    }
    void focusInEvent(QFocusEvent*) override {
        if (!ready_) {
            ready_ = true;
            Say("ready");
        }
    }

private:
    bool ready_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (app.arguments().contains("--clipboard")) {
        Say("clipboard " + QGuiApplication::clipboard()->text().toUtf8().toHex());
        return 0;
    }
    EchoWindow window;
    window.resize(320, 120);
    window.show();
    window.requestActivate();
    return app.exec();
}
