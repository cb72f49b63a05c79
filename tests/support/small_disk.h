#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>

// A small filesystem of its own (tmpfs), for what happens when the disk is full. Needs the
// right to mount, which the tests have as root; Mounted() says whether it worked.
class SmallDisk {
public:
    explicit SmallDisk(int kibibytes) {
        mounted_ = QProcess::execute("mount", {"-t", "tmpfs", "-o",
                                               QString("size=%1k,mode=0777").arg(kibibytes),
                                               "tmpfs", dir_.path()}) == 0;
    }
    ~SmallDisk() {
        if (mounted_) {
            QProcess::execute("umount", {"-l", dir_.path()});
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    // Fills the disk until at most `leaveBytes` are free.
    void Fill(qint64 leaveBytes) {
        QFile filler(Path(".filler"));
        if (!filler.open(QIODevice::WriteOnly)) {
            return;
        }
        const QByteArray block(1024, 'x');
        while (FreeBytes() > leaveBytes + 1024 && filler.write(block) == block.size()) {
            filler.flush();
        }
        filler.close();
    }

    qint64 FreeBytes() const {
        QStorageInfo info(dir_.path());
        info.refresh();
        return info.bytesAvailable();
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};
