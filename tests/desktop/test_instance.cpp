// The running instance on a private session bus: registration, Raise, Measure with a delayed
// reply, the queue and the timeouts, as a second process would see them.
#include <QDBusMessage>
#include <QTest>
#include <QXmlStreamReader>

#include <functional>
#include <memory>
#include <optional>

#include "dbus_call.h"
#include "instance_client.h"
#include "instance_service.h"
#include "private_bus.h"

using namespace rangedesk::desktop;
using namespace std::chrono_literals;

namespace {

constexpr int kWaitMs = 5000;

// The window's side, scripted: it answers at once, when the test says, or never.
class ScriptedHandler : public MeasureHandler {
public:
    enum class Mode { AnswerAtOnce, Hold };
    Mode mode = Mode::AnswerAtOnce;
    MeasureResult answer;
    int raised = 0;
    QList<MeasureRequest> requests;
    std::deque<MeasureDone> held;
    int inFlight = 0;
    int mostInFlight = 0;

    void Raise() override { ++raised; }
    void Measure(const MeasureRequest& request, MeasureDone done) override {
        requests << request;
        mostInFlight = std::max(mostInFlight, ++inFlight);
        if (mode == Mode::AnswerAtOnce) {
            --inFlight;
            done(answer);
        } else {
            held.push_back(std::move(done));
        }
    }
    void AnswerHeld(const MeasureResult& result) {
        auto done = std::move(held.front());
        held.pop_front();
        --inFlight;
        done(result);
    }
};

MeasureResult Reading(double metres, const QString& text) {
    MeasureResult r;
    r.distanceMetres = metres;
    r.text = text;
    return r;
}

} // namespace

class TestInstance : public QObject {
    Q_OBJECT

    std::unique_ptr<PrivateBus> bus;

private slots:
    void init() {
        if (!PrivateBus::Available()) {
            QSKIP("dbus-daemon is not installed (package dbus-daemon)");
        }
        bus = std::make_unique<PrivateBus>();
        QVERIFY2(!bus->Address().isEmpty(), qPrintable(bus->Error()));
    }
    void cleanup() { bus.reset(); }

    void registration() {
        ScriptedHandler handler;
        const InstanceClient client(bus->Connect());
        QVERIFY(!client.IsRunning());
        {
            InstanceService first(bus->Connect(), handler);
            QCOMPARE(first.Register().outcome, InstanceService::Registration::Registered);
            QVERIFY(client.IsRunning());
            InstanceService second(bus->Connect(), handler);
            QCOMPARE(second.Register().outcome, InstanceService::Registration::AlreadyRunning);
            // The first still answers.
            QVERIFY(client.Raise(2s).Succeeded());
            QCOMPARE(handler.raised, 1);
        }
        QVERIFY(!client.IsRunning());
        // Once the first has gone, a new one registers.
        InstanceService third(bus->Connect(), handler);
        QCOMPARE(third.Register().outcome, InstanceService::Registration::Registered);
    }

    void introspection() {
        // The wire format callers outside this program (gdbus, scripts) rely on.
        ScriptedHandler handler;
        InstanceService service(bus->Connect(), handler);
        QCOMPARE(service.Register().outcome, InstanceService::Registration::Registered);
        const auto call = QDBusMessage::createMethodCall(
            kInstanceService, kInstancePath, "org.freedesktop.DBus.Introspectable", "Introspect");
        const QString xml = CallAndWait(bus->Connect(), call, 5s).arguments().value(0).toString();
        // Each method of the interface with its arguments, "in a{sv}", sorted.
        QMap<QString, QStringList> methods;
        QXmlStreamReader reader(xml);
        QString interface, method;
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            const auto attributes = reader.attributes();
            if (reader.name() == u"interface") {
                interface = attributes.value("name").toString();
            } else if (reader.name() == u"method" && interface == kInstanceInterface) {
                method = attributes.value("name").toString();
                methods[method];
            } else if (reader.name() == u"arg" && interface == kInstanceInterface) {
                methods[method] << attributes.value("direction").toString() + " " +
                                       attributes.value("type").toString();
                methods[method].sort();
            }
        }
        QCOMPARE(methods.keys(), (QStringList{"Measure", "Raise"}));
        QCOMPARE(methods["Raise"], QStringList());
        QCOMPARE(methods["Measure"], (QStringList{"in a{sv}", "out a{sv}"}));
    }

    void not_running() {
        const InstanceClient client(bus->Connect());
        QCOMPARE(client.Raise(2s).error, InstanceError::NotRunning);
        const MeasureResult r = client.Measure({}, 2s);
        QCOMPARE(r.error, InstanceError::NotRunning);
        QVERIFY(!r.errorMessage.isEmpty());
    }

    void measure_round_trip_data() {
        QTest::addColumn<bool>("type");
        QTest::addColumn<int>("end");
        QTest::addColumn<bool>("unit");
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("typed");
        QTest::newRow("read only")
            << false << int(EndKey::Tab) << false << int(InstanceError::None) << -1;
        QTest::newRow("typed, enter, unit") << true << int(EndKey::Enter) << true
                                            << int(InstanceError::None) << int(TypeOutcome::Typed);
        QTest::newRow("on the clipboard")
            << true << int(EndKey::None) << false << int(InstanceError::None)
            << int(TypeOutcome::OnClipboard);
        QTest::newRow("typing failed") << true << int(EndKey::Tab) << false
                                       << int(InstanceError::None) << int(TypeOutcome::Failed);
        QTest::newRow("no meter") << true << int(EndKey::Tab) << false
                                  << int(InstanceError::NoMeter) << -1;
        QTest::newRow("meter failed")
            << false << int(EndKey::Tab) << false << int(InstanceError::MeterFailed) << -1;
    }
    void measure_round_trip() {
        QFETCH(bool, type);
        QFETCH(int, end);
        QFETCH(bool, unit);
        QFETCH(int, error);
        QFETCH(int, typed);
        ScriptedHandler handler;
        InstanceService service(bus->Connect(), handler);
        QCOMPARE(service.Register().outcome, InstanceService::Registration::Registered);
        handler.answer = Reading(1.234, "1.234 m");
        handler.answer.error = InstanceError(error);
        handler.answer.errorMessage = error ? "No meter is connected" : "";
        if (typed >= 0) {
            handler.answer.typing = {true, TypeOutcome(typed), "xtest", "typed 6 keys"};
        }
        const MeasureRequest request{type, EndKey(end), unit};
        const MeasureResult r = InstanceClient(bus->Connect()).Measure(request, 5s);
        QCOMPARE(handler.requests, QList<MeasureRequest>{request});
        QCOMPARE(r.error, InstanceError(error));
        if (error) {
            QCOMPARE(r.errorMessage, handler.answer.errorMessage);
            return;
        }
        QCOMPARE(r.distanceMetres, 1.234);
        QCOMPARE(r.text, "1.234 m");
        QCOMPARE(r.typing.requested, typed >= 0);
        if (typed >= 0) {
            QCOMPARE(r.typing.outcome, TypeOutcome(typed));
            QCOMPARE(r.typing.method, "xtest");
            QCOMPARE(r.typing.message, "typed 6 keys");
        }
    }

    void measures_queue_in_order() {
        ScriptedHandler handler;
        handler.mode = ScriptedHandler::Mode::Hold;
        InstanceService service(bus->Connect(), handler);
        QCOMPARE(service.Register().outcome, InstanceService::Registration::Registered);
        // Three callers at once, each on a connection of its own.
        const QList<MeasureRequest> sent{
            {true, EndKey::Tab, false}, {true, EndKey::Enter, true}, {false, EndKey::None, false}};
        QList<QString> replies;
        std::vector<std::unique_ptr<InstanceClient>> clients;
        for (const auto& request : sent) {
            clients.push_back(std::make_unique<InstanceClient>(bus->Connect()));
            clients.back()->MeasureAsync(request, 10s,
                                         [&](const MeasureResult& r) { replies << r.text; });
            // Each call reaches the service before the next is sent, so the order is known.
            QTRY_COMPARE_WITH_TIMEOUT(int(service.Waiting()) + handler.requests.size(),
                                      int(clients.size()), kWaitMs);
        }
        QCOMPARE(handler.requests.size(), 1);
        QCOMPARE(service.Waiting(), std::size_t(2));
        for (int i = 0; i < sent.size(); ++i) {
            handler.AnswerHeld(Reading(i + 1, QString("reading %1").arg(i + 1)));
            QTRY_COMPARE_WITH_TIMEOUT(replies.size(), i + 1, kWaitMs);
            if (i + 1 < sent.size()) {
                QTRY_COMPARE_WITH_TIMEOUT(handler.requests.size(), i + 2, kWaitMs);
            }
        }
        QCOMPARE(handler.requests, sent);
        QCOMPARE(replies, (QList<QString>{"reading 1", "reading 2", "reading 3"}));
        QCOMPARE(handler.mostInFlight, 1);
    }

    void answers_at_once_in_a_row() {
        // A handler that answers inside Measure must not start the next one inside its own
        // callback, nor lose one.
        ScriptedHandler handler;
        handler.answer = Reading(2.5, "2.500 m");
        InstanceService service(bus->Connect(), handler);
        QCOMPARE(service.Register().outcome, InstanceService::Registration::Registered);
        const InstanceClient client(bus->Connect());
        int replies = 0;
        for (int i = 0; i < 5; ++i) {
            client.MeasureAsync({}, 10s, [&](const MeasureResult& r) { replies += r.Succeeded(); });
        }
        QTRY_COMPARE_WITH_TIMEOUT(replies, 5, kWaitMs);
        QCOMPARE(handler.mostInFlight, 1);
    }

    void client_timeout() {
        ScriptedHandler handler;
        handler.mode = ScriptedHandler::Mode::Hold;
        InstanceService service(bus->Connect(), handler, 60s);
        QCOMPARE(service.Register().outcome, InstanceService::Registration::Registered);
        const MeasureResult r = InstanceClient(bus->Connect()).Measure({}, 300ms);
        QCOMPARE(r.error, InstanceError::Timeout);
        QCOMPARE(handler.requests.size(), 1);
    }

    void handler_deadline_frees_the_queue() {
        ScriptedHandler handler;
        handler.mode = ScriptedHandler::Mode::Hold;
        InstanceService service(bus->Connect(), handler, 400ms);
        QCOMPARE(service.Register().outcome, InstanceService::Registration::Registered);
        const InstanceClient client(bus->Connect());
        std::optional<MeasureResult> first;
        std::optional<MeasureResult> second;
        client.MeasureAsync({}, 10s, [&](const MeasureResult& r) { first = r; });
        client.MeasureAsync({}, 10s, [&](const MeasureResult& r) { second = r; });
        // The service gives up on the silent handler and answers Timeout...
        QTRY_VERIFY_WITH_TIMEOUT(first.has_value(), kWaitMs);
        QCOMPARE(first->error, InstanceError::Timeout);
        // ...and hands the next request on; a late answer to the first is dropped.
        QTRY_COMPARE_WITH_TIMEOUT(handler.requests.size(), 2, kWaitMs);
        handler.AnswerHeld(Reading(9, "late"));
        handler.AnswerHeld(Reading(3, "3.000 m"));
        QTRY_VERIFY_WITH_TIMEOUT(second.has_value(), kWaitMs);
        QCOMPARE(second->text, "3.000 m");
    }

    void closing_answers_the_waiting() {
        ScriptedHandler handler;
        handler.mode = ScriptedHandler::Mode::Hold;
        auto service = std::make_unique<InstanceService>(bus->Connect(), handler);
        QCOMPARE(service->Register().outcome, InstanceService::Registration::Registered);
        const InstanceClient client(bus->Connect());
        QList<InstanceError> errors;
        for (int i = 0; i < 2; ++i) {
            client.MeasureAsync({}, 60s, [&](const MeasureResult& r) { errors << r.error; });
        }
        QTRY_COMPARE_WITH_TIMEOUT(service->Waiting(), std::size_t(1), kWaitMs);
        service.reset();
        // Well before the callers' own 60 s.
        QTRY_COMPARE_WITH_TIMEOUT(errors.size(), 2, kWaitMs);
        QCOMPARE(errors, (QList<InstanceError>{InstanceError::Failed, InstanceError::Failed}));
        // The handler's late answer goes nowhere.
        handler.AnswerHeld(Reading(1, "late"));
    }

    void refuses_bad_options_data() {
        QTest::addColumn<QVariantMap>("options");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("end") << QVariantMap{{"end", "space"}} << "tab, enter or none";
        QTest::newRow("unknown") << QVariantMap{{"typ", true}} << "unknown option \"typ\"";
        QTest::newRow("not a boolean") << QVariantMap{{"type", "yes"}} << "must be a boolean";
    }
    void refuses_bad_options() {
        QFETCH(QVariantMap, options);
        QFETCH(QString, mentions);
        ScriptedHandler handler;
        InstanceService service(bus->Connect(), handler);
        QCOMPARE(service.Register().outcome, InstanceService::Registration::Registered);
        auto call = QDBusMessage::createMethodCall(kInstanceService, kInstancePath,
                                                   kInstanceInterface, "Measure");
        call << options;
        const QDBusMessage reply = CallAndWait(bus->Connect(), call, 5s);
        QCOMPARE(reply.errorName(), InstanceErrorName(InstanceError::InvalidRequest));
        QVERIFY2(reply.errorMessage().contains(mentions), qPrintable(reply.errorMessage()));
        QVERIFY(handler.requests.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestInstance)
#include "test_instance.moc"
