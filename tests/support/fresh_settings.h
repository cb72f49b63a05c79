#pragma once

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

// Settings of this test program alone, empty at its start: what a window remembers (the job
// chosen, the export's format and folder, a window's size) neither comes from the user's own
// settings nor from another test.
inline void UseFreshSettings() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(
        QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    QSettings().clear();
}
