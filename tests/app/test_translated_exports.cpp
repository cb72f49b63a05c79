// Exports from a window shown in another language: the dialog offers the formats translated and
// each still chooses its format, and a file's headings are the ones the sources write while the
// grids show translated titles. A pseudo-translation stands in for a language, so the test does
// not depend on how far the .qm files are filled.
#include <QCoreApplication>
#include <QTableView>
#include <QTest>
#include <QTranslator>

#include "fresh_settings.h"
#include "grid_to_excel.h"
#include "history_form.h"
#include "main_form.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "recording_prompts.h"

using namespace rangedesk;

Q_DECLARE_METATYPE(rangedesk::output::ExportFormat)

namespace {

// Every text in brackets: "[Label]".
class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return '[' + QString::fromUtf8(source) + ']';
    }
};

QStringList Titles(const std::vector<output::SheetColumn>& columns) {
    QStringList titles;
    for (const output::SheetColumn& c : columns) {
        titles << c.Caption;
    }
    return titles;
}

QStringList HeaderTitles(const QTableView& view) {
    QStringList titles;
    for (int c = 0; c < view.model()->columnCount(); ++c) {
        titles << view.model()->headerData(c, Qt::Horizontal).toString();
    }
    return titles;
}

} // namespace

class TestTranslatedExports : public QObject {
    Q_OBJECT

    PseudoTranslator translator;
    RecordingPrompts prompts;

private slots:
    void initTestCase() {
        UseFreshSettings();
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }

    void filterChoosesItsFormat_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<output::ExportFormat>("format");
        QTest::newRow("XLS") << 0 << output::ExportFormat::Xls;
        QTest::newRow("XLSX") << 1 << output::ExportFormat::Xlsx;
        QTest::newRow("CSV") << 2 << output::ExportFormat::Csv;
    }
    void filterChoosesItsFormat() {
        QFETCH(int, index);
        QFETCH(output::ExportFormat, format);
        const QString shown = app::ExportFilters().at(index);
        QCOMPARE(shown, '[' + app::kExportFilters.at(index) + ']');
        QCOMPARE(app::FormatOfFilter(shown), format);
        QCOMPARE(app::FormatOfFilter(app::kExportFilters.at(index)), format);
        // What the settings keep: the same whatever the language.
        QCOMPARE(app::SourceFilter(shown), app::kExportFilters.at(index));
    }

    // The main grid and the History's records: translated on screen, as written in a file.
    void headingsStayAsWritten() {
        const ProgramFolder folder;
        hid::sim::SimHidBus bus;
        app::TMainForm main(bus, prompts, folder.Path());
        app::THistoryForm history(main, main.Store(), main.Operations(), prompts);
        QCOMPARE(HeaderTitles(main.DBGrid1()).last(), QString("[Label]"));
        QCOMPARE(
            Titles(app::GridColumns(main.DBGrid1())),
            QStringList({"RecNo", "MODE", "UNIT", "DIST1", "DIST2", "DIST3", "RESULT", "Label"}));
        QVERIFY(HeaderTitles(history.Records()).contains("[Note]"));
        const QStringList written = Titles(app::GridColumns(history.Records()));
        QVERIFY2(written.contains("Label") && written.contains("Note") &&
                     written.contains("Deduction"),
                 qPrintable(written.join(", ")));
        QVERIFY2(written.filter("[").isEmpty(), qPrintable(written.join(", ")));
    }
};

int main(int argc, char** argv) {
    app::RangeDeskApplication application(argc, argv);
    TestTranslatedExports test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_translated_exports.moc"
