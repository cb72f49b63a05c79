#pragma once

#include <QDBusConnection>

#include "desktop_notifier.h"
#include "typer.h"

namespace rangedesk::desktop {

// The last resort: the characters go on the clipboard (a paste cannot press Tab or Enter) and
// a desktop notification says so. Needs a QGuiApplication; on X11 and Wayland the text stays
// pasteable only while this process runs (or a clipboard manager has copied it).
class ClipboardTyper : public Typer {
public:
    explicit ClipboardTyper(QDBusConnection bus);

    QString Name() const override;
    TypeResult Type(const KeyStrokes& strokes) override;

private:
    DesktopNotifier notifier_;
};

} // namespace rangedesk::desktop
