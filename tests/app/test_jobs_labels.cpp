// Jobs, labels, notes and deductions through the windows: the Job choice, the grid's Label
// column and its Deduction, the History window's editing, search and "Only new", and the
// readings kept for the job chosen.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "download_history.h"
#include "fresh_settings.h"
#include "grid_to_excel.h"
#include "history_form.h"
#include "history_models.h"
#include "job_book.h"
#include "job_choice.h"
#include "labelled_load_data_model.h"
#include "load_data_model.h"
#include "main_form.h"
#include "meter_link.h"
#include "meter_operations.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "reading_keeper.h"
#include "reading_list_model.h"
#include "reading_log.h"
#include "record_store.h"
#include "recording_prompts.h"
#include "sim_meter.h"

using namespace rangedesk;

namespace {

constexpr int kTimeoutMs = 8000;
constexpr int kLabel = store::LabelledLoadDataModel::kLabelColumn;

// A window over a simulated meter in a program folder of its own.
struct Rig {
    explicit Rig(RecordingPrompts& prompts, int records = 5, const QString& folderPath = {})
        : meter(bus, 3), w(bus, prompts, folderPath.isEmpty() ? folder.Path() : folderPath) {
        meter.SetRecords(sim::DemoRecords(3, records));
        meter.Plug();
        w.show();
    }
    bool Connected() {
        return QTest::qWaitFor([&] { return w.Link().MeterConnected(); }, kTimeoutMs);
    }
    // A whole download, as the button does it; returns the id the history gave it.
    qint64 Download() {
        w.ExportAllData().click();
        return store::DownloadHistory(w.Store()).List().front().Id;
    }
    app::THistoryForm& History() {
        w.HistoryBtn().click();
        return *w.CurrentHistory();
    }
    std::vector<store::HistoryRecord> Kept(qint64 id) {
        return store::DownloadHistory(w.Store()).Records(id);
    }

    ProgramFolder folder;
    hid::sim::SimHidBus bus;
    sim::SimMeter meter;
    app::TMainForm w;
};

int IndexOfText(const QComboBox& box, const QString& text) {
    return box.findText(text, Qt::MatchExactly);
}

// Picks an entry of a combo box as a user does, so its `activated` runs.
void Pick(QComboBox& box, int index) {
    box.setCurrentIndex(index);
    emit box.activated(index);
}

} // namespace

class TestJobsLabels : public QObject {
    Q_OBJECT
    RecordingPrompts prompts;

private slots:
    void initTestCase() {
        UseFreshSettings();
        static_cast<app::RangeDeskApplication*>(qApp)->SetPrompts(&prompts);
    }
    void init() {
        QSettings().remove(app::JobChoice::kSettingKey);
        prompts = {};
    }

    // "New job..." makes a job and chooses it; downloads and readings go into the job chosen,
    // "No job" into none; a second start of the window chooses the job again.
    void jobChoiceGoesWithDownloadsAndReadings() {
        ProgramFolder shared;
        qint64 siteA = 0;
        {
            Rig rig(prompts, 5, shared.Path());
            QVERIFY(rig.Connected());
            app::JobChoice& jobs = rig.w.Jobs();
            QCOMPARE(jobs.currentText(), QString("No job"));
            QVERIFY(!jobs.Job());

            prompts.jobForms = {{"", {}}, {"Site A", {"Client X", "", ""}}};
            Pick(jobs, IndexOfText(jobs, "New job..."));
            QCOMPARE(prompts.jobRefusals.size(), 1); // the empty name was refused, said why
            QVERIFY(!prompts.jobRefusals[0].isEmpty());
            const std::optional<store::JobInfo> made =
                store::JobBook(rig.w.Store()).FindNamed("Site A");
            QVERIFY(made);
            siteA = made->Id;
            QCOMPARE(jobs.Job(), std::optional<qint64>(siteA));
            QCOMPARE(jobs.currentText(), QString("Site A"));

            const qint64 first = rig.Download();
            QCOMPARE(store::DownloadHistory(rig.w.Store()).Find(first)->JobId,
                     std::optional<qint64>(siteA));
            QVERIFY(rig.w.DownloadCaption().text().contains("Site A"));

            rig.w.ReadKey().click();
            QTRY_COMPARE_WITH_TIMEOUT(store::ReadingLog(rig.w.Store()).List(siteA).size(),
                                      std::size_t(1), kTimeoutMs);

            Pick(jobs, IndexOfText(jobs, "No job"));
            const qint64 second = rig.Download();
            QVERIFY(!store::DownloadHistory(rig.w.Store()).Find(second)->JobId);

            Pick(jobs, IndexOfText(jobs, "Site A")); // the choice the next start finds
        }
        Rig again(prompts, 5, shared.Path());
        QCOMPARE(again.w.Jobs().Job(), std::optional<qint64>(siteA));
        QCOMPARE(again.w.Jobs().currentText(), QString("Site A"));
    }

    // The grid's eighth column is the kept record's label: stored with the record of the
    // download the grid shows (also after "Show in main grid"), never in LoadData.
    void labelColumnEditsTheKeptRecord() {
        Rig rig(prompts, 5);
        QVERIFY(rig.Connected());
        const qint64 first = rig.Download();
        QAbstractItemModel& grid = *rig.w.DBGrid1().model();
        QCOMPARE(grid.headerData(kLabel, Qt::Horizontal).toString(), QString("Label"));
        QVERIFY(grid.flags(grid.index(1, kLabel)) & Qt::ItemIsEditable);
        const QStringList before = [&] {
            QStringList texts;
            for (int c = 0; c < rig.w.Table().columnCount(); ++c) {
                texts << rig.w.Table().index(1, c).data().toString();
            }
            return texts;
        }();

        QVERIFY(grid.setData(grid.index(1, kLabel), "Kitchen north wall"));
        QCOMPARE(rig.Kept(first)[1].Label, QString("Kitchen north wall"));
        QCOMPARE(rig.w.Table().columnCount(), 7);
        for (int c = 0; c < 7; ++c) {
            QCOMPARE(rig.w.Table().index(1, c).data().toString(), before[c]);
        }

        rig.meter.SetRecords(sim::DemoRecords(3, 3));
        const qint64 second = rig.Download();
        QCOMPARE(grid.index(1, kLabel).data().toString(), QString()); // the new download's
        app::THistoryForm& history = rig.History();
        const int row = history.Downloads().model()->rowCount() - 1; // the oldest, by time
        history.Downloads().selectRow(row);
        history.ShowInMainGrid().click();
        QCOMPARE(grid.rowCount(), 5);
        QCOMPARE(grid.index(1, kLabel).data().toString(), QString("Kitchen north wall"));
        QVERIFY(rig.w.DownloadCaption().text().startsWith(QString("Download %1,").arg(first)));
        QVERIFY(grid.setData(grid.index(2, kLabel), "Hall"));
        QCOMPARE(rig.Kept(first)[2].Label, QString("Hall"));
        QCOMPARE(rig.Kept(second)[2].Label, QString());

        prompts.asked.clear();
        QVERIFY(!grid.setData(grid.index(3, kLabel), QString(2001, 'x'))); // too long: said
        QCOMPARE(prompts.asked.size(), 1);
        QCOMPARE(rig.Kept(first)[3].Label, QString());
    }

    // Label, note and deduction in the History window's records, and "Assign to job...";
    // none of it while a download runs.
    void historyEditsAndAssigns() {
        Rig rig(prompts, 20);
        QVERIFY(rig.Connected());
        const qint64 id = rig.Download();
        app::THistoryForm& history = rig.History();
        QAbstractItemModel& records = *history.Records().model();
        using Records = store::DownloadRecordsModel;
        QVERIFY(records.setData(records.index(0, Records::Label), "Bedroom"));
        QVERIFY(records.setData(records.index(0, Records::Note), "measured twice"));
        QVERIFY(
            records.setData(records.index(1, Records::Deduction), Qt::Checked, Qt::CheckStateRole));
        std::vector<store::HistoryRecord> kept = rig.Kept(id);
        QCOMPARE(kept[0].Label, QString("Bedroom"));
        QCOMPARE(kept[0].Note, QString("measured twice"));
        QVERIFY(kept[1].Deduction);
        // The main grid shows the same download: it follows.
        QCOMPARE(rig.w.DBGrid1().model()->index(0, kLabel).data().toString(), QString("Bedroom"));
        QVERIFY(rig.w.DBGrid1()
                    .model()
                    ->index(1, 0)
                    .data(store::LabelledLoadDataModel::kDeductionRole)
                    .toBool());

        prompts.jobForms = {{"Site B", {}}};
        prompts.choices = {1}; // "No job", then (no jobs yet) "New job..."
        history.Assign().click();
        const std::optional<store::JobInfo> siteB =
            store::JobBook(rig.w.Store()).FindNamed("Site B");
        QVERIFY(siteB);
        QCOMPARE(store::DownloadHistory(rig.w.Store()).Find(id)->JobId,
                 std::optional<qint64>(siteB->Id));
        QCOMPARE(history.Downloads().model()->index(0, store::DownloadListModel::Job).data(),
                 QVariant("Site B"));
        QVERIFY(IndexOfText(rig.w.Jobs(), "Site B") >= 0); // the Job choice lists it too

        rig.meter.SetLatency(10);
        bool refused = false;
        QObject::connect(
            &rig.w.Operations(), &meter::MeterOperations::downloadProgress, [&](int i, int) {
                if (i != 5) {
                    return;
                }
                const QModelIndex label = records.index(0, Records::Label);
                refused = !(records.flags(label) & Qt::ItemIsEditable) &&
                          !records.setData(label, "Attic") && !history.Assign().isEnabled() &&
                          !history.NewJob().isEnabled() && !rig.w.DeductionAction().isEnabled();
            });
        rig.w.ExportAllData().click();
        QVERIFY(refused);
        QCOMPARE(rig.Kept(id)[0].Label, QString("Bedroom"));
    }

    // The main grid's context menu switches the current record's deduction.
    void gridDeduction() {
        Rig rig(prompts, 5);
        QVERIFY(rig.Connected());
        const qint64 id = rig.Download();
        QTableView& grid = rig.w.DBGrid1();
        QVERIFY(grid.actions().contains(&rig.w.DeductionAction()));
        grid.setCurrentIndex(grid.model()->index(2, 1));
        QVERIFY(rig.w.DeductionAction().isEnabled());
        QVERIFY(!rig.w.DeductionAction().isChecked());
        rig.w.DeductionAction().trigger();
        QVERIFY(rig.Kept(id)[2].Deduction);
        QVERIFY(
            grid.model()->index(2, 4).data(store::LabelledLoadDataModel::kDeductionRole).toBool());
        QVERIFY(
            !grid.model()->index(1, 4).data(store::LabelledLoadDataModel::kDeductionRole).toBool());
        QVERIFY(rig.w.DeductionAction().isChecked());
        rig.w.DeductionAction().trigger();
        QVERIFY(!rig.Kept(id)[2].Deduction);
    }

    // The search box finds downloads by job name and records by label, in any script, as the
    // user types (no button).
    void searchAsYouType_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("downloads");
        QTest::addColumn<int>("records"); // of the first download found
        QTest::newRow("label, Chinese") << "厨房" << 1 << 1;
        QTest::newRow("label, other case") << "KITCHEN" << 1 << 2;
        QTest::newRow("job name: all its records") << "site c" << 1 << 4;
        QTest::newRow("nothing") << "zzz" << 0 << 0;
        QTest::newRow("blanks: every download") << "  " << 2 << 4;
    }
    void searchAsYouType() {
        QFETCH(QString, typed);
        QFETCH(int, downloads);
        QFETCH(int, records);
        Rig rig(prompts, 4);
        QVERIFY(rig.Connected());
        const qint64 first = rig.Download();
        const qint64 job = store::JobBook(rig.w.Store()).Create("Site C").Id;
        store::JobBook(rig.w.Store()).Assign(first, job);
        QAbstractItemModel& grid = *rig.w.DBGrid1().model();
        QVERIFY(grid.setData(grid.index(0, kLabel), "厨房北墙"));
        QVERIFY(grid.setData(grid.index(1, kLabel), "Kitchen"));
        QVERIFY(grid.setData(grid.index(2, kLabel), "Small kitchen"));
        rig.Download(); // a second one, of no job, with no labels
        app::THistoryForm& history = rig.History();
        QCOMPARE(history.Downloads().model()->rowCount(), 2);

        for (const QChar c : typed) { // key by key, any script, as an input method gives them
            QTest::sendKeyEvent(QTest::Click, &history.SearchBox(), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
        QCOMPARE(history.SearchBox().text(), typed);
        QTRY_COMPARE_WITH_TIMEOUT(history.Downloads().model()->rowCount(), downloads, kTimeoutMs);
        QCOMPARE(history.Records().model()->rowCount(), records);
    }

    // "Only new": the records no earlier download from this meter had under the same number.
    void onlyNew() {
        Rig rig(prompts, 5);
        QVERIFY(rig.Connected());
        rig.Download();
        rig.meter.SetRecords(sim::DemoRecords(3, 7)); // the same five and two more
        rig.Download();
        app::THistoryForm& history = rig.History();
        QCOMPARE(history.Records().model()->rowCount(), 7);
        history.OnlyNew().click();
        QCOMPARE(history.Records().model()->rowCount(), 2);
        QCOMPARE(history.Records().model()->index(0, 0).data().toString().trimmed(), QString("6"));
        QVERIFY(history.RecordsTitle().text().startsWith("New records of"));
        history.OnlyNew().click();
        QCOMPARE(history.Records().model()->rowCount(), 7);
    }

    // The History window: resizable, its size kept for the next time, at least twelve rows of
    // the list, sorted by a click on a heading.
    void historySizeRowsAndSort() {
        Rig rig(prompts, 3);
        QVERIFY(rig.Connected());
        rig.Download();
        rig.meter.SetRecords(sim::DemoRecords(3, 5));
        rig.Download();
        app::THistoryForm* history = &rig.History();
        QTableView& list = history->Downloads();
        QVERIFY(list.minimumHeight() >= list.horizontalHeader()->height() +
                                            12 * list.verticalHeader()->defaultSectionSize());
        QVERIFY(history->minimumSize().width() < 700); // resizable, not fixed
        history->resize(1010, 790);
        QTRY_COMPARE_WITH_TIMEOUT(history->size(), QSize(1010, 790), kTimeoutMs);
        history->close();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.w.CurrentHistory(), kTimeoutMs);
        history = &rig.History();
        QCOMPARE(history->size(), QSize(1010, 790));

        using List = store::DownloadListModel;
        QHeaderView& heading = *history->Downloads().horizontalHeader();
        const QAbstractItemModel& shown = *history->Downloads().model();
        QCOMPARE(shown.index(0, List::Records).data().toString(), QString("5 of 5"));
        const QPoint records(heading.sectionViewportPosition(List::Records) + 5, 5);
        QTest::mouseClick(heading.viewport(), Qt::LeftButton, {}, records);
        const QString first = shown.index(0, List::Records).data().toString();
        QTest::mouseClick(heading.viewport(), Qt::LeftButton, {}, records);
        QVERIFY(first != shown.index(0, List::Records).data().toString()); // both ways
    }

    // A job's readings in the History window, their label and note edited in place.
    void readingsOfAJob() {
        Rig rig(prompts, 1);
        QVERIFY(rig.Connected());
        const qint64 job = store::JobBook(rig.w.Store()).Create("Site D").Id;
        rig.w.Jobs().SetJobs(store::JobBook(rig.w.Store()).List());
        rig.w.Jobs().Choose(job);
        rig.w.ReadKey().click();
        QTRY_COMPARE_WITH_TIMEOUT(store::ReadingLog(rig.w.Store()).List(job).size(), std::size_t(1),
                                  kTimeoutMs);
        app::THistoryForm& history = rig.History();
        Pick(history.JobFilter(), IndexOfText(history.JobFilter(), "Site D"));
        QAbstractItemModel& readings = *history.Readings().model();
        QTRY_COMPARE_WITH_TIMEOUT(readings.rowCount(), 1, kTimeoutMs);
        using Readings = store::ReadingListModel;
        QVERIFY(readings.index(0, Readings::Text).data().toString().endsWith(" m"));
        QVERIFY(readings.setData(readings.index(0, Readings::Label), "Door height"));
        QVERIFY(readings.setData(readings.index(0, Readings::Note), "left side"));
        const store::ReadingInfo kept = store::ReadingLog(rig.w.Store()).List(job).front();
        QCOMPARE(kept.Label, QString("Door height"));
        QCOMPARE(kept.Note, QString("left side"));

        // Export... on the Readings tab writes the readings listed, with their labels.
        QTabWidget& tabs = *history.findChild<QTabWidget*>("RecordsOrReadings");
        tabs.setCurrentWidget(&history.Readings());
        QVERIFY(history.Export().isEnabled());
        prompts.chosenFilter = app::kExportFilters[2];
        prompts.saveName = rig.folder.Path() + "/readings.csv";
        history.Export().click();
        QFile csv(prompts.saveName);
        QVERIFY2(csv.open(QIODevice::ReadOnly), qPrintable(prompts.Texts().join('|')));
        const QString written = QString::fromUtf8(csv.readAll());
        QVERIFY2(written.contains("Door height") && written.contains(kept.Text),
                 qPrintable(written));
        tabs.setCurrentIndex(0);
        Pick(history.JobFilter(), IndexOfText(history.JobFilter(), "No job"));
        QCOMPARE(readings.rowCount(), 0);
    }
};

int main(int argc, char** argv) {
    app::RangeDeskApplication application(argc, argv);
    TestJobsLabels test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_jobs_labels.moc"
