#pragma once

#include <QProcess>
#include <QString>

// Runs the crash child on a database until it has said it stored `records` records, then
// kills it with SIGKILL. Returns the last record number it reported.
inline int RunChildAndKill(const QString& database, int records) {
    QProcess child;
    child.start(QString(RANGEDESK_CRASH_CHILD), {database});
    if (!child.waitForStarted()) {
        return 0;
    }
    int reported = 0;
    while (reported < records && child.waitForReadyRead(10000)) {
        while (child.canReadLine()) {
            reported = child.readLine().trimmed().toInt();
        }
    }
    child.kill();
    child.waitForFinished();
    return reported;
}
