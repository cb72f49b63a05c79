// The pure parts of a job's outputs, row by row: the unit words, what a grid cell becomes under
// a unit system, the columns of an export of kept records, the report's placeholders and pages.
#include <QStandardItemModel>
#include <QTest>

#include "kept_records_export.h"
#include "measurement_cells.h"
#include "report_layout.h"

using namespace rangedesk;
using namespace rangedesk::output;

namespace {

// Heads a table as the tables of kept records are, in another order than an export's.
void HeadAsKeptRecords(QStandardItemModel& table) {
    table.setColumnCount(11);
    table.setHorizontalHeaderLabels({"Note", "Download", "RecNo", "MODE", "UNIT", "DIST1", "DIST2",
                                     "DIST3", "RESULT", "Label", "Deduction"});
}

ReportLine Line(LineKind kind, const QString& text = {}, int row = -1) {
    return {kind, text, row};
}

QStringList Captions(const std::vector<SheetColumn>& columns) {
    QStringList captions;
    for (const SheetColumn& c : columns) {
        captions << c.Caption;
    }
    return captions;
}

} // namespace

class TestJobOutput : public QObject {
    Q_OBJECT

private slots:
    void unitWords_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("system"); // -1: not a word of ours
        QTest::newRow("as measured") << "as-measured" << int(UnitSystem::AsMeasured);
        QTest::newRow("metric") << "metric" << int(UnitSystem::Metric);
        QTest::newRow("imperial") << "imperial" << int(UnitSystem::Imperial);
        QTest::newRow("other case") << "Metric" << -1;
        QTest::newRow("blank") << "" << -1;
        QTest::newRow("a unit, not a system") << "m" << -1;
    }
    void unitWords() {
        QFETCH(QString, word);
        QFETCH(int, system);
        const std::optional<UnitSystem> read = UnitSystemFromWord(word);
        QCOMPARE(read ? int(*read) : -1, system);
        if (read) {
            QCOMPARE(UnitSystemWord(*read), word);
        }
    }

    // Each cell as the grid shows it (value and suffix, read with the row's UNIT).
    void cellsUnderAUnitSystem_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("unitText");
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("unit"); // empty: stays text
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("saysText");
        const int metric = int(UnitSystem::Metric);
        const int imperial = int(UnitSystem::Imperial);
        QTest::newRow("metres to feet") << " 3.048 m"
                                        << "m" << imperial << "ft" << 10.0 << false;
        QTest::newRow("feet to metres") << "10.00 ft"
                                        << "ft" << metric << "m" << 3.048 << false;
        QTest::newRow("inch fraction") << "73 3/4 in"
                                       << "in" << metric << "m" << 1.87325 << false;
        QTest::newRow("feet and inches") << "10'08''  "
                                         << "" << metric << "m" << 3.2512 << false;
        QTest::newRow("square feet") << "100.0 ft2"
                                     << "ft" << metric << "m2" << 9.290304 << false;
        QTest::newRow("Chinese cubic metres")
            << "19.66 米3"
            << "m" << imperial << "ft3" << 19.66 / 0.028316846592 << false;
        QTest::newRow("angle stays degrees") << "-1.6 °"
                                             << "m" << metric << "°" << -1.6 << false;
        QTest::newRow("blank") << "   "
                               << "m" << metric << "" << 0.0 << false;
        QTest::newRow("temperature") << "30.4 °C"
                                     << "m" << metric << "" << 0.0 << true;
        QTest::newRow("unknown text") << "abc"
                                      << "m" << imperial << "" << 0.0 << true;
    }
    void cellsUnderAUnitSystem() {
        QFETCH(QString, cell);
        QFETCH(QString, unitText);
        QFETCH(int, system);
        QFETCH(QString, unit);
        QFETCH(double, value);
        QFETCH(bool, saysText);
        const ConvertedCell converted = ConvertCell(cell, unitText, UnitSystem(system));
        QCOMPARE(StaysText(converted), saysText);
        if (unit.isEmpty()) {
            QVERIFY(!converted.Value);
            QCOMPARE(converted.Text, cell);
            return;
        }
        QVERIFY(converted.Value);
        QCOMPARE(QString::fromUtf8(converted.Value->UnitText().data(),
                                   qsizetype(converted.Value->UnitText().size())),
                 unit);
        QVERIFY2(qAbs(converted.Value->NearestDouble() - value) < 1e-12 * qMax(1.0, qAbs(value)),
                 qPrintable(QString::number(converted.Value->NearestDouble(), 'g', 17)));
    }

    // Found by heading whatever the table's order; Deduction only under a unit system; the
    // legacy XLS keeps the seven.
    void keptRecordColumns_data() {
        QTest::addColumn<int>("download");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("units");
        QTest::addColumn<QStringList>("captions");
        const QStringList seven{"RecNo", "MODE", "UNIT", "DIST1", "DIST2", "DIST3", "RESULT"};
        const int omit = int(DownloadColumn::Omit);
        const int first = int(DownloadColumn::First);
        const int measured = int(UnitSystem::AsMeasured);
        QTest::newRow("download, xlsx")
            << omit << int(ExportFormat::Xlsx) << measured << seven + QStringList{"Label", "Note"};
        QTest::newRow("job, csv, metric")
            << first << int(ExportFormat::Csv) << int(UnitSystem::Metric)
            << QStringList{"Download"} + seven + QStringList{"Label", "Note", "Deduction"};
        QTest::newRow("job, xls") << first << int(ExportFormat::Xls) << measured << seven;
    }
    void keptRecordColumns() {
        QFETCH(int, download);
        QFETCH(int, format);
        QFETCH(int, units);
        QFETCH(QStringList, captions);
        QStandardItemModel table;
        HeadAsKeptRecords(table);
        const std::vector<SheetColumn> columns = KeptRecordColumns(
            table, DownloadColumn(download), ExportFormat(format), UnitSystem(units));
        QCOMPARE(Captions(columns), captions);
        for (const SheetColumn& c : columns) {
            QCOMPARE(table.headerData(c.Field, Qt::Horizontal).toString(), c.Caption);
        }
    }

    void placeholders_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("filled"); // "-": the line is left out
        QTest::newRow("plain") << "Measurement report"
                               << "Measurement report";
        QTest::newRow("filled") << "Job: {job}"
                                << "Job: Site A";
        QTest::newRow("empty one") << "Client: {client}"
                                   << "-";
        QTest::newRow("one of two empty") << "{job} for {client}"
                                          << "Site A for ";
        QTest::newRow("unknown name stays") << "{nothing}"
                                            << "{nothing}";
    }
    void placeholders() {
        QFETCH(QString, line);
        QFETCH(QString, filled);
        const std::optional<QString> result =
            FillPlaceholders(line, {{"job", "Site A"}, {"client", ""}});
        QCOMPARE(result.value_or("-"), filled);
    }

    // No heading is left at a page's foot, a continued group repeats its column headings.
    void pages() {
        std::vector<ReportLine> lines{Line(LineKind::Header, "Firm"), Line(LineKind::Gap),
                                      Line(LineKind::GroupHeading, "Download 1"),
                                      Line(LineKind::ColumnHeadings)};
        for (int row = 0; row < 6; ++row) {
            lines.push_back(Line(LineKind::Row, {}, row));
        }
        lines.push_back(Line(LineKind::Gap));
        lines.push_back(Line(LineKind::TotalsHeading, "Totals"));
        lines.push_back(Line(LineKind::Total, "Total area"));
        const auto pages = Paginate(lines, 5);
        QVERIFY(pages.size() >= 3);
        int rows = 0;
        for (const auto& page : pages) {
            QVERIFY(!page.empty() && page.size() <= 5);
            QVERIFY(page.front().Kind != LineKind::Gap);
            const LineKind last = page.back().Kind;
            QVERIFY(last != LineKind::GroupHeading && last != LineKind::ColumnHeadings &&
                    last != LineKind::TotalsHeading);
            for (std::size_t i = 0; i < page.size(); ++i) {
                if (page[i].Kind == LineKind::Row) {
                    ++rows;
                    if (&page != &pages.front() && i == 0) {
                        QFAIL("a continued group starts without its column headings");
                    }
                }
            }
        }
        QCOMPARE(rows, 6);
    }
};

QTEST_GUILESS_MAIN(TestJobOutput)
#include "test_job_output.moc"
