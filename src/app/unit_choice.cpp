#include "unit_choice.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QSettings>

#include <algorithm>
#include <iterator>

#include "measurement_cells.h"

namespace rangedesk::app {
namespace {

// The word the command line uses, so both read the same setting the same way.
constexpr const char* kExportUnitsKey = "export/units";

} // namespace

QStringList UnitChoiceTexts() {
    return {QCoreApplication::translate("UnitChoice", "As measured"),
            QCoreApplication::translate("UnitChoice", "Metric"),
            QCoreApplication::translate("UnitChoice", "Imperial")};
}

QComboBox* NewUnitChoice(UnitSystem current, QWidget* parent) {
    auto* choice = new QComboBox(parent);
    const QStringList texts = UnitChoiceTexts();
    for (std::size_t i = 0; i < std::size(kUnitChoices); ++i) {
        choice->addItem(texts[qsizetype(i)], int(kUnitChoices[i]));
    }
    ShowUnits(*choice, current);
    return choice;
}

UnitSystem ChosenUnits(const QComboBox& choice) {
    const QVariant data = choice.currentData();
    return data.isValid() ? UnitSystem(data.toInt()) : UnitSystem::AsMeasured;
}

void ShowUnits(QComboBox& choice, UnitSystem units) {
    choice.setCurrentIndex(std::max(0, choice.findData(int(units))));
}

QString StayedTextNote(int values) {
    return values == 1 ? QCoreApplication::translate("UnitChoice",
                                                     "1 value stayed text (no quantity in it).")
                       : QCoreApplication::translate("UnitChoice",
                                                     "%1 values stayed text (no quantity in them).")
                             .arg(values);
}

UnitSystem RememberedExportUnits() {
    return output::UnitSystemFromWord(QSettings().value(kExportUnitsKey).toString())
        .value_or(UnitSystem::AsMeasured);
}

void RememberExportUnits(UnitSystem units) {
    QSettings().setValue(kExportUnitsKey, output::UnitSystemWord(units));
}

} // namespace rangedesk::app
