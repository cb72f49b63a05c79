// measure: one reading, typed into the focused application when asked, through the running
// window when there is one (it owns the meter), otherwise with the meter opened here; and the
// readings kept.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcessEnvironment>

#include <chrono>
#include <cstdio>

#include "cli_meter.h"
#include "commands.h"
#include "exit_status.h"
#include "instance_client.h"
#include "portal/restore_token_store.h"
#include "reading_log.h"
#include "reading_text.h"
#include "record_store.h"
#include "standard_output.h"
#include "typer_factory.h"
#include "typing_settings.h"

namespace rangedesk::cli {
namespace {

// The reading 300 ms after Read, and typing: well within this.
constexpr std::chrono::seconds kMeasureTimeout{20};

desktop::MeasureRequest RequestOf(const CliOptions& options) {
    return {options.Type, options.Then, options.WithUnit};
}

QString TemplateOf(const CliOptions& options) {
    return options.Template.isEmpty() ? desktop::TemplateTextOf(RequestOf(options))
                                      : options.Template;
}

void Say(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

int StatusOf(desktop::InstanceError error) {
    switch (error) {
    case desktop::InstanceError::None:
        return kDone;
    case desktop::InstanceError::NoMeter:
        return kNoMeter;
    case desktop::InstanceError::MeterFailed:
        return kIncomplete;
    default:
        return kFileError;
    }
}

// The running window takes the reading, types it and keeps it.
int MeasureThroughWindow(const CliOptions& options, const desktop::InstanceClient& window) {
    if (!options.Template.isEmpty()) {
        throw UsageError(QCoreApplication::translate(
            "CliMeasure", "--template is for a measure without the window; the window types with "
                          "the template of its Settings"));
    }
    const desktop::MeasureResult result = window.Measure(RequestOf(options), kMeasureTimeout);
    if (!result.Succeeded()) {
        PrintError(QCoreApplication::translate("CliMeasure", "the running RangeDesk says: %1")
                       .arg(result.errorMessage));
        return StatusOf(result.error);
    }
    PrintReading(result.distanceMetres, result.text, options.Json);
    if (options.Verbose) {
        Say(QCoreApplication::translate("CliMeasure", "measured by the running RangeDesk window"));
    }
    if (!result.typing.requested) {
        return kDone;
    }
    if (options.Verbose || result.typing.outcome != desktop::TypeOutcome::Typed) {
        Say(QCoreApplication::translate("CliMeasure", "typing method: %1; %2")
                .arg(result.typing.method, result.typing.message));
    }
    return result.typing.outcome == desktop::TypeOutcome::Failed ? kFileError : kDone;
}

// No window runs: the meter is opened here.
int MeasureAlone(const CliOptions& options) {
    const ReadOutcome outcome = ReadKeepAndPrint(options);
    if (!outcome.Reading) {
        return outcome.Status; // nothing is typed
    }
    const meter::Reading& reading = *outcome.Reading;
    if (!options.Type) {
        return kDone;
    }
    const desktop::TypingSettings settings = desktop::TypingSettings::Load();
    const desktop::KeyStrokes strokes =
        desktop::TypingTemplate::Parse(TemplateOf(options))
            .Strokes({records::ReadingText(reading.TenthsOfMillimetre, {}), "m"},
                     desktop::DecimalSeparatorChar(settings.Decimal, QLocale()));
    desktop::portal::SettingsRestoreTokenStore tokens;
    const desktop::TyperSelection typer =
        desktop::SelectTyper(desktop::SessionFactsFrom(QProcessEnvironment::systemEnvironment()),
                             QDBusConnection::sessionBus(), tokens);
    const desktop::TypeResult typed = typer.typer->Type(strokes);
    if (options.Verbose || !typed.Succeeded() || typed.outcome != desktop::TypeOutcome::Typed) {
        Say(QCoreApplication::translate("CliMeasure", "typing method: %1; %2")
                .arg(typed.method, typed.message));
    }
    return typed.Succeeded() ? kDone : kFileError;
}

} // namespace

int RunMeasure(const CliOptions& options) {
    const desktop::InstanceClient window(QDBusConnection::sessionBus());
    if (window.IsRunning() && !options.Simulate) {
        return MeasureThroughWindow(options, window);
    }
    return MeasureAlone(options);
}

int RunHistoryReadings(const CliOptions& options) {
    store::RecordStore store(DatabaseFor(options), store::StoreAccess::ReadOnly);
    const std::vector<store::ReadingInfo> readings = store::ReadingLog(store).List();
    if (options.Json) {
        QJsonArray list;
        for (const store::ReadingInfo& r : readings) {
            list.append(QJsonObject{
                {"time", r.Taken.toString(Qt::ISODateWithMs)},
                {"meter",
                 r.Model > 0
                     ? QString("%1model %2").arg(r.Simulated ? "simulated " : "").arg(r.Model)
                     : QString()},
                {"distance_m", double(r.DistanceTenths) / 10000.0},
                {"text", r.Text},
                {"job", r.JobName},
                {"label", r.Label}});
        }
        PrintOut(QJsonDocument(list).toJson(QJsonDocument::Indented));
        return kDone;
    }
    if (readings.empty()) {
        Say(QCoreApplication::translate("CliMeasure", "No reading is kept yet."));
        return kDone;
    }
    PrintLine("ID\tDate and time\tReading\tJob\tLabel");
    for (const store::ReadingInfo& r : readings) {
        PrintLine(QString("%1\t%2\t%3\t%4\t%5")
                      .arg(r.Id)
                      .arg(r.Taken.toLocalTime().toString("yyyy-MM-dd HH:mm:ss"), r.Text, r.JobName,
                           r.Label));
    }
    return kDone;
}

} // namespace rangedesk::cli
