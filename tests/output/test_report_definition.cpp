// The report definition format.
#include <QFile>
#include <QTest>

#include "report_definition.h"

using namespace rangedesk::output;

class TestReportDefinition : public QObject {
    Q_OBJECT
private slots:
    void installedDefinition() {
        QFile file(QString(RANGEDESK_BUILT_LIB) + "/Vermo.rav");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        const auto def =
            ParseReportDefinition(std::string_view(text.constData(), std::size_t(text.size())));
        QCOMPARE(def.Columns.size(), std::size_t(7));
        QCOMPARE(QString::fromStdString(def.Columns[0].Field), QString("RecNo"));
        QCOMPARE(QString::fromStdString(def.Columns[6].Caption), QString("Result"));
        QCOMPARE(QString::fromStdString(def.Connection), QString("ReportDataSetConnection1"));
        QCOMPARE(QString::fromStdString(def.Title), QString("RangeDesk measurement records"));
        QVERIFY(!def.Landscape);
    }

    void settings() {
        const auto def = ParseReportDefinition("# c\n\nrangedesk-report 1\npage Letter landscape\n"
                                               "margins 10 20 30 40\nfont Serif 11.5\n"
                                               "column MODE \"Measuring mode\" 50.5 right\n");
        QCOMPARE(QString::fromStdString(def.PageSize), QString("Letter"));
        QVERIFY(def.Landscape);
        QCOMPARE(def.MarginTopMm, 20.0);
        QCOMPARE(def.FontPoints, 11.5);
        QCOMPARE(QString::fromStdString(def.Columns[0].Caption), QString("Measuring mode"));
        QCOMPARE(def.Columns[0].WidthMm, 50.5);
        QCOMPARE(def.Columns[0].Alignment, ColumnAlignment::Right);
    }

    void malformed_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << ""
                               << "line 1: the file is empty";
        QTest::newRow("no header") << "page A4 portrait\n"
                                   << "line 1: expected";
        QTest::newRow("unknown line") << "rangedesk-report 1\ncolumn RecNo No 10 left\nfoo bar\n"
                                      << "line 3: cannot read";
        QTest::newRow("bad width") << "rangedesk-report 1\ncolumn RecNo No -3 left\n"
                                   << "line 2: a column width";
        QTest::newRow("bad alignment") << "rangedesk-report 1\ncolumn RecNo No 3 middle\n"
                                       << "line 2: alignment";
        QTest::newRow("open quote") << "rangedesk-report 1\ntitle \"abc\n"
                                    << "line 2: unterminated";
        QTest::newRow("no column") << "rangedesk-report 1\ntitle x\n"
                                   << "no column";
        // Numbers must be finite and sensible, names known: these crashed or printed blank.
        const QString column = "column RecNo No 10 left\n";
        QTest::newRow("tiny font") << "rangedesk-report 1\nfont \"Liberation Sans\" 0.01\n" + column
                                   << "line 2: a font size is 4 to 72 points, not \"0.01\"";
        QTest::newRow("nan width") << "rangedesk-report 1\ncolumn RecNo No nan left\n"
                                   << "line 2: a column width is 1 to 500 millimetres";
        QTest::newRow("inf width") << "rangedesk-report 1\ncolumn RecNo No inf left\n"
                                   << "line 2: a column width";
        QTest::newRow("huge margin") << "rangedesk-report 1\nmargins 1e308 10 10 10\n" + column
                                     << "line 2: a margin is 0 to 100 millimetres";
        QTest::newRow("nan margin")
            << "rangedesk-report 1\nmargins 10 nan 10 10\n" + column << "line 2: a margin";
        QTest::newRow("unknown page") << "rangedesk-report 1\npage B5 portrait\n" + column
                                      << "line 2: the page size is A4, A5 or Letter, not \"B5\"";
        QTest::newRow("unknown orientation") << "rangedesk-report 1\npage A4 sideways\n" + column
                                             << "line 2: the page is portrait or landscape";
        QTest::newRow("margins fill the page")
            << "rangedesk-report 1\nmargins 100 10 100 10\n" + column << "no room";
    }
    void malformed() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        const QByteArray bytes = text.toUtf8();
        try {
            ParseReportDefinition(std::string_view(bytes.constData(), std::size_t(bytes.size())));
            QFAIL("should not parse");
        } catch (const ReportError& e) {
            QVERIFY2(QString(e.what()).contains(message), e.what());
        }
    }

    // What a definition holds is quoted in messages with its control characters escaped, so a
    // file cannot drive the terminal that shows the message.
    void controlCharactersAreEscaped_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("message");
        const QByteArray column = "column RecNo No 10 left\n";
        QTest::newRow("escape sequence in a page size")
            << "rangedesk-report 1\npage \x1b[2J A4\n" + column
            << QByteArray("line 2: the page size is A4, A5 or Letter, not \"\\x1b[2J\"");
        QTest::newRow("bell in a number")
            << "rangedesk-report 1\nfont Sans 1\x07\n" + column
            << QByteArray("line 2: a font size is 4 to 72 points, not \"1\\x07\"");
        QTest::newRow("C1 control in a page name") << "rangedesk-report 1\npage A\xc2\x9b"
                                                      "5 portrait\n" +
                                                          column
                                                   << QByteArray("not \"A\\x9b5\"");
        QTest::newRow("carriage return in a line")
            << "rangedesk-report 1\nfoo\rbar baz\n" + column
            << QByteArray("line 2: cannot read \"foo\\x0dbar baz\"");
        QTest::newRow("delete in an orientation")
            << "rangedesk-report 1\npage A4 up\x7f\n" + column << QByteArray("not \"up\\x7f\"");
    }
    void controlCharactersAreEscaped() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, message);
        try {
            ParseReportDefinition(std::string_view(text.constData(), std::size_t(text.size())));
            QFAIL("should not parse");
        } catch (const ReportError& e) {
            const QByteArray what(e.what());
            QVERIFY2(what.contains(message), e.what());
            for (const char control : {'\x1b', '\x07', '\r', '\x7f'}) {
                QVERIFY(!what.contains(control));
            }
            QVERIFY(!what.contains("\xc2\x9b"));
        }
    }
};

QTEST_APPLESS_MAIN(TestReportDefinition)
#include "test_report_definition.moc"
