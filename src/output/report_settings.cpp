#include "report_settings.h"

#include <QCoreApplication>

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
            (settings.status() == QSettings::AccessError
                 ? QCoreApplication::translate("ReportSettings",
                                               "cannot write the settings %1: it cannot be written")
                 : QCoreApplication::translate(
                       "ReportSettings", "cannot write the settings %1: it is not a settings file"))
                .arg(settings.fileName())
                .toStdString());
    }
}

} // namespace rangedesk::output
