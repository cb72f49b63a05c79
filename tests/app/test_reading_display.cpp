// The four lines of the reading display: what readings and Clear leave on them.
#include <QTest>

#include "reading_display.h"

using rangedesk::app::ReadingDisplay;
using Lines = std::array<QString, 4>;

Q_DECLARE_METATYPE(Lines)

class TestReadingDisplay : public QObject {
    Q_OBJECT
private slots:
    // Steps: a number is a reading in metres, "C" a Clear.
    void steps_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<Lines>("lines");
        QTest::newRow("at start") << QStringList{} << Lines{"", "", "", "0.000  m"};
        QTest::newRow("first reading replaces the placeholder")
            << QStringList{"1.500"} << Lines{"", "", "", "1.500  m"};
        QTest::newRow("second reading moves the first up")
            << QStringList{"1.500", "2.000"} << Lines{"", "", "1.500  m", "2.000  m"};
        QTest::newRow("five readings keep four")
            << QStringList{"1", "2", "3", "4", "5"} << Lines{"2  m", "3  m", "4  m", "5  m"};
        QTest::newRow("clear brings the one before back")
            << QStringList{"1.500", "2.000", "C"} << Lines{"", "", "", "1.500  m"};
        QTest::newRow("clear of the last shows the placeholder")
            << QStringList{"1.500", "C"} << Lines{"", "", "", "0.000  m"};
        QTest::newRow("clear at start") << QStringList{"C"} << Lines{"", "", "", "0.000  m"};
        QTest::newRow("placeholder never enters the history")
            << QStringList{"1.500", "C", "2.000"} << Lines{"", "", "", "2.000  m"};
        // The display cannot tell a reading of 0 from its start text.
        QTest::newRow("a zero reading is taken for the placeholder")
            << QStringList{"0.000", "1.000"} << Lines{"", "", "", "1.000  m"};
    }
    void steps() {
        QFETCH(QStringList, steps);
        QFETCH(Lines, lines);
        ReadingDisplay display;
        for (const QString& step : steps) {
            if (step == "C") {
                display.Clear();
            } else {
                display.Show(step);
            }
        }
        QCOMPARE(display.Lines(), lines);
    }
};

QTEST_GUILESS_MAIN(TestReadingDisplay)
#include "test_reading_display.moc"
