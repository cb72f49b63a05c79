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

// Every modal question the program asks, in one place, so tests can answer without blocking.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    virtual MessageAnswer Ask(const MessageRequest& request) = 0;
    // The save dialog; an empty result means cancelled.
    virtual QString AskSaveFileName(const QString& filter, const QString& defaultSuffix) = 0;
};

// The real dialogs, over a parent window.
class DialogPrompts : public UserPrompts {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    MessageAnswer Ask(const MessageRequest& request) override;
    QString AskSaveFileName(const QString& filter, const QString& defaultSuffix) override;

private:
    QWidget* parent_ = nullptr;
};

// The application title, caption of plain messages and of the error box.
inline const QString kApplicationTitle = QStringLiteral(" RangeDesk");

} // namespace rangedesk::app
