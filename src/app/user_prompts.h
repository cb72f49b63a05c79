#pragma once

#include <QString>

class QWidget;

namespace rangedesk::app {

enum class MessageIcon { None, Information, Question, Error };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    QString Caption;
    QString Text;
    MessageIcon Icon = MessageIcon::None;
    MessageButtons Buttons = MessageButtons::Ok;
    MessageAnswer Default = MessageAnswer::Ok;
};

// What the save dialog was left with: the file name (empty when cancelled) and the name
// filter chosen.
struct SaveFileAnswer {
    QString Path;
    QString Filter;
};

// Every modal question the program asks, in one place, so tests can answer without blocking.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    virtual MessageAnswer Ask(const MessageRequest& request) = 0;
    // The save dialog offering `filters`, the first chosen at first.
    virtual SaveFileAnswer AskSaveFileName(const QStringList& filters) = 0;
};

// The real dialogs, over a parent window.
class DialogPrompts : public UserPrompts {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    MessageAnswer Ask(const MessageRequest& request) override;
    SaveFileAnswer AskSaveFileName(const QStringList& filters) override;

private:
    QWidget* parent_ = nullptr;
};

// The application title, caption of plain messages and of the error box.
inline const QString kApplicationTitle = QStringLiteral(" RangeDesk");

} // namespace rangedesk::app
