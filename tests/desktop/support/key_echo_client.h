#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

// The key_echo program as a separate client: started on a display, it reports what it
// received; Received() decodes that into text ("\t" for Tab, "\n" for Enter).
class KeyEchoClient {
public:
    explicit KeyEchoClient(const QProcessEnvironment& environment,
                           const QStringList& arguments = {}) {
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QString(RANGEDESK_KEY_ECHO), arguments);
    }
    ~KeyEchoClient() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    KeyEchoClient(const KeyEchoClient&) = delete;
    KeyEchoClient& operator=(const KeyEchoClient&) = delete;

    // Reads what has arrived; true once the window has the focus.
    bool WaitReady(int timeoutMs) {
        return QTest::qWaitFor(
            [&] {
                Read();
                return ready_;
            },
            timeoutMs);
    }
    // Waits until `text` has arrived or the time is up; what arrived.
    QString WaitFor(const QString& text, int timeoutMs) {
        (void)QTest::qWaitFor(
            [&] {
                Read();
                return received_.size() >= text.size();
            },
            timeoutMs);
        return received_;
    }
    QString Received() {
        Read();
        return received_;
    }
    // The clipboard's owner may be this very process: wait with its events handled.
    QString Clipboard(int timeoutMs) {
        (void)QTest::qWaitFor([&] { return process_.state() == QProcess::NotRunning; }, timeoutMs);
        Read();
        return clipboard_;
    }
    void Clear() { received_.clear(); }

private:
    void Read() {
        while (process_.canReadLine()) {
            const QByteArray line = process_.readLine().trimmed();
            if (line == "ready") {
                ready_ = true;
            } else if (line == "tab") {
                received_ += '\t';
            } else if (line == "enter") {
                received_ += '\n';
            } else if (line.startsWith("text ")) {
                received_ += QString::fromUtf8(QByteArray::fromHex(line.mid(5)));
            } else if (line.startsWith("clipboard")) {
                clipboard_ = QString::fromUtf8(QByteArray::fromHex(line.mid(10)));
            }
        }
    }

    QProcess process_;
    bool ready_ = false;
    QString received_;
    QString clipboard_;
};
