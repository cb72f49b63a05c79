#include "portal/portal_typer.h"

#include <QCoreApplication>

#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QTimer>

#include "dbus_call.h"
#include "portal/portal_request.h"
#include "portal_session_interface.h"
#include "stroke_keysym.h"
#include "typing_method.h"

namespace rangedesk::desktop::portal {

namespace {

const QString kRemoteDesktop = QStringLiteral("org.freedesktop.portal.RemoteDesktop");
constexpr uint kKeyboard = 1; // device type bit
constexpr uint kPersistUntilRevoked = 2;
constexpr uint kFirstPersistingVersion = 2;
constexpr uint kReleased = 0;
constexpr uint kPressed = 1;

QDBusMessage RemoteDesktopCall(const QString& method) {
    return QDBusMessage::createMethodCall(kPortalService, kPortalPath, kRemoteDesktop, method);
}

// A property of the RemoteDesktop interface, or an invalid variant.
QVariant Property(const QDBusConnection& bus, const QString& name,
                  std::chrono::milliseconds timeout) {
    auto call = QDBusMessage::createMethodCall(kPortalService, kPortalPath,
                                               QStringLiteral("org.freedesktop.DBus.Properties"),
                                               QStringLiteral("Get"));
    call << kRemoteDesktop << name;
    const QDBusMessage reply = CallAndWait(bus, call, timeout);
    if (reply.type() == QDBusMessage::ErrorMessage || reply.arguments().isEmpty()) {
        return {};
    }
    return qvariant_cast<QDBusVariant>(reply.arguments().front()).variant();
}

// The session handle of CreateSession's results: a string in the portal's documents, an
// object path from some backends.
QString SessionHandle(const QVariantMap& results) {
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    return handle.canConvert<QDBusObjectPath>() &&
                   !qvariant_cast<QDBusObjectPath>(handle).path().isEmpty()
               ? qvariant_cast<QDBusObjectPath>(handle).path()
               : handle.toString();
}

QString ResponseError(const QString& step, const PortalResponse& response) {
    switch (response.kind) {
    case PortalResponse::Kind::Cancelled:
        return QCoreApplication::translate(
            "Typing", "the user declined keyboard control in the portal's dialog");
    case PortalResponse::Kind::Ended:
        return QCoreApplication::translate("Typing", "the portal ended %1").arg(step);
    case PortalResponse::Kind::NoAnswer:
    case PortalResponse::Kind::CallFailed:
        return response.error;
    case PortalResponse::Kind::Success:
        break;
    }
    return {};
}

} // namespace

PortalTyper::PortalTyper(QDBusConnection bus, RestoreTokenStore& tokens)
    : PortalTyper(std::move(bus), tokens, Timeouts{}) {}

PortalTyper::PortalTyper(QDBusConnection bus, RestoreTokenStore& tokens, Timeouts timeouts)
    : bus_(std::move(bus)), tokens_(tokens), timeouts_(timeouts) {}

PortalTyper::~PortalTyper() {
    if (sessionProxy_) {
        sessionProxy_->Close();
    }
}

bool PortalTyper::Probe(const QDBusConnection& bus) {
    const QVariant types =
        Property(bus, QStringLiteral("AvailableDeviceTypes"), std::chrono::seconds(2));
    return types.isValid() && (types.toUInt() & kKeyboard) != 0;
}

QString PortalTyper::Name() const {
    return TypingMethodName(TypingMethod::Portal);
}

QString PortalTyper::NextToken() {
    // Unique per call and per process, as handle tokens must be.
    return QStringLiteral("rangedesk_%1_%2")
        .arg(QRandomGenerator::global()->generate())
        .arg(++tokenCounter_);
}

QString PortalTyper::StartSession() {
    const uint version = Property(bus_, QStringLiteral("version"), timeouts_.call).toUInt();
    // CreateSession.
    QString token = NextToken();
    auto create = RemoteDesktopCall(QStringLiteral("CreateSession"));
    create << QVariantMap{{QStringLiteral("handle_token"), token},
                          {QStringLiteral("session_handle_token"), NextToken()}};
    PortalResponse response = CallRequest(bus_, create, token, timeouts_.call, timeouts_.call);
    if (response.kind != PortalResponse::Kind::Success) {
        return ResponseError(QStringLiteral("CreateSession"), response);
    }
    const QString session = SessionHandle(response.results);
    if (session.isEmpty()) {
        return QStringLiteral("the portal's CreateSession gave no session handle");
    }
    // SelectDevices: the keyboard only, kept until revoked where the portal can.
    token = NextToken();
    QVariantMap options{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("types"), kKeyboard}};
    if (version >= kFirstPersistingVersion) {
        options.insert(QStringLiteral("persist_mode"), kPersistUntilRevoked);
        if (const QString restore = tokens_.Load(); !restore.isEmpty()) {
            options.insert(QStringLiteral("restore_token"), restore);
        }
    }
    auto select = RemoteDesktopCall(QStringLiteral("SelectDevices"));
    select << QVariant::fromValue(QDBusObjectPath(session)) << options;
    response = CallRequest(bus_, select, token, timeouts_.call, timeouts_.call);
    if (response.kind != PortalResponse::Kind::Success) {
        return ResponseError(QStringLiteral("SelectDevices"), response);
    }
    // Start: the portal may show its consent dialog now.
    token = NextToken();
    auto start = RemoteDesktopCall(QStringLiteral("Start"));
    start << QVariant::fromValue(QDBusObjectPath(session)) << parentWindow_
          << QVariantMap{{QStringLiteral("handle_token"), token}};
    response = CallRequest(bus_, start, token, timeouts_.call, timeouts_.consent);
    if (response.kind != PortalResponse::Kind::Success) {
        return ResponseError(QStringLiteral("Start"), response);
    }
    if ((response.results.value(QStringLiteral("devices")).toUInt() & kKeyboard) == 0) {
        return QCoreApplication::translate("Typing",
                                           "the portal started a session without the keyboard");
    }
    if (const QString restore = response.results.value(QStringLiteral("restore_token")).toString();
        !restore.isEmpty()) {
        tokens_.Save(restore);
    }
    session_ = session;
    sessionProxy_ =
        std::make_unique<OrgFreedesktopPortalSessionInterface>(kPortalService, session_, bus_);
    QObject::connect(sessionProxy_.get(), &OrgFreedesktopPortalSessionInterface::Closed,
                     [this](const QVariantMap&) { ForgetSession(); });
    return {};
}

void PortalTyper::ForgetSession() {
    session_.clear();
    if (sessionProxy_) {
        sessionProxy_.release()->deleteLater();
    }
}

TypeResult PortalTyper::Type(const KeyStrokes& strokes) {
    const auto failed = [this](const QString& why) {
        return TypeResult{TypeOutcome::Failed, Name(), why};
    };
    if (session_.isEmpty()) {
        if (const QString error = StartSession(); !error.isEmpty()) {
            return failed(error);
        }
    }
    // Every press and release goes out at once, in order; then the replies are awaited.
    std::vector<std::unique_ptr<QDBusPendingCallWatcher>> pending;
    for (const KeyStroke& stroke : strokes) {
        const int keysym = int(KeysymOf(stroke));
        for (const uint state : {kPressed, kReleased}) {
            auto call = RemoteDesktopCall(QStringLiteral("NotifyKeyboardKeysym"));
            call << QVariant::fromValue(QDBusObjectPath(session_)) << QVariantMap() << keysym
                 << state;
            pending.push_back(std::make_unique<QDBusPendingCallWatcher>(
                bus_.asyncCall(call, int(timeouts_.call.count()))));
        }
    }
    for (const auto& watcher : pending) {
        if (!watcher->isFinished()) {
            QEventLoop loop;
            QObject::connect(watcher.get(), &QDBusPendingCallWatcher::finished, &loop,
                             &QEventLoop::quit);
            loop.exec();
        }
        if (watcher->isError()) {
            // The session is no longer usable (closed, revoked); the next typing asks anew.
            ForgetSession();
            return failed(QCoreApplication::translate("Typing", "the portal refused a key: %1")
                              .arg(DBusErrorText(watcher->reply())));
        }
    }
    return {TypeOutcome::Typed, Name(),
            QStringLiteral("typed %1 keys through the RemoteDesktop portal").arg(strokes.size())};
}

} // namespace rangedesk::desktop::portal
