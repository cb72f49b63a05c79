// The one entry point of every printout: the definition read as a regular file, pages laid out
// with room for what they carry, and a PDF that pdftotext reads back.
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "file_names.h"
#include "load_data_table.h"
#include "report_definition.h"
#include "report_print.h"

using namespace rangedesk;
namespace fs = std::filesystem;

namespace {

MeasurementRecord Record(int i) {
    MeasurementRecord r;
    r.ModeText = i % 2 ? "Area" : "体积累加";
    r.UnitText = "m";
    r.Slots[0] = {QString::number(1.5 + i).toStdString(), "米"};
    r.Slots[1] = {"5.0", "°"};
    r.Slots[3] = {" 12.34" + std::to_string(i), "m2"};
    return r;
}

const fs::path kInstalledDefinition = fs::path(RANGEDESK_BUILT_LIB) / "Vermo.rav";

QString PdfText(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

class TestReportPrint : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    // Prints to a PDF of the folder; returns what pdftotext reads, pages split by form feeds.
    QStringList Print(const QAbstractItemModel& table, const fs::path& definition) {
        const QString pdf = dir.filePath("out.pdf");
        QFile::remove(pdf);
        const auto outcome =
            output::PrintTableToPdf(table, definition, files::LocalPath(pdf), {});
        if (outcome != output::PrintOutcome::Printed) {
            return {};
        }
        return PdfText(pdf).split('\f', Qt::SkipEmptyParts);
    }

private slots:
    void printAFewRows() {
        const auto table = LoadDataTable(3, Record);
        const QStringList pages = Print(*table, kInstalledDefinition);
        QCOMPARE(pages.size(), 1);
        const QString text = pages[0];
        QVERIFY2(text.contains("RangeDesk measurement records"), qPrintable(text));
        for (const char* caption : {"No.", "Mode", "Unit", "Distance 1", "Result"}) {
            QVERIFY2(text.contains(caption), caption);
        }
        QVERIFY(text.contains("12.342 m2"));
        QVERIFY(text.contains("体积累加"));
        QVERIFY(text.contains("Page 1 of 1"));
    }

    void printManyRowsPaginates() {
        const auto table = LoadDataTable(300, Record);
        const QStringList pages = Print(*table, kInstalledDefinition);
        QVERIFY(pages.size() >= 5);
        const int n = int(pages.size());
        int rows = 0;
        for (int i = 0; i < n; ++i) {
            QVERIFY2(pages[i].contains(QString("Page %1 of %2").arg(i + 1).arg(n)),
                     qPrintable(pages[i]));
            QVERIFY(pages[i].contains("Distance 2")); // headings on every page
            rows += int(pages[i].count(" m2"));
        }
        QCOMPARE(rows, 300);
    }

    // An empty table prints nothing, but a definition that cannot be read is said first.
    void emptyTable() {
        const auto table = LoadDataTable(0, Record);
        const QString pdf = dir.filePath("none.pdf");
        QCOMPARE(output::PrintTableToPdf(*table, kInstalledDefinition, files::LocalPath(pdf), {}),
                 output::PrintOutcome::NoRows);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY_THROWS_EXCEPTION(
            output::ReportError,
            (void)output::PrintTableToPdf(*table, files::LocalPath(dir.filePath("missing.rav")),
                                          files::LocalPath(pdf), {}));
        QVERIFY(!QFile::exists(pdf));
    }

    // Only a regular file of a sensible size is read: a FIFO does not hang the print, a link
    // to an endless device does not exhaust the memory.
    void definitionMustBeARegularFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("says");
        QTest::newRow("fifo") << "fifo"
                              << "it is not a regular file";
        QTest::newRow("link to /dev/zero") << "zero"
                                           << "it is not a regular file";
        QTest::newRow("folder") << "folder"
                                << "it is a folder";
        QTest::newRow("larger than 1 MiB") << "large"
                                           << "it is larger than 1048576 bytes";
        QTest::newRow("missing") << "missing"
                                 << "No such file or directory";
    }
    void definitionMustBeARegularFile() {
        QFETCH(QString, kind);
        QFETCH(QString, says);
        QTemporaryDir place;
        const QString path = place.filePath("Vermo.rav");
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(path.toUtf8().constData(), 0600), 0);
        } else if (kind == "zero") {
            QCOMPARE(::symlink("/dev/zero", path.toUtf8().constData()), 0);
        } else if (kind == "folder") {
            QVERIFY(QDir().mkdir(path));
        } else if (kind == "large") {
            WriteText(path, "rangedesk-report 1\n#" + QByteArray(1 << 20, 'x') + "\n");
        }
        const auto table = LoadDataTable(2, Record);
        try {
            Print(*table, files::LocalPath(path));
            QFAIL("printed");
        } catch (const output::ReportError& e) {
            const QString message = QString::fromUtf8(e.what());
            QVERIFY2(message.contains("the report definition " + path + ": " + says), e.what());
        }
        QVERIFY(!QFile::exists(dir.filePath("out.pdf")));
    }

    // A layout that cannot hold the title, the headings and one row is refused with the file
    // and why, instead of a thousand pages of rows beside the paper.
    void pageWithoutRoom_data() {
        QTest::addColumn<QByteArray>("layout");
        QTest::newRow("A5 landscape, 180 mm of margins")
            << QByteArray("page A5 landscape\nmargins 10 90 10 90\n");
        QTest::newRow("A5 landscape, large font")
            << QByteArray("page A5 landscape\nmargins 10 60 10 60\nfont \"Liberation Sans\" 72\n");
        QTest::newRow("A4, 72 points and wide margins")
            << QByteArray("page A4 portrait\nmargins 10 100 10 70\nfont \"Liberation Sans\" "
                          "72\n");
    }
    void pageWithoutRoom() {
        QFETCH(QByteArray, layout);
        const QString path = dir.filePath("tight.rav");
        WriteText(path, "rangedesk-report 1\n" + layout + "column RecNo No 20 left\n");
        const auto table = LoadDataTable(999, Record);
        try {
            Print(*table, files::LocalPath(path));
            QFAIL("printed");
        } catch (const output::ReportError& e) {
            const QString message = QString::fromUtf8(e.what());
            QVERIFY2(message.startsWith("Report definition " + path + ", "), e.what());
            QVERIFY2(
                message.contains("leaves no room for the title, the column headings and one row"),
                e.what());
        }
    }

    // The smallest page that has room prints every row on the paper.
    void smallPagePrintsEveryRow() {
        const QString path = dir.filePath("small.rav");
        WriteText(path, "rangedesk-report 1\npage A5 landscape\nmargins 10 50 10 50\n"
                        "column RecNo No 20 left\ncolumn RESULT Result 30 right\n");
        const auto table = LoadDataTable(40, Record);
        const QStringList pages = Print(*table, files::LocalPath(path));
        QVERIFY(pages.size() > 1);
        int rows = 0;
        for (const QString& page : pages) {
            rows += int(page.count(" m2"));
        }
        QCOMPARE(rows, 40);
    }

    // Columns wider than the page together are narrowed to fit: the last one stays on it.
    void wideColumnsAreNarrowed() {
        const QString path = dir.filePath("wide.rav");
        WriteText(path, "rangedesk-report 1\ncolumn RecNo No 300 left\n"
                        "column MODE Mode 300 left\ncolumn RESULT Outcome 300 right\n");
        const auto table = LoadDataTable(2, Record);
        const QStringList pages = Print(*table, files::LocalPath(path));
        QCOMPARE(pages.size(), 1);
        QVERIFY2(pages[0].contains("Outcome"), qPrintable(pages[0]));
        QVERIFY2(pages[0].contains("12.342 m2"), qPrintable(pages[0]));
    }

    // Control characters of a definition never reach a terminal raw.
    void messagesEscapeControlCharacters() {
        const QString path = dir.filePath("escape.rav");
        WriteText(path, "rangedesk-report 1\ncolumn \x1b]0;owned\x07 No 20 left\n");
        const auto table = LoadDataTable(2, Record);
        try {
            Print(*table, files::LocalPath(path));
            QFAIL("printed");
        } catch (const output::ReportError& e) {
            const QByteArray message(e.what());
            QVERIFY2(message.contains("no field \\x1b]0;owned\\x07 in the data"), e.what());
            QVERIFY(!message.contains('\x1b') && !message.contains('\x07'));
        }
    }
};

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    TestReportPrint test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_report_print.moc"
