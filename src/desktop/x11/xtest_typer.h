#pragma once

#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>
#include <set>

#include "typer.h"
#include "xkb_handles.h"

struct _XDisplay;

namespace rangedesk::desktop::x11 {

// Types through the XTEST extension of an X server, with the keyboard map the server has at
// that moment: each character on the key, level and group that give it (so AZERTY and QWERTZ
// users get their digits, "." and ","), and a character the map lacks on a spare keycode that
// is mapped for the typing and cleared again once the target has had time to read the new
// map (a quiet period; at once when the typer is destroyed).
class XTestTyper : public Typer {
public:
    // Opens its own connection to `display` (":0"); an empty name uses $DISPLAY.
    explicit XTestTyper(const QString& display, std::chrono::milliseconds spareQuietPeriod =
                                                    std::chrono::milliseconds(500));
    ~XTestTyper() override;
    XTestTyper(const XTestTyper&) = delete;
    XTestTyper& operator=(const XTestTyper&) = delete;

    // Whether `display` answers and has XTEST.
    static bool Probe(const QString& display);

    QString Name() const override;
    TypeResult Type(const KeyStrokes& strokes) override;

    // Spare keycodes still carrying a lent keysym.
    std::size_t LentKeycodes() const { return lent_.size(); }

private:
    struct DisplayClose {
        void operator()(_XDisplay* d) const;
    };

    QString OpenError() const;
    void ClearLentKeycodes();

    QString displayName_;
    std::unique_ptr<_XDisplay, DisplayClose> display_;
    XkbContextPtr context_;
    int keyboardDevice_ = -1;
    std::set<unsigned> lent_;
    QTimer clearLent_;
};

} // namespace rangedesk::desktop::x11
