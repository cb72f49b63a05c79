#include "instance_protocol.h"

#include <algorithm>
#include <array>
#include <utility>

namespace rangedesk::desktop {

namespace {

const QString kType = QStringLiteral("type");
const QString kEnd = QStringLiteral("end");
const QString kUnit = QStringLiteral("unit");
const QString kDistance = QStringLiteral("distance_m");
const QString kText = QStringLiteral("text");
const QString kTyped = QStringLiteral("typed");
const QString kMethod = QStringLiteral("method");
const QString kTypingMessage = QStringLiteral("typing_message");

constexpr std::array<std::pair<EndKey, const char*>, 3> kEnds{{
    {EndKey::Tab, "tab"},
    {EndKey::Enter, "enter"},
    {EndKey::None, "none"},
}};

constexpr std::array<std::pair<TypeOutcome, const char*>, 3> kOutcomes{{
    {TypeOutcome::Typed, "typed"},
    {TypeOutcome::OnClipboard, "clipboard"},
    {TypeOutcome::Failed, "failed"},
}};

constexpr std::array<std::pair<InstanceError, const char*>, 6> kErrors{{
    {InstanceError::NotRunning, "NotRunning"},
    {InstanceError::NoMeter, "NoMeter"},
    {InstanceError::MeterFailed, "MeterFailed"},
    {InstanceError::Timeout, "Timeout"},
    {InstanceError::InvalidRequest, "InvalidRequest"},
    {InstanceError::Failed, "Failed"},
}};

const QString kErrorPrefix = kInstanceInterface + QStringLiteral(".Error.");

// A boolean option; anything but a boolean is refused rather than guessed.
bool ReadBool(const QVariantMap& options, const QString& key, bool fallback, QString& error) {
    const auto it = options.constFind(key);
    if (it == options.constEnd()) {
        return fallback;
    }
    if (it->typeId() != QMetaType::Bool) {
        error = QStringLiteral("option \"%1\" must be a boolean, not %2")
                    .arg(key, QString::fromLatin1(it->typeName()));
        return fallback;
    }
    return it->toBool();
}

} // namespace

QString TemplateTextOf(const MeasureRequest& request) {
    return TypingTemplate::TextOf(request.withUnit ? ValueField::ValueAndUnit : ValueField::Value,
                                  request.end);
}

QVariantMap MeasureOptionsMap(const MeasureRequest& request) {
    QVariantMap map{{kType, request.type}, {kUnit, request.withUnit}};
    for (const auto& [end, name] : kEnds) {
        if (end == request.end) {
            map.insert(kEnd, QString::fromLatin1(name));
        }
    }
    return map;
}

ParsedMeasureOptions MeasureRequestFromMap(const QVariantMap& options) {
    for (auto it = options.constBegin(); it != options.constEnd(); ++it) {
        if (it.key() != kType && it.key() != kEnd && it.key() != kUnit) {
            return {std::nullopt, QStringLiteral("unknown option \"%1\"; the options are type, "
                                                 "end and unit")
                                      .arg(it.key())};
        }
    }
    QString error;
    MeasureRequest request;
    request.type = ReadBool(options, kType, false, error);
    request.withUnit = ReadBool(options, kUnit, false, error);
    if (!error.isEmpty()) {
        return {std::nullopt, error};
    }
    if (options.contains(kEnd)) {
        const QString end = options.value(kEnd).toString();
        const auto known = std::find_if(kEnds.begin(), kEnds.end(), [&](const auto& e) {
            return end == QLatin1String(e.second);
        });
        if (known == kEnds.end()) {
            return {
                std::nullopt,
                QStringLiteral("option \"end\" is \"%1\"; it must be tab, enter or none").arg(end)};
        }
        request.end = known->first;
    }
    return {request, {}};
}

QVariantMap MeasureResultMap(const MeasureResult& result) {
    QVariantMap map{{kDistance, result.distanceMetres},
                    {kText, result.text},
                    {kTyped, QString()},
                    {kMethod, result.typing.method},
                    {kTypingMessage, result.typing.message}};
    if (result.typing.requested) {
        for (const auto& [outcome, name] : kOutcomes) {
            if (outcome == result.typing.outcome) {
                map.insert(kTyped, QString::fromLatin1(name));
            }
        }
    }
    return map;
}

MeasureResult MeasureResultFromMap(const QVariantMap& map) {
    MeasureResult result;
    result.distanceMetres = map.value(kDistance).toDouble();
    result.text = map.value(kText).toString();
    const QString typed = map.value(kTyped).toString();
    result.typing.requested = !typed.isEmpty();
    for (const auto& [outcome, name] : kOutcomes) {
        if (typed == QLatin1String(name)) {
            result.typing.outcome = outcome;
        }
    }
    result.typing.method = map.value(kMethod).toString();
    result.typing.message = map.value(kTypingMessage).toString();
    return result;
}

QString InstanceErrorName(InstanceError error) {
    for (const auto& [e, name] : kErrors) {
        if (e == error) {
            return kErrorPrefix + QLatin1String(name);
        }
    }
    return kErrorPrefix + QStringLiteral("Failed");
}

InstanceError InstanceErrorFromName(const QString& name) {
    for (const auto& [e, n] : kErrors) {
        if (name == kErrorPrefix + QLatin1String(n)) {
            return e;
        }
    }
    return InstanceError::Failed;
}

} // namespace rangedesk::desktop
