#pragma once

#include <QString>
#include <QVariantMap>

#include <optional>

#include "typer.h"
#include "typing_template.h"

namespace rangedesk::desktop {

/* The running instance on the session bus.

   bus name   net.rangedesk.RangeDesk        object  /net/rangedesk/RangeDesk
   interface  net.rangedesk.RangeDesk

   Raise() -> ()
       Brings the window to the front.

   Measure(a{sv} options) -> (a{sv} result)
       Takes one reading; calls are served one at a time, in the order they came.
       options   "type"  b  type the reading into the focused application (default false)
                 "end"   s  the key after it: "tab", "enter" or "none" (default "tab")
                 "unit"  b  the unit after the value, "1.234 m" (default false)
       result    "distance_m"     d  the distance in metres
                 "text"           s  the reading as shown, e.g. "1.234 m"
                 "typed"          s  "" when typing was not asked, else "typed", "clipboard"
                                     or "failed"
                 "method"         s  the typing method that did it: "xtest", "portal"...
                 "typing_message" s  what typing did, or why it failed

   Failures are error replies named net.rangedesk.RangeDesk.Error.KIND, KIND one of NoMeter,
   MeterFailed, Timeout, InvalidRequest, Failed, with a message for the user.

   From a shell:
     gdbus call --session -d net.rangedesk.RangeDesk -o /net/rangedesk/RangeDesk \
         -m net.rangedesk.RangeDesk.Measure "{'type': <true>, 'end': <'enter'>}"
*/
inline const QString kInstanceService = QStringLiteral("net.rangedesk.RangeDesk");
inline const QString kInstancePath = QStringLiteral("/net/rangedesk/RangeDesk");
inline const QString kInstanceInterface = QStringLiteral("net.rangedesk.RangeDesk");

// What went wrong with a request to the instance. None means it succeeded.
enum class InstanceError {
    None,
    NotRunning,     // no instance owns the bus name (client side)
    NoMeter,        // no meter is connected
    MeterFailed,    // the meter did not answer or answered wrongly
    Timeout,        // no answer within the time allowed
    InvalidRequest, // an option the instance does not understand
    Failed,         // anything else, the message says what
};

struct MeasureRequest {
    bool type = false;
    EndKey end = EndKey::Tab;
    bool withUnit = false;

    bool operator==(const MeasureRequest&) const = default;
};

// The typing part of a result, when typing was asked.
struct TypingReport {
    bool requested = false;
    TypeOutcome outcome = TypeOutcome::Failed;
    QString method;
    QString message;
};

struct MeasureResult {
    InstanceError error = InstanceError::None;
    QString errorMessage;
    double distanceMetres = 0;
    QString text;
    TypingReport typing;

    bool Succeeded() const { return error == InstanceError::None; }
};

// The template a request asks for: "{value}", then " {unit}" and "{tab}"/"{enter}".
QString TemplateTextOf(const MeasureRequest& request);

// The wire form of the options and back; a malformed map gives the reason instead.
QVariantMap MeasureOptionsMap(const MeasureRequest& request);
struct ParsedMeasureOptions {
    std::optional<MeasureRequest> request;
    QString error;
};
ParsedMeasureOptions MeasureRequestFromMap(const QVariantMap& options);

// The wire form of a successful result and back.
QVariantMap MeasureResultMap(const MeasureResult& result);
MeasureResult MeasureResultFromMap(const QVariantMap& map);

// "net.rangedesk.RangeDesk.Error.NoMeter" and back; an unknown name is Failed.
QString InstanceErrorName(InstanceError error);
InstanceError InstanceErrorFromName(const QString& name);

} // namespace rangedesk::desktop
