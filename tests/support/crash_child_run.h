#pragma once

#include <QProcess>
#include <QString>

// The crash child downloading into a database in a process of its own, until it is killed
// (SIGKILL) when this goes.
class DownloadingChild {
public:
    explicit DownloadingChild(const QString& database) {
        child_.start(QString(RANGEDESK_CRASH_CHILD), {database});
    }
    ~DownloadingChild() { Kill(); }
    DownloadingChild(const DownloadingChild&) = delete;
    DownloadingChild& operator=(const DownloadingChild&) = delete;

    // Waits until it has said it stored `records` records; returns the last number it said.
    int WaitFor(int records) {
        if (!child_.waitForStarted()) {
            return 0;
        }
        while (reported_ < records && child_.waitForReadyRead(10000)) {
            while (child_.canReadLine()) {
                reported_ = child_.readLine().trimmed().toInt();
            }
        }
        return reported_;
    }
    int Reported() const { return reported_; }
    qint64 Pid() const { return child_.processId(); }
    void Kill() {
        if (child_.state() != QProcess::NotRunning) {
            child_.kill();
            child_.waitForFinished();
        }
    }

private:
    QProcess child_;
    int reported_ = 0;
};

// Runs the crash child on a database until it has said it stored `records` records, then
// kills it with SIGKILL. Returns the last record number it reported.
inline int RunChildAndKill(const QString& database, int records) {
    DownloadingChild child(database);
    return child.WaitFor(records);
}
