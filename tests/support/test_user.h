#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <unistd.h>

#include "cli_run.h"

// An unprivileged user of the test's own, made with useradd and removed again: the cases root
// never meets. Made() is false where the test may not make users (not root).
class TestUser {
public:
    explicit TestUser(QString name) : name_(std::move(name)) {
        made_ = ::geteuid() == 0 &&
                QProcess::execute("useradd", {"-M", "-N", "-s", "/bin/sh", name_}) == 0;
    }
    ~TestUser() {
        if (made_) {
            QProcess::execute("userdel", {name_});
        }
    }
    TestUser(const TestUser&) = delete;
    TestUser& operator=(const TestUser&) = delete;

    bool Made() const { return made_; }

    // Runs `program` as this user, through env so the environment is exactly what is asked:
    // "NAME=value" sets, "-u NAME" style is written "NAME=" and unsets.
    CliRun Run(const QString& program, const QStringList& arguments,
               const QStringList& environment = {}, const QString& folder = {}) const {
        QStringList command{"-u", name_, "--", "env"};
        for (const QString& pair : environment) {
            const QString name = pair.section('=', 0, 0);
            const QString value = pair.section('=', 1);
            command << (value.isEmpty() ? QStringList{"-u", name} : QStringList{pair});
        }
        command << program << arguments;
        return RunProgram("runuser", command, {}, folder);
    }

private:
    QString name_;
    bool made_ = false;
};
