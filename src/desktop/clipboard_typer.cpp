#include "clipboard_typer.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

#include "typing_method.h"

namespace rangedesk::desktop {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("rangedesk::desktop::ClipboardTyper", text);
}

} // namespace

ClipboardTyper::ClipboardTyper(QDBusConnection bus) : notifier_(std::move(bus)) {}

QString ClipboardTyper::Name() const {
    return TypingMethodName(TypingMethod::Clipboard);
}

TypeResult ClipboardTyper::Type(const KeyStrokes& strokes) {
    const QString text = StrokesCharacters(strokes);
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        return {TypeOutcome::Failed, Name(),
                QCoreApplication::translate(
                    "Typing", "cannot put \"%1\" on the clipboard: this process has no "
                              "graphical session (no QGuiApplication)")
                    .arg(text)};
    }
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
    const NotifyResult notified =
        notifier_.Notify(Tr("Reading on the clipboard"),
                         Tr("%1 is on the clipboard: paste it with Ctrl+V.").arg(text));
    const QString message =
        notified.shown ? QCoreApplication::translate(
                             "Typing", "put \"%1\" on the clipboard and showed a notification")
                             .arg(text)
                       : QCoreApplication::translate("Typing", "put \"%1\" on the clipboard; %2")
                             .arg(text, notified.error);
    return {TypeOutcome::OnClipboard, Name(), message};
}

} // namespace rangedesk::desktop
