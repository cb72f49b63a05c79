#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// What a run of a command gave: its exit status (-1 when it crashed or hung), standard output
// and standard error.
struct CliRun {
    int exit = -1;
    QByteArray out;
    QByteArray err;
};

// Runs `program` with `arguments`, `environment` ("NAME=value"; "NAME=" unsets NAME) added to
// this process's, in `folder` when one is given; a run longer than a minute is killed.
inline CliRun RunProgram(const QString& program, const QStringList& arguments,
                         const QStringList& environment = {}, const QString& folder = {}) {
    constexpr int kRunMs = 60000;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& pair : environment) {
        const QString name = pair.section('=', 0, 0);
        const QString value = pair.section('=', 1);
        if (value.isEmpty()) {
            env.remove(name);
        } else {
            env.insert(name, value);
        }
    }
    process.setProcessEnvironment(env);
    if (!folder.isEmpty()) {
        process.setWorkingDirectory(folder);
    }
    process.start(program, arguments);
    process.waitForStarted();
    process.closeWriteChannel();
    if (!process.waitForFinished(kRunMs)) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}
