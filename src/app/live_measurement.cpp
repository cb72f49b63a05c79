#include "live_measurement.h"

#include <QDBusConnection>
#include <QLocale>
#include <QProcessEnvironment>
#include <QWidget>

#include "meter_link.h"
#include "meter_operations.h"
#include "meter_session.h"
#include "reading_text.h"
#include "typer_factory.h"
#include "typing_settings.h"

namespace rangedesk::app {
namespace {

desktop::MeasureResult Failure(desktop::InstanceError error, const QString& message) {
    desktop::MeasureResult result;
    result.error = error;
    result.errorMessage = message;
    return result;
}

} // namespace

LiveMeasurement::LiveMeasurement(meter::MeterSession& session, QWidget& window)
    : QObject(&window), session_(session), window_(&window) {
    connect(&session_.Operations(), &meter::MeterOperations::readingReady, this,
            &LiveMeasurement::TypeArmedReading);
}

LiveMeasurement::~LiveMeasurement() = default;

void LiveMeasurement::Raise() {
    if (window_) {
        window_->showNormal();
        window_->raise();
        window_->activateWindow();
    }
}

desktop::Typer& LiveMeasurement::TheTyper() {
    if (!typer_) {
        desktop::TyperSelection selection = desktop::SelectTyper(
            desktop::SessionFactsFrom(QProcessEnvironment::systemEnvironment()),
            QDBusConnection::sessionBus(), tokens_);
        typer_ = std::move(selection.typer);
        method_ = selection.method;
    }
    return *typer_;
}

QString LiveMeasurement::MethodName() {
    TheTyper();
    return desktop::TypingMethodName(*method_);
}

desktop::TypeResult LiveMeasurement::Type(const meter::Reading& reading,
                                          const QString& templateText) {
    const desktop::TypingSettings settings = desktop::TypingSettings::Load();
    // The value goes out exactly, with "."; the template puts in the separator chosen.
    const desktop::TypedReading typed{records::ReadingText(reading.TenthsOfMillimetre, {}), "m"};
    const desktop::KeyStrokes strokes =
        desktop::TypingTemplate::Parse(templateText)
            .Strokes(typed, desktop::DecimalSeparatorChar(settings.Decimal, QLocale()));
    desktop::TypeResult result = TheTyper().Type(strokes);
    emit readingTyped(result);
    return result;
}

void LiveMeasurement::TypeArmedReading(const meter::Reading& reading) {
    if (!armed_ || measuring_) {
        return;
    }
    try {
        Type(reading, desktop::TypingSettings::Load().Template);
    } catch (const desktop::TypingTemplateError& e) {
        emit readingTyped({desktop::TypeOutcome::Failed, {}, QString::fromUtf8(e.what())});
    }
}

void LiveMeasurement::SetArmed(bool armed) {
    if (armed_ != armed) {
        armed_ = armed;
        emit armedChanged(armed);
    }
}

void LiveMeasurement::Measure(const desktop::MeasureRequest& request, desktop::MeasureDone done) {
    if (request.type && session_.Operations().Downloading()) {
        const QString refusal =
            tr("typing is refused while a download runs; try again when it has ended");
        emit readingTyped(
            {desktop::TypeOutcome::Failed, {}, tr("A reading was not typed: %1").arg(refusal)});
        done(Failure(desktop::InstanceError::Failed, refusal));
        return;
    }
    if (!session_.Link().MeterConnected()) {
        done(Failure(desktop::InstanceError::NoMeter, tr("no meter is connected")));
        return;
    }
    measuring_ = true;
    session_.Submit(meter::MeterSession::Request::Read, [this, request, done = std::move(done)](
                                                            const meter::RequestResult& outcome) {
        measuring_ = false;
        if (!outcome.reading) {
            done(Failure(desktop::InstanceError::MeterFailed,
                         tr("no reading: %1").arg(meter::ExchangeFailureText(outcome.failure))));
            return;
        }
        desktop::MeasureResult result;
        result.distanceMetres = outcome.reading->TenthsOfMillimetre / 10000.0;
        result.text = outcome.reading->Text + " m";
        if (request.type) {
            const desktop::TypeResult typed =
                Type(*outcome.reading, desktop::TemplateTextOf(request));
            result.typing = {true, typed.outcome, typed.method, typed.message};
        }
        done(result);
    });
}

} // namespace rangedesk::app
