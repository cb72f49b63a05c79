// The spreadsheet bytes, record by record, and the title levels.
#include <QTest>

#include "biff_sheet.h"
#include "gbk_text.h"
#include "sheet_layout.h"

using namespace rangedesk::output;

namespace {

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}
QByteArray Bytes(const std::vector<std::uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
}

} // namespace

class TestSheet : public QObject {
    Q_OBJECT
private slots:
    void records_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("expected");
        auto one = [](auto write) {
            BiffSheet s;
            write(s);
            return Bytes(s.Bytes());
        };
        QTest::newRow("BOF") << one([](BiffSheet& s) { s.Bof(); })
                             << Hex("090808000000100000000000");
        QTest::newRow("EOF") << one([](BiffSheet& s) { s.Eof(); }) << Hex("0a000000");
        QTest::newRow("CODEPAGE 936")
            << one([](BiffSheet& s) { s.CodePage(936); }) << Hex("42000200a803");
        QTest::newRow("empty title cell")
            << one([](BiffSheet& s) { s.Label(0, 3, ""); }) << Hex("040208000000030000000000");
        QTest::newRow("RecNo title") << one([](BiffSheet& s) { s.Label(1, 0, "RecNo"); })
                                     << Hex("04020d000100000000000500"
                                            "5265634e6f");
        QTest::newRow("text 1") << one([](BiffSheet& s) { s.Label(2, 0, "1"); })
                                << Hex("0402090002000000000001003"
                                       "1");
        QTest::newRow("RK 1") << one([](BiffSheet& s) { s.Rk(2, 0, 1); })
                              << Hex("7e020a0002000000000006000000");
        QTest::newRow("RK -1") << one([](BiffSheet& s) { s.Rk(0, 0, -1); })
                               << Hex("7e020a000000000000000000feffffff").remove(10, 2);
        QTest::newRow("BLANK") << one([](BiffSheet& s) { s.Blank(2, 0); })
                               << Hex("01020600020000001700");
        QTest::newRow("NUMBER 1.5") << one([](BiffSheet& s) { s.Number(1, 2, 1.5); })
                                    << Hex("03020e0001000200000000000000"
                                           "0000f83f");
        QTest::newRow("GBK label counts bytes")
            << one([](BiffSheet& s) { s.Label(3, 2, ToGbk(QString::fromUtf8("1.5 米"))); })
            << Hex("04020e000300020000000600"
                   "312e3520c3d7");
    }
    void records() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, expected);
        QCOMPARE(bytes.toHex(' '), expected.toHex(' '));
    }

    void gbk() {
        QCOMPARE(QByteArray::fromStdString(ToGbk(QString::fromUtf8("米"))), Hex("c3d7"));
        QCOMPARE(QByteArray::fromStdString(ToGbk(QString::fromUtf8("°"))), Hex("a1e3"));
        QCOMPARE(QByteArray::fromStdString(ToGbk(QString::fromUtf8("体积累加"))),
                 Hex("cce5bbfdc0dbbcd3"));
        QCOMPARE(QByteArray::fromStdString(ToGbk("plain")), QByteArray("plain"));
        QCOMPARE(QByteArray::fromStdString(ToGbk(QString::fromUtf8("a\u0E01b"))),
                 QByteArray("a?b"));
    }

    void titleLevels() {
        const auto t =
            SplitTitles({"Size|Width", "Mode", "Hidden|x|y", "A|B|C"}, {true, true, false, true});
        QCOMPARE(t.LevelCount, 3); // the hidden caption counts
        QCOMPARE(t.ColCount, 3);
        QCOMPARE(QString::fromStdString(t.Cells[0][0]), QString("Size"));
        QCOMPARE(QString::fromStdString(t.Cells[1][0]), QString("Width"));
        QCOMPARE(QString::fromStdString(t.Cells[2][0]), QString(""));
        QCOMPARE(QString::fromStdString(t.Cells[1][1]), QString(""));
        QCOMPARE(QString::fromStdString(t.Cells[2][2]), QString("C"));
        const auto plain = SplitTitles({"RecNo", "MODE"}, {true, true});
        QCOMPARE(plain.LevelCount, 1);
    }

    // Three rows of seven text fields: BOF, CODEPAGE, the title cell, seven titles, 21 cells, EOF.
    void threeRowTable() {
        SheetContent content;
        const std::vector<std::string> names = {"RecNo", "MODE",  "UNIT",  "DIST1",
                                                "DIST2", "DIST3", "RESULT"};
        content.Titles = SplitTitles(names, std::vector<bool>(7, true));
        for (int r = 0; r < 3; ++r) {
            std::vector<SheetCell> row;
            for (int c = 0; c < 7; ++c) {
                row.push_back(SheetCell::MakeLabel(c == 0 ? std::to_string(r + 1) : std::string()));
            }
            content.Rows.push_back(row);
        }
        const QByteArray file = Bytes(WriteSheet(content));
        BiffSheet expected;
        expected.Bof();
        expected.CodePage(936);
        expected.Label(0, 3, "");
        for (int c = 0; c < 7; ++c) {
            expected.Label(1, std::uint16_t(c), names[std::size_t(c)]);
        }
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 7; ++c) {
                expected.Label(std::uint16_t(r + 2), std::uint16_t(c),
                               c == 0 ? std::to_string(r + 1) : "");
            }
        }
        expected.Eof();
        QCOMPARE(file, Bytes(expected.Bytes()));
        QVERIFY(file.startsWith(Hex("090808000000100000000000"
                                    "42000200a803"
                                    "040208000000030000000000")));
        // An empty text is a LABEL of length 8, not a BLANK.
        QVERIFY(file.contains(Hex("040208000200010000000000")));
        QVERIFY(file.endsWith(Hex("0a000000")));
        QCOMPARE(file.count(Hex("0402")), 1 + 7 + 21);
    }

    // A text too long for a LABEL is cut between characters, never inside a GBK pair.
    void gbkCut_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("kept");
        const QByteArray mi = QByteArray::fromHex("c3d7"); // 米
        QTest::newRow("ascii") << QByteArray("abcdef") << 4 << 4;
        QTest::newRow("pair fits") << QByteArray("ab") + mi << 4 << 4;
        QTest::newRow("pair would split") << QByteArray("abc") + mi << 4 << 3;
        QTest::newRow("pairs only") << mi + mi + mi << 5 << 4;
        QTest::newRow("shorter than the limit") << mi << 10 << 2;
    }
    void gbkCut() {
        QFETCH(QByteArray, text);
        QFETCH(int, limit);
        QFETCH(int, kept);
        QCOMPARE(int(GbkPrefixLength(text.toStdString(), std::size_t(limit))), kept);
    }
    void longLabelEndsOnACharacter() {
        // 65,527 bytes fit, an odd number: the pair that would straddle the end is left out.
        const std::string text(70000, '\xC3');
        BiffSheet sheet;
        sheet.Label(0, 0, text);
        const auto& bytes = sheet.Bytes();
        const int length = bytes[10] | bytes[11] << 8;
        QCOMPARE(length, 65526);
        QCOMPARE(int(bytes[2] | bytes[3] << 8), 8 + 65526);
    }

    void rkRange() {
        QVERIFY(BiffSheet::FitsRk(536870911));
        QVERIFY(!BiffSheet::FitsRk(536870912));
        QVERIFY(BiffSheet::FitsRk(-536870912));
    }
};

QTEST_APPLESS_MAIN(TestSheet)
#include "test_sheet.moc"
