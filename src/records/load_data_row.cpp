#include "load_data_row.h"

#include "record_reply.h"

namespace rangedesk::records {
namespace {

QString Joined(const SlotTexts& slot) {
    return QString::fromStdString(slot.ValueText) + ' ' + QString::fromStdString(slot.SuffixText);
}

} // namespace

LoadDataTexts RowTexts(int recNo, const MeasurementRecord& record, RecordLayout layout) {
    const bool extended = layout == RecordLayout::Extended;
    const std::string& unit = extended ? record.UnitText : record.slot(SlotId::DIST2).SuffixText;
    return {QString::number(recNo),
            QString::fromStdString(record.ModeText),
            QString::fromStdString(unit),
            Joined(record.slot(SlotId::DIST1)),
            Joined(record.slot(SlotId::DIST2)),
            Joined(record.slot(SlotId::DIST3)),
            Joined(record.slot(SlotId::RESULT))};
}

} // namespace rangedesk::records
