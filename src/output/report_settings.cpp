#include "report_settings.h"

#include <QSettings>

#include <stdexcept>

namespace rangedesk::output {
namespace {

const QString kCompanyKey = QStringLiteral("report/company");
const QString kContactKey = QStringLiteral("report/contact");
// The window and rangedesk-cli share the user's configuration file.
constexpr const char* kOrganization = "RangeDesk";
constexpr const char* kApplication = "RangeDesk";

} // namespace

ReportSettings ReportSettings::Load() {
    const QSettings settings(QSettings::UserScope, kOrganization, kApplication);
    return {settings.value(kCompanyKey).toString(), settings.value(kContactKey).toString()};
}

void ReportSettings::Save() const {
    QSettings settings(QSettings::UserScope, kOrganization, kApplication);
    settings.setValue(kCompanyKey, Company);
    settings.setValue(kContactKey, Contact);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        throw std::runtime_error(
            QString("cannot write the settings %1: %2")
                .arg(settings.fileName(), settings.status() == QSettings::AccessError
                                              ? "it cannot be written"
                                              : "it is not a settings file")
                .toStdString());
    }
}

} // namespace rangedesk::output
