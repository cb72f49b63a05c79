#include "typing_settings.h"

#include <QSettings>

namespace rangedesk::desktop {
namespace {

const QString kTemplateKey = QStringLiteral("typing/template");
const QString kDecimalKey = QStringLiteral("typing/decimalSeparator");

} // namespace

TypingSettings TypingSettings::Load() {
    const QSettings settings;
    TypingSettings typing;
    typing.Template = settings.value(kTemplateKey, typing.Template).toString();
    typing.Decimal = settings.value(kDecimalKey).toString() == "point" ? DecimalSeparator::Point
                                                                       : DecimalSeparator::Locale;
    return typing;
}

void TypingSettings::Save() const {
    QSettings settings;
    settings.setValue(kTemplateKey, Template);
    settings.setValue(kDecimalKey, Decimal == DecimalSeparator::Point ? "point" : "locale");
}

} // namespace rangedesk::desktop
