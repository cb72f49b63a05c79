// The commands that talk to a meter: devices and read.
#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <cstdio>

#include "cli_meter.h"
#include "commands.h"
#include "exit_status.h"
#include "meter_link.h"
#include "meter_operations.h"
#include "reading_log.h"
#include "record_store.h"
#include "standard_output.h"

namespace rangedesk::cli {
namespace {

constexpr int kReadLimitMs = 2 * meter::MeterLink::kAnswerTimeoutMs + 2000;
constexpr int kFirstScanMs = 5000;

QString Hex4(std::uint16_t value) {
    return QString("%1").arg(value, 4, 16, QChar('0'));
}

} // namespace

int RunDevices(const CliOptions& options) {
    CliMeter meter(options);
    meter.Session().WaitForFirstScan(kFirstScanMs);
    const std::vector<meter::FoundMeter> meters = meter.Session().Meters();
    if (options.Json) {
        QJsonArray list;
        for (const meter::FoundMeter& m : meters) {
            list.append(QJsonObject{{"model", m.Model},
                                    {"vendor", Hex4(m.VendorID)},
                                    {"product", Hex4(m.ProductID)},
                                    {"node", m.Node},
                                    {"access", m.FullAccess}});
        }
        PrintOut(QJsonDocument(list).toJson(QJsonDocument::Indented));
    } else {
        for (const meter::FoundMeter& m : meters) {
            PrintLine(
                (m.FullAccess
                     ? QCoreApplication::translate("CliMeter", "model %1  %2:%3  %4  can be opened")
                     : QCoreApplication::translate("CliMeter",
                                                   "model %1  %2:%3  %4  cannot be opened"))
                    .arg(QString::number(m.Model), Hex4(m.VendorID), Hex4(m.ProductID), m.Node));
        }
    }
    bool access = false;
    for (const meter::FoundMeter& m : meters) {
        access = access || m.FullAccess;
        if (!m.FullAccess) {
            PrintError(meter::NoAccessMessage(m.Node).replace('\r', ' '));
        }
    }
    if (meters.empty()) {
        PrintError(QCoreApplication::translate("CliMeter", "no meter found"));
        return kNoMeter;
    }
    return access ? kDone : kNoAccess;
}

std::optional<meter::Reading> TakeReading(CliMeter& meter, QString& failure) {
    QEventLoop loop;
    std::optional<meter::RequestResult> result;
    QTimer::singleShot(kReadLimitMs, &loop, &QEventLoop::quit);
    meter.Session().Submit(meter::MeterSession::Request::Read, [&](const meter::RequestResult& r) {
        result = r;
        loop.quit();
    });
    if (!result) {
        loop.exec();
    }
    if (!result || !result->reading) {
        failure =
            QCoreApplication::translate("CliMeter", "no reading from %1: %2")
                .arg(meter.Link().Connection().Node,
                     result ? meter::ExchangeFailureText(result->failure)
                            : QCoreApplication::translate("CliMeter", "the meter did not answer"));
        return std::nullopt;
    }
    return result->reading;
}

void PrintReading(double metres, const QString& text, bool json) {
    if (json) {
        const QJsonObject object{{"distance_m", metres}, {"text", text}};
        PrintOut(QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
    } else {
        PrintLine(text);
    }
}

void KeepReading(const CliOptions& options, CliMeter& meter, const meter::Reading& reading) {
    try {
        store::RecordStore store(DatabaseFor(options), store::StoreAccess::ReadWrite);
        store::ReadingLog(store).Add(store::ReadingFrom(meter.Operations().CurrentSource(),
                                                        reading.TenthsOfMillimetre,
                                                        reading.Text + " m", std::nullopt));
    } catch (const std::exception& e) {
        // The reading is the result; that it could not be kept is said beside it.
        PrintError(QCoreApplication::translate("CliMeter", "the reading was not kept: %1")
                       .arg(QString::fromUtf8(e.what())));
    }
}

ReadOutcome ReadKeepAndPrint(const CliOptions& options) {
    CliMeter meter(options);
    if (const int status = CheckMeter(meter); status != kDone) {
        return {status, std::nullopt};
    }
    QString failure;
    std::optional<meter::Reading> reading = TakeReading(meter, failure);
    if (!reading) {
        PrintError(failure);
        return {kIncomplete, std::nullopt};
    }
    KeepReading(options, meter, *reading);
    PrintReading(reading->TenthsOfMillimetre / 10000.0, reading->Text + " m", options.Json);
    return {kDone, std::move(reading)};
}

int RunRead(const CliOptions& options) {
    return ReadKeepAndPrint(options).Status;
}

} // namespace rangedesk::cli
