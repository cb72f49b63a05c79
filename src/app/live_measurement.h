#pragma once

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

#include "measure_handler.h"
#include "portal/restore_token_store.h"
#include "typer.h"
#include "typing_method.h"

class QWidget;

namespace rangedesk::meter {
class MeterSession;
struct Reading;
} // namespace rangedesk::meter

namespace rangedesk::app {

// Readings that go where the user is working: a Measure asked over D-Bus (the shortcut that
// runs "rangedesk-cli measure --type"), and, while typing is armed, every reading Read takes.
// The typing method is chosen from the session the first time it is needed.
class LiveMeasurement : public QObject, public desktop::MeasureHandler {
    Q_OBJECT
public:
    LiveMeasurement(meter::MeterSession& session, QWidget& window);
    ~LiveMeasurement() override;

    // MeasureHandler, for the instance on the session bus.
    void Raise() override;
    void Measure(const desktop::MeasureRequest& request, desktop::MeasureDone done) override;

    // While armed, the readings of the window's Read are typed too.
    void SetArmed(bool armed);
    bool Armed() const { return armed_; }
    // The typing method of this session ("xtest", "portal"...), choosing it if need be.
    QString MethodName();

signals:
    void armedChanged(bool armed);
    // A reading was typed (or put on the clipboard, or failed): for the status bar.
    void readingTyped(const desktop::TypeResult& result);

private:
    desktop::TypeResult Type(const meter::Reading& reading, const QString& templateText);
    desktop::Typer& TheTyper();
    void TypeArmedReading(const meter::Reading& reading);

    meter::MeterSession& session_;
    QPointer<QWidget> window_;
    desktop::portal::SettingsRestoreTokenStore tokens_;
    std::unique_ptr<desktop::Typer> typer_;
    std::optional<desktop::TypingMethod> method_;
    bool armed_ = false;
    bool measuring_ = false; // a reading of a Measure is in flight: it is typed by Measure
};

} // namespace rangedesk::app
