#pragma once

#include <QString>

#include "measurement_record.h"

namespace rangedesk::meter {

enum class StatusColour { Black, ButtonText, Red };

// What the meter operations need of the main window, and nothing more.
class MeterWindow {
public:
    virtual ~MeterWindow() = default;

    virtual void ALLButtonEn(bool on) = 0;
    virtual void SetConnectionStatus(const QString& text, StatusColour colour) = 0;
    virtual void SetExchangeStatus(const QString& text) = 0;
    // Shows the picture of the model and makes the reading display and the patches visible.
    virtual void ShowMeter(int model) = 0;
    // Label0 (oldest) to Label3 (newest).
    virtual QString ReadingLine(int line) const = 0;
    virtual void SetReadingLine(int line, const QString& text) = 0;

    // The download lock and its release; the release restores every button by the flags.
    virtual void LockForDownload() = 0;
    virtual void UnlockAfterDownload() = 0;
    virtual void SetRecordsLoaded() = 0;
    virtual void ShowProgress(int record, int total) = 0;
    virtual void HideProgress() = 0;

    virtual void EmptyLoadData() = 0;
    virtual void AddRecToLib(int i, const MeasurementRecord& record, int model) = 0;

    // A plain message box with OK.
    virtual void ShowMessage(const QString& text) = 0;
};

} // namespace rangedesk::meter
