#include "meter_text.h"

namespace rangedesk::records {

QString MeterText(int model, const QString& serial, bool simulated) {
    if (model <= 0) {
        return "-";
    }
    QString text = QString("model %1").arg(model);
    if (!serial.isEmpty()) {
        text += " " + serial;
    }
    return simulated ? "simulated " + text : text;
}

} // namespace rangedesk::records
