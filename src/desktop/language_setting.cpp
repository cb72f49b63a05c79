#include "language_setting.h"

#include <QSettings>

namespace rangedesk::desktop {
namespace {

constexpr char kKey[] = "Language";
constexpr char kSystem[] = "system";

} // namespace

QString LoadLanguageChoice() {
    const QSettings settings;
    return settings.value(kKey, kSystem).toString();
}

void SaveLanguageChoice(const QString& choice) {
    QSettings settings;
    settings.setValue(kKey, choice.isEmpty() ? QString(kSystem) : choice);
}

} // namespace rangedesk::desktop
