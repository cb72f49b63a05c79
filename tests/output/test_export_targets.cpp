// Where exports, printouts and the download's CSV stream may go: through links, with the modes
// a user expects, by the bytes of their names, never over the record database, and never
// silently into a full disk or a full standard output.
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "csv_record_sink.h"
#include "export_error.h"
#include "file_names.h"
#include "load_data_table.h"
#include "output_target.h"
#include "report_print.h"
#include "small_disk.h"
#include "table_export.h"

using namespace rangedesk;
using output::ExportError;
using output::ExportFormat;
namespace fs = std::filesystem;

namespace {

// Everything that writes a target: the three formats, the printout and the download's stream.
enum class Writer { Xls, Xlsx, Csv, Pdf, CsvSink };

const char* NameOf(Writer writer) {
    switch (writer) {
    case Writer::Xls:
        return "xls";
    case Writer::Xlsx:
        return "xlsx";
    case Writer::Csv:
        return "csv";
    case Writer::Pdf:
        return "pdf";
    case Writer::CsvSink:
        return "csv stream";
    }
    return "";
}

// How each writer's file begins.
QByteArray Signature(Writer writer) {
    switch (writer) {
    case Writer::Xls:
        return QByteArray::fromHex("09080800");
    case Writer::Xlsx:
        return "PK\x03\x04";
    case Writer::Csv:
    case Writer::CsvSink:
        return "\xEF\xBB\xBFRecNo";
    case Writer::Pdf:
        return "%PDF";
    }
    return {};
}

MeasurementRecord Record(int) {
    MeasurementRecord r;
    r.ModeText = "Area";
    r.UnitText = "m";
    r.Slots[0] = {"2.227", "m"};
    r.Slots[3] = {" 41.81", "m2"};
    return r;
}

void Write(const QAbstractItemModel& table, Writer writer, const fs::path& target,
           const std::vector<fs::path>& protectedFiles = {}) {
    output::ExportOptions options;
    options.Protected = protectedFiles;
    switch (writer) {
    case Writer::Xls:
        output::ExportTable(table, output::AllColumns(table), ExportFormat::Xls, target, options);
        return;
    case Writer::Xlsx:
        output::ExportTable(table, output::AllColumns(table), ExportFormat::Xlsx, target, options);
        return;
    case Writer::Csv:
        output::ExportTable(table, output::AllColumns(table), ExportFormat::Csv, target, options);
        return;
    case Writer::Pdf:
        (void)output::PrintTableToPdf(table, fs::path(RANGEDESK_BUILT_LIB) / "Vermo.rav", target,
                                      protectedFiles);
        return;
    case Writer::CsvSink: {
        output::OutputTarget out(target, output::SpecialFile::WriteInto, protectedFiles);
        output::CsvRecordSink sink(out);
        sink.EmptyLoadData();
        sink.AddRecToLib(1, Record(1), RecordLayout::Extended, {});
        out.Commit();
        return;
    }
    }
}

QByteArray ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return QByteArray::fromStdString(bytes);
}

void WriteBytes(const fs::path& path, const QByteArray& bytes) {
    std::ofstream(path, std::ios::binary) << bytes.toStdString();
}

// The names in a folder, as the bytes the system holds.
std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    if (DIR* d = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(d)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        }
        ::closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

mode_t ModeOf(const fs::path& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

// Sets the process's umask while it lives.
class Umask {
public:
    explicit Umask(mode_t mask) : old_(::umask(mask)) {}
    ~Umask() { ::umask(old_); }

private:
    mode_t old_;
};

// Standard output goes to /dev/full while it lives.
class FullStandardOutput {
public:
    FullStandardOutput() {
        std::fflush(stdout);
        saved_ = ::dup(STDOUT_FILENO);
        const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
        ::dup2(full, STDOUT_FILENO);
        ::close(full);
    }
    ~FullStandardOutput() {
        std::clearerr(stdout);
        ::dup2(saved_, STDOUT_FILENO);
        ::close(saved_);
    }

private:
    int saved_ = -1;
};

void AddWriterRows(const char* what, const std::function<void(const QByteArray&, Writer)>& add,
                   std::initializer_list<Writer> writers) {
    for (Writer writer : writers) {
        add(QByteArray(what) + ", " + NameOf(writer), writer);
    }
}

} // namespace

class TestExportTargets : public QObject {
    Q_OBJECT
    std::unique_ptr<QStandardItemModel> table = LoadDataTable(3, Record);

    static void AddFormats() {
        QTest::addColumn<Writer>("writer");
        for (Writer writer : {Writer::Xls, Writer::Xlsx, Writer::Csv}) {
            QTest::newRow(NameOf(writer)) << writer;
        }
    }

private slots:
    // A link stays a link; the file it names is replaced.
    void throughALink_data() { AddFormats(); }
    void throughALink() {
        QFETCH(Writer, writer);
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        WriteBytes(folder / "real", "old");
        fs::create_symlink("real", folder / "link");
        Write(*table, writer, folder / "link");
        QVERIFY(fs::is_symlink(folder / "link"));
        QVERIFY(ReadBytes(folder / "real").startsWith(Signature(writer)));
        QCOMPARE(Names(folder), (std::vector<std::string>{"link", "real"}));
    }

    // A new file gets what the umask allows, as any program's would.
    void newFileModeFollowsTheUmask_data() {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("mode");
        for (Writer writer : {Writer::Xls, Writer::Xlsx, Writer::Csv, Writer::Pdf}) {
            QTest::addRow("%s, umask 022", NameOf(writer)) << writer << 022 << 0644;
            QTest::addRow("%s, umask 077", NameOf(writer)) << writer << 077 << 0600;
        }
    }
    void newFileModeFollowsTheUmask() {
        QFETCH(Writer, writer);
        QFETCH(int, mask);
        QFETCH(int, mode);
        QTemporaryDir dir;
        const fs::path file = fs::path(dir.path().toStdString()) / "new";
        {
            const Umask masked{mode_t(mask)};
            Write(*table, writer, file);
        }
        QCOMPARE(int(ModeOf(file)), mode);
    }

    void replacedFileKeepsItsMode_data() {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<int>("mode");
        for (Writer writer : {Writer::Xls, Writer::Xlsx, Writer::Csv, Writer::Pdf}) {
            QTest::addRow("%s, 0640", NameOf(writer)) << writer << 0640;
            QTest::addRow("%s, 0604", NameOf(writer)) << writer << 0604;
        }
    }
    void replacedFileKeepsItsMode() {
        QFETCH(Writer, writer);
        QFETCH(int, mode);
        QTemporaryDir dir;
        const fs::path file = fs::path(dir.path().toStdString()) / "old";
        WriteBytes(file, "old");
        QCOMPARE(::chmod(file.c_str(), mode_t(mode)), 0);
        Write(*table, writer, file);
        QVERIFY(ReadBytes(file).startsWith(Signature(writer)));
        QCOMPARE(int(ModeOf(file)), mode);
    }

    // Names are bytes: one that is not UTF-8 is written as it is, and a name of the longest
    // length a folder takes works (the temporary beside it has a short name of its own).
    void namesAreBytes_data() {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<QByteArray>("name");
        for (Writer writer :
             {Writer::Xls, Writer::Xlsx, Writer::Csv, Writer::Pdf, Writer::CsvSink}) {
            QTest::addRow("%s, Latin-1 name", NameOf(writer)) << writer << QByteArray("caf\xE9");
            QTest::addRow("%s, broken UTF-8", NameOf(writer))
                << writer << QByteArray("\xFF\xFE-\xC3(");
            QTest::addRow("%s, 255 bytes", NameOf(writer)) << writer << QByteArray(255, 'n');
            QTest::addRow("%s, 248 bytes", NameOf(writer)) << writer << QByteArray(248, 'n');
        }
    }
    void namesAreBytes() {
        QFETCH(Writer, writer);
        QFETCH(QByteArray, name);
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        Write(*table, writer, folder / name.toStdString());
        QCOMPARE(Names(folder), std::vector<std::string>{name.toStdString()});
        QVERIFY(ReadBytes(folder / name.toStdString()).startsWith(Signature(writer)));
    }

    // The record database is never written, however it is named, by any writer; and nothing
    // is left beside it.
    void databaseIsNeverATarget_data() {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<QString>("target");
        const auto all = {Writer::Xls, Writer::Xlsx, Writer::Csv, Writer::Pdf, Writer::CsvSink};
        for (const char* target :
             {"DistLib.mdb", "link.xls", "sub/../DistLib.mdb", "hard.csv", "DistLib.mdb-wal",
              "DistLib.mdb-shm", "wal-link.csv", "sub/../DistLib.mdb-journal"}) {
            AddWriterRows(
                target,
                [&](const QByteArray& row, Writer writer) {
                    QTest::newRow(row.constData()) << writer << QString(target);
                },
                all);
        }
    }
    void databaseIsNeverATarget() {
        QFETCH(Writer, writer);
        QFETCH(QString, target);
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        const fs::path database = folder / "DistLib.mdb";
        WriteBytes(database, "database");
        WriteBytes(folder / "DistLib.mdb-wal", "wal");
        WriteBytes(folder / "DistLib.mdb-shm", "shm");
        fs::create_directory(folder / "sub");
        fs::create_symlink("DistLib.mdb", folder / "link.xls");
        fs::create_symlink(database.native() + "-wal", folder / "wal-link.csv");
        fs::create_hard_link(database, folder / "hard.csv");
        const std::vector<std::string> before = Names(folder);
        try {
            Write(*table, writer, folder / target.toStdString(), output::DatabaseFiles(database));
            QFAIL("the database was a target");
        } catch (const ExportError& e) {
            QCOMPARE(e.GetKind(), ExportError::Kind::Protected);
            QCOMPARE(QString(e.what()), dir.path() + "/" + target + " is the record database");
        }
        QCOMPARE(ReadBytes(database), QByteArray("database"));
        QCOMPARE(ReadBytes(folder / "DistLib.mdb-wal"), QByteArray("wal"));
        QCOMPARE(ReadBytes(folder / "DistLib.mdb-shm"), QByteArray("shm"));
        QCOMPARE(Names(folder), before);
    }

    // Every write to standard output is checked: a full one is said, with the system's reason.
    void fullStandardOutput_data() {
        QTest::addColumn<Writer>("writer");
        for (Writer writer :
             {Writer::Xls, Writer::Xlsx, Writer::Csv, Writer::Pdf, Writer::CsvSink}) {
            QTest::newRow(NameOf(writer)) << writer;
        }
    }
    void fullStandardOutput() {
        QFETCH(Writer, writer);
        QString message;
        {
            const FullStandardOutput full;
            try {
                Write(*table, writer, "-");
            } catch (const ExportError& e) {
                message = QString::fromUtf8(e.what());
            }
        }
        QCOMPARE(message, QString("cannot write standard output: No space left on device"));
    }

    // Exports refuse what is not a regular file; a download's stream writes into it.
    void specialTargets_data() {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("says");
        for (Writer writer : {Writer::Xls, Writer::Xlsx, Writer::Csv, Writer::Pdf}) {
            QTest::addRow("%s, device", NameOf(writer)) << writer << "/dev/null"
                                                        << "/dev/null: it is not a regular file";
            QTest::addRow("%s, folder", NameOf(writer)) << writer << "/tmp"
                                                        << "/tmp: it is a folder";
        }
        QTest::newRow("csv stream, folder") << Writer::CsvSink << "/tmp"
                                            << "/tmp: it is a folder";
        QTest::newRow("csv stream, full device")
            << Writer::CsvSink << "/dev/full"
            << "cannot write /dev/full: No space left on device";
    }
    void specialTargets() {
        QFETCH(Writer, writer);
        QFETCH(QString, target);
        QFETCH(QString, says);
        try {
            Write(*table, writer, target.toStdString());
            QFAIL("written");
        } catch (const ExportError& e) {
            QVERIFY2(QString(e.what()).contains(says), e.what());
        }
        struct stat st {};
        QCOMPARE(::stat(target.toUtf8().constData(), &st), 0);
        QVERIFY(!S_ISREG(st.st_mode));
    }

    // A name of nothing but blanks names no file: said, and nothing is made.
    void blankNames_data() {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<QByteArray>("name");
        for (Writer writer :
             {Writer::Xls, Writer::Xlsx, Writer::Csv, Writer::Pdf, Writer::CsvSink}) {
            QTest::addRow("%s, empty", NameOf(writer)) << writer << QByteArray();
            QTest::addRow("%s, blanks", NameOf(writer)) << writer << QByteArray(" \t ");
        }
    }
    void blankNames() {
        QFETCH(Writer, writer);
        QFETCH(QByteArray, name);
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        const fs::path here = fs::current_path();
        fs::current_path(folder);
        try {
            Write(*table, writer, name.toStdString());
            QFAIL("written");
        } catch (const ExportError& e) {
            QCOMPARE(e.GetKind(), ExportError::Kind::NoName);
        }
        fs::current_path(here);
        QVERIFY(Names(folder).empty());
    }

    void csvStreamIntoADevice() { Write(*table, Writer::CsvSink, "/dev/null"); }

    // No rows, or more than the legacy format holds: refused before any file is touched.
    void tableRefusals_data() {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("says");
        for (Writer writer : {Writer::Xls, Writer::Xlsx, Writer::Csv}) {
            QTest::addRow("%s, no rows", NameOf(writer))
                << writer << 0 << int(ExportError::Kind::EmptyTable)
                << "There are no records to export.";
        }
        QTest::newRow("xls, 16384 rows")
            << Writer::Xls << 16384 << int(ExportError::Kind::TooManyRows)
            << "16384 records are more than an Excel 97-2003 (.XLS) file holds (16383); export "
               "them as an Excel workbook (.xlsx) or as CSV instead";
    }
    void tableRefusals() {
        QFETCH(Writer, writer);
        QFETCH(int, rows);
        QFETCH(int, kind);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const fs::path file = fs::path(dir.path().toStdString()) / "records";
        const GeneratedTable generated(rows);
        try {
            Write(generated, writer, file);
            QFAIL("written");
        } catch (const ExportError& e) {
            QCOMPARE(int(e.GetKind()), kind);
            QCOMPARE(QString(e.what()), says);
        }
        QVERIFY(Names(file.parent_path()).empty());
    }

    void noTooManyRowsForTheOtherFormats() {
        QTemporaryDir dir;
        const GeneratedTable generated(16384);
        Write(generated, Writer::Xlsx, fs::path(dir.path().toStdString()) / "big.xlsx");
    }

    // A failed export leaves the old file as it was, whatever the format, and says why.
    void fullDiskKeepsTheOldFile_data() {
        QTest::addColumn<Writer>("writer");
        for (Writer writer : {Writer::Xls, Writer::Xlsx, Writer::Csv, Writer::Pdf}) {
            QTest::newRow(NameOf(writer)) << writer;
        }
    }
    void fullDiskKeepsTheOldFile() {
        QFETCH(Writer, writer);
        SmallDisk disk(256);
        if (!disk.Mounted()) {
            QSKIP("this machine does not let the test mount a small filesystem");
        }
        const GeneratedTable big(2000);
        const QString path = disk.Path("old");
        WriteBytes(path.toStdString(), "precious");
        disk.Fill(4096);
        try {
            Write(big, writer, path.toStdString());
            QFAIL("written");
        } catch (const ExportError& e) {
            QCOMPARE(e.GetKind(), ExportError::Kind::System);
            QCOMPARE(e.File(), path);
            // The system's reason, not "Unknown error".
            QVERIFY2(QString(e.what()).contains("No space left on device"), e.what());
        }
        QCOMPARE(ReadBytes(path.toStdString()), QByteArray("precious"));
        QCOMPARE(QDir(disk.Path("")).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    // The question comes after every check and before anything is written; No keeps the file.
    void confirmReplace_data() {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<bool>("yes");
        for (Writer writer : {Writer::Xls, Writer::Xlsx, Writer::Csv}) {
            QTest::addRow("%s, yes", NameOf(writer)) << writer << true;
            QTest::addRow("%s, no", NameOf(writer)) << writer << false;
        }
    }
    void confirmReplace() {
        QFETCH(Writer, writer);
        QFETCH(bool, yes);
        QTemporaryDir dir;
        const fs::path file = fs::path(dir.path().toStdString()) / "old";
        WriteBytes(file, "old");
        const ExportFormat format = writer == Writer::Xls    ? ExportFormat::Xls
                                    : writer == Writer::Xlsx ? ExportFormat::Xlsx
                                                             : ExportFormat::Csv;
        std::vector<fs::path> asked;
        output::ExportOptions options;
        options.ConfirmReplace = [&](const fs::path& target) {
            asked.push_back(target);
            return yes;
        };
        QCOMPARE(output::ExportTable(*table, output::AllColumns(*table), format, file, options),
                 yes);
        QCOMPARE(asked, std::vector<fs::path>{file});
        QCOMPARE(ReadBytes(file) == "old", !yes);
        QCOMPARE(Names(file.parent_path()), std::vector<std::string>{"old"});
        // A new file is not asked about.
        asked.clear();
        output::ExportTable(*table, output::AllColumns(*table), format, file.native() + "2",
                            options);
        QVERIFY(asked.empty());
    }
};

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    TestExportTargets test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_export_targets.moc"
