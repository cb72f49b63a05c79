#include "team_keyring.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <memory>

#include <qt6keychain/keychain.h>

namespace rangedesk::team {
namespace {

constexpr const char* kService = "RangeDesk team server";
// A keyring that does not answer must not hold up a desk.
constexpr int kKeyringTimeoutMs = 5000;

struct Outcome {
    bool Finished = false;
    QKeychain::Error Error = QKeychain::OtherError;
    QString ErrorText = "the keyring did not answer";
    QString Password;
};

// Runs a keychain job to its end on a local event loop. The job deletes itself when it ends,
// also after a timeout here, so an outcome is shared with it rather than owned by this frame.
template <typename JobType, typename Prepare> Outcome Run(const QString& server, Prepare prepare) {
    auto* job = new JobType(kService); // deletes itself when finished (autoDelete)
    job->setAutoDelete(true);
    job->setInsecureFallback(false); // never a plain-text file
    job->setKey(server);
    prepare(*job);
    auto outcome = std::make_shared<Outcome>();
    const QPointer<QKeychain::Job> alive(job);
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, job, [outcome, &loop](QKeychain::Job* done) {
        outcome->Finished = true;
        outcome->Error = done->error();
        outcome->ErrorText = done->errorString();
        if (auto* read = qobject_cast<QKeychain::ReadPasswordJob*>(done)) {
            outcome->Password = read->textData();
        }
        loop.quit();
    });
    QTimer::singleShot(kKeyringTimeoutMs, &loop, &QEventLoop::quit);
    job->start();
    if (!outcome->Finished) {
        loop.exec();
    }
    // After a timeout the job may still finish; it must not touch this loop then.
    if (alive) {
        QObject::disconnect(job, &QKeychain::Job::finished, job, nullptr);
    }
    return *outcome;
}

} // namespace

std::optional<QString> KeyringPassword(const QString& server) {
    const Outcome o = Run<QKeychain::ReadPasswordJob>(server, [](auto&) {});
    if (!o.Finished || o.Error != QKeychain::NoError) {
        return std::nullopt;
    }
    return o.Password;
}

QString KeepPasswordInKeyring(const QString& server, const QString& password) {
    const Outcome o = Run<QKeychain::WritePasswordJob>(
        server, [&password](QKeychain::WritePasswordJob& job) { job.setTextData(password); });
    return o.Finished && o.Error == QKeychain::NoError ? QString() : o.ErrorText;
}

void ForgetKeyringPassword(const QString& server) {
    Run<QKeychain::DeletePasswordJob>(server, [](auto&) {});
}

} // namespace rangedesk::team
