// The file primitives the store and the output share: a file replaced whole or not at all, and
// a regular file read with a limit.
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "atomic_file.h"
#include "file_error.h"
#include "file_names.h"
#include "regular_file.h"

using namespace rangedesk::files;
namespace fs = std::filesystem;

namespace {

QByteArray ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return QByteArray::fromStdString(
        std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
}

void WriteBytes(const fs::path& path, const QByteArray& bytes) {
    std::ofstream(path, std::ios::binary) << bytes.toStdString();
}

std::size_t Entries(const fs::path& folder) {
    return std::size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

} // namespace

class TestFilePrimitives : public QObject {
    Q_OBJECT

private slots:
    // Whatever ends an atomic file early, the target is as it was and no temporary is left.
    void nothingLeftBehind_data() {
        QTest::addColumn<QString>("end");
        QTest::newRow("not committed") << "dropped";
        QTest::newRow("an exception while writing") << "thrown";
        QTest::newRow("the target became a folder") << "folder";
    }
    void nothingLeftBehind() {
        QFETCH(QString, end);
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        const fs::path target = folder / "target";
        WriteBytes(target, "old");
        try {
            AtomicFile file(target);
            file.Write("new");
            QCOMPARE(Entries(folder), std::size_t(2));
            QVERIFY(file.TemporaryPath().filename().native().starts_with(".rangedesk-"));
            if (end == "thrown") {
                throw std::runtime_error("stop");
            }
            if (end == "folder") {
                fs::remove(target);
                fs::create_directory(target);
                fs::create_directory(target / "inside");
                file.Commit();
                QFAIL("committed over a folder");
            }
        } catch (const FileError& e) {
            QCOMPARE(end, QString("folder"));
            QVERIFY2(QString(e.what()).startsWith("cannot write " + dir.path() + "/target: "),
                     e.what());
        } catch (const std::runtime_error&) {
            QCOMPARE(end, QString("thrown"));
        }
        QCOMPARE(Entries(folder), std::size_t(1));
        if (end != "folder") {
            QCOMPARE(ReadBytes(target), QByteArray("old"));
        }
    }

    // A link to a file that does not exist yet: the file is made where the link points.
    void danglingLinkIsWrittenThrough() {
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        fs::create_directory(folder / "real");
        fs::create_symlink("real/file", folder / "link");
        WriteFileAtomically(folder / "link", "bytes");
        QVERIFY(fs::is_symlink(folder / "link"));
        QCOMPARE(ReadBytes(folder / "real/file"), QByteArray("bytes"));
    }

    // A copy is checked whole, before it is put in place; a failed check keeps the target.
    void copyWithACheck_data() {
        QTest::addColumn<bool>("passes");
        QTest::newRow("check passes") << true;
        QTest::newRow("check fails") << false;
    }
    void copyWithACheck() {
        QFETCH(bool, passes);
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        const QByteArray content(200000, 'd'); // more than one read
        WriteBytes(folder / "template", content);
        WriteBytes(folder / "copy", "old");
        QByteArray seen;
        try {
            CopyFileAtomically(folder / "template", folder / "copy",
                               [&](const fs::path& temporary) {
                                   seen = ReadBytes(temporary);
                                   if (!passes) {
                                       throw std::runtime_error("not a database");
                                   }
                               });
            QVERIFY(passes);
        } catch (const std::runtime_error& e) {
            QVERIFY(!passes);
            QCOMPARE(QByteArray(e.what()), QByteArray("not a database"));
        }
        QCOMPARE(seen, content);
        QCOMPARE(ReadBytes(folder / "copy"), passes ? content : QByteArray("old"));
        QCOMPARE(Entries(folder), std::size_t(2));
    }

    // A file made once and then the user's own: private, never over one made meanwhile, and a
    // source that grows past its limit is refused.
    void copyOfAPrivateFile_data() {
        QTest::addColumn<bool>("madeMeanwhile");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<QByteArray>("result");
        QTest::newRow("new, private") << false << qint64(100) << QByteArray("template");
        QTest::newRow("made meanwhile stays") << true << qint64(100) << QByteArray("theirs");
        QTest::newRow("over the limit") << false << qint64(4) << QByteArray();
    }
    void copyOfAPrivateFile() {
        QFETCH(bool, madeMeanwhile);
        QFETCH(qint64, limit);
        QFETCH(QByteArray, result);
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        WriteBytes(folder / "template", "template");
        AtomicFileOptions options;
        options.Mode = 0600;
        options.KeepExisting = true;
        try {
            CopyFileAtomically(
                folder / "template", folder / "copy",
                [&](const fs::path&) {
                    if (madeMeanwhile) {
                        WriteBytes(folder / "copy", "theirs");
                    }
                },
                limit, options);
            QVERIFY(!result.isEmpty());
        } catch (const FileError& e) {
            QVERIFY(result.isEmpty());
            QCOMPARE(e.GetKind(), FileError::Kind::TooLarge);
        }
        QCOMPARE(ReadBytes(folder / "copy"), result);
        if (!madeMeanwhile && !result.isEmpty()) {
            QCOMPARE(fs::status(folder / "copy").permissions() & fs::perms::all,
                     fs::perms::owner_read | fs::perms::owner_write);
        }
        QCOMPARE(Entries(folder), std::size_t(result.isEmpty() ? 1 : 2));
    }

    // Names from the command line keep every byte through Qt's strings.
    void namesKeepTheirBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("validUtf8");
        QTest::newRow("ASCII") << QByteArray("plain.csv") << true;
        QTest::newRow("UTF-8") << QByteArray("k\xc3\xbc"
                                             "che \xe5\x8e\xa8.csv")
                               << true;
        QTest::newRow("emoji") << QByteArray("\xf0\x9f\x98\x80.csv") << true;
        QTest::newRow("Latin-1") << QByteArray("caf\xe9.csv") << false;
        QTest::newRow("cut sequence") << QByteArray("a\xe5\x8e.csv") << false;
        QTest::newRow("overlong slash") << QByteArray("a\xc0\xaf") << false;
        QTest::newRow("encoded surrogate") << QByteArray("\xed\xb3\xa9") << false;
        QTest::newRow("every high byte") << QByteArray("\x80\xbf\xfe\xff") << false;
    }
    void namesKeepTheirBytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, validUtf8);
        const QString name = NameFromBytes(bytes);
        QCOMPARE(QByteArray::fromStdString(LocalPath(name).native()), bytes);
        QCOMPARE(name == QString::fromUtf8(bytes), validUtf8);
    }

    void copyNeedsARegularSource() {
        QTemporaryDir dir;
        const fs::path copy = fs::path(dir.path().toStdString()) / "copy";
        try {
            CopyFileAtomically("/dev/zero", copy);
            QFAIL("copied a device");
        } catch (const FileError& e) {
            QCOMPARE(e.GetKind(), FileError::Kind::NotRegularFile);
        }
        QVERIFY(!fs::exists(copy));
    }

    // Only a regular file is read, up to a limit, and a FIFO never makes the reader wait.
    void readRegularFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("says");
        QTest::newRow("file") << "file" << -1 << "";
        QTest::newRow("file at the limit") << "limit" << -1 << "";
        QTest::newRow("one byte more")
            << "over" << int(FileError::Kind::TooLarge) << "it is larger than 16 bytes";
        QTest::newRow("fifo") << "fifo" << int(FileError::Kind::NotRegularFile)
                              << "it is not a regular file (a device, a pipe or a socket)";
        QTest::newRow("link to /dev/zero")
            << "zero" << int(FileError::Kind::NotRegularFile)
            << "it is not a regular file (a device, a pipe or a socket)";
        QTest::newRow("folder") << "folder" << int(FileError::Kind::Folder) << "it is a folder";
        QTest::newRow("missing") << "missing" << int(FileError::Kind::System)
                                 << "No such file or directory";
    }
    void readRegularFile() {
        QFETCH(QString, kind);
        QFETCH(int, error);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const fs::path path = fs::path(dir.path().toStdString()) / "input";
        const QByteArray content = kind == "limit"  ? QByteArray(16, 'x')
                                   : kind == "over" ? QByteArray(17, 'x')
                                                    : QByteArray("text");
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
        } else if (kind == "zero") {
            fs::create_symlink("/dev/zero", path);
        } else if (kind == "folder") {
            fs::create_directory(path);
        } else if (kind != "missing") {
            WriteBytes(path, content);
        }
        try {
            QCOMPARE(ReadRegularFile(path, 16), content);
            QCOMPARE(error, -1);
        } catch (const FileError& e) {
            QCOMPARE(int(e.GetKind()), error);
            QCOMPARE(QString(e.what()), "cannot read " + dir.path() + "/input: " + says);
        }
    }

    // Names are bytes in and out; a message never carries a control character raw.
    void namesForMessages_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QByteArray("/tmp/a b.csv") << "/tmp/a b.csv";
        QTest::newRow("escape sequence") << QByteArray("/tmp/\x1b[31mred") << "/tmp/\\x1b[31mred";
        QTest::newRow("C1 control") << QByteArray("/tmp/\xc2\x9b"
                                                  "2J")
                                    << "/tmp/\\x9b2J";
        QTest::newRow("newline") << QByteArray("/tmp/a\nb") << "/tmp/a\\x0ab";
        QTest::newRow("not UTF-8") << QByteArray("/tmp/caf\xe9") << "/tmp/caf\uFFFD";
        QTest::newRow("UTF-8") << QByteArray("/tmp/米.csv") << "/tmp/米.csv";
    }
    void namesForMessages() {
        QFETCH(QByteArray, name);
        QFETCH(QString, shown);
        QCOMPARE(ShownPath(name.toStdString()), shown);
    }
};

QTEST_APPLESS_MAIN(TestFilePrimitives)
#include "test_file_primitives.moc"
