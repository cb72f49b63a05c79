#pragma once

#include <QString>

namespace rangedesk::records {

// A download's meter as lists and exports show it: "model 3", "model 3 SN0042", "simulated
// model 3", "-" when the model is not known. Also a JSON value: never translated.
QString MeterText(int model, const QString& serial, bool simulated);

} // namespace rangedesk::records
