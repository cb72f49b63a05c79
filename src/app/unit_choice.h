#pragma once

#include <QString>
#include <QStringList>

#include "unit_system.h"

class QComboBox;
class QWidget;

namespace rangedesk::app {

// The unit systems a user chooses from, in the order they are listed: "As measured",
// "Metric", "Imperial".
inline constexpr UnitSystem kUnitChoices[] = {UnitSystem::AsMeasured, UnitSystem::Metric,
                                              UnitSystem::Imperial};
QStringList UnitChoiceTexts();

// A list of the three, showing `current`; currentData() holds each one's UnitSystem.
QComboBox* NewUnitChoice(UnitSystem current, QWidget* parent);
UnitSystem ChosenUnits(const QComboBox& choice);
void ShowUnits(QComboBox& choice, UnitSystem units);

// What an export says when values stayed text under a unit system: "3 values stayed text
// (no quantity in them)."
QString StayedTextNote(int values);

// The unit system of the last export, remembered in the user's settings like its format.
UnitSystem RememberedExportUnits();
void RememberExportUnits(UnitSystem units);

} // namespace rangedesk::app
