// The store's side of the team push on a real database: the Outbox in order, rows as the
// server takes them, what a push marks, other desks' edits taken over, and the one-writer
// rule between the push and a download or an edit. No server is needed.
#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

#include "download_writer.h"
#include "local_desk.h"
#include "local_push_source.h"
#include "reading_log.h"
#include "store_error.h"
#include "writer_lock.h"

using namespace rangedesk;
using team::OutboxEntry;
using team::PushSource;

namespace {

QByteArray Hash(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Kinds and keys of what waits, in order.
QStringList Waiting(PushSource& source) {
    QStringList out;
    for (const OutboxEntry& e : source.Pending(100)) {
        static const char* const kKinds[] = {"job", "download", "record", "reading"};
        out << QString("%1 %2").arg(kKinds[int(e.What)]).arg(e.RecNo);
    }
    return out;
}

const QDateTime kLater = QDateTime::currentDateTimeUtc().addSecs(3600);

} // namespace

class TestLocalPushSource : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString PathOf(const QString& name) { return dir_.filePath(name + ".mdb"); }

private slots:
    // The Outbox in the order of the edits; a row queued again after it was taken keeps
    // waiting when the push marks what it took.
    void pendingAndMarkPushed() {
        LocalDesk desk("north", PathOf("pending"));
        QVERIFY(desk.Ok());
        const qint64 job = desk.Job("Kitchen");
        const qint64 download = desk.Download(3, 1, job);
        desk.SetLabel(download, 2, "north wall");
        auto source = team::LocalPushSource(desk.Path());
        QCOMPARE(Waiting(*source), (QStringList{"job 0", "download 0", "record 2"}));
        QCOMPARE(source->PendingCount(), 3);

        const std::vector<OutboxEntry> taken = source->Pending(100);
        desk.SetLabel(download, 2, "north wall, left"); // queued again while pushed
        source->MarkPushed(taken);
        QCOMPARE(Waiting(*source), (QStringList{"record 2"}));
        QCOMPARE(source->LoadRecord(desk.UuidOf(download), 2)->Label, QString("north wall, left"));
    }

    // Rows as the team server takes them: who made them, their job by uuid, the records with
    // the meter's bytes and texts and what the user said, the count of new records.
    void rowsAsTheServerTakesThem() {
        LocalDesk desk("south desk", PathOf("rows"));
        const qint64 job = desk.Job("Garage");
        const qint64 first = desk.Download(4, 7);
        const qint64 second = desk.Download(5, 7, job); // four records the same as before
        desk.SetLabel(second, 5, "door");
        store::RecordEdits(desk.Store()).SetDeduction(second, 5, true);
        store::ReadingInfo reading;
        reading.DistanceTenths = 12345;
        reading.Text = "1.234 m";
        reading.JobId = job;
        store::ReadingLog(desk.Store()).Add(reading);
        auto source = team::LocalPushSource(desk.Path());

        const auto d = source->LoadDownload(desk.UuidOf(second));
        QVERIFY(d);
        QCOMPARE(d->Desk, QString("south desk"));
        QCOMPARE(d->User, QString("surveyor"));
        QCOMPARE(d->Outcome, QString("complete"));
        QCOMPARE(d->Stored, 5);
        QCOMPARE(d->NewRecords, 1);
        QCOMPARE(d->Serial, QString("SN-south desk"));
        QCOMPARE(source->LoadJob(d->Job)->Name, QString("Garage"));
        QCOMPARE(source->LoadJob(d->Job)->Version.ChangedBy, QString("south desk"));
        QCOMPARE(source->LoadDownload(desk.UuidOf(first))->NewRecords, 4);
        QVERIFY(source->LoadDownload(desk.UuidOf(first))->Job.isNull());

        const auto records = source->LoadRecords(desk.UuidOf(second));
        QCOMPARE(records.size(), 5u);
        const team::TeamRecord& last = records.back();
        QCOMPARE(last.RecNo, 5);
        QCOMPARE(last.Reply, QByteArray::fromHex("00070005"));
        QCOMPARE(last.Mode, QString("Area"));
        QVERIFY2(last.Result.contains("5.250"), qPrintable(last.Result));
        QCOMPARE(last.Label, QString("door"));
        QVERIFY(last.Deduction);
        QCOMPARE(last.Version.Number, 2); // two edits, one push: bumped once
        QCOMPARE(last.Version.ChangedBy, QString("south desk"));
        QVERIFY(last.Version.Changed.isValid());
        QCOMPARE(records.front().Version.Number, 1);
        QVERIFY(records.front().Version.Changed.isNull());

        const std::vector<store::ReadingInfo> kept = store::ReadingLog(desk.Store()).List();
        const auto g = source->LoadReading(kept.front().Uuid);
        QVERIFY(g);
        QCOMPARE(g->DistanceTenths, 12345);
        QCOMPARE(g->Job, d->Job);
        QCOMPARE(g->Desk, QString("south desk"));

        const team::LocalCounts counts = source->Counts();
        QCOMPARE(counts.Jobs, 1);
        QCOMPARE(counts.Downloads, 2);
        QCOMPARE(counts.Records, 9);
        QCOMPARE(counts.Readings, 1);
        QVERIFY(!source->LoadDownload(QUuid::createUuid()));
        QVERIFY(source->LoadRecords(QUuid::createUuid()).empty());
    }

    // Another desk's edit is taken over without queueing anything, except where this desk's
    // own edit of the row waits; a job unknown here is added, other unknown rows are ignored.
    void remoteEditsTakenOver() {
        LocalDesk desk("east", PathOf("remote"));
        const qint64 download = desk.Download(3, 3);
        desk.SetLabel(download, 1, "mine, waiting");
        auto source = team::LocalPushSource(desk.Path());
        const QUuid uuid = desk.UuidOf(download);
        source->MarkPushed(source->Pending(100));
        desk.SetLabel(download, 1, "mine, waiting");

        team::TeamRecord theirs = *source->LoadRecord(uuid, 2);
        theirs.Label = "their ceiling";
        theirs.Note = "measured twice";
        theirs.Version = {5, kLater, "west"};
        source->ApplyRemoteEdit({theirs, false});
        team::TeamRecord lost = *source->LoadRecord(uuid, 1);
        lost.Label = "their wall";
        lost.Version = {7, kLater, "west"};
        source->ApplyRemoteEdit({lost, true});

        QCOMPARE(desk.Label(download, 2), QString("their ceiling"));
        QCOMPARE(source->LoadRecord(uuid, 2)->Version, (team::RowVersion{5, kLater, "west"}));
        QCOMPARE(desk.Label(download, 1), QString("mine, waiting")); // decided when pushed
        // The search finds the taken-over note.
        QCOMPARE(store::DownloadHistory(desk.Store()).Search("TWICE").size(), 1u);

        // A job of another desk, one whose name a job here has already, a download with it.
        const qint64 localJob = desk.Job("Site A");
        team::TeamJob job{QUuid::createUuid(), "Site B", "Client", "Street 1", "", kLater, "west",
                          {2, kLater, "west"}};
        team::TeamJob twin{QUuid::createUuid(), "SITE A", "", "", "", kLater, "west",
                           {1, kLater, "west"}};
        source->ApplyRemoteEdit({job, false});
        source->ApplyRemoteEdit({twin, false});
        QCOMPARE(*source->LoadJob(job.Uuid), job);
        QCOMPARE(source->LoadJob(twin.Uuid)->Name, QString("SITE A"));
        QCOMPARE(store::JobBook(desk.Store()).FindNamed("site a")->Id, localJob);
        team::TeamDownload assigned = *source->LoadDownload(uuid);
        assigned.Job = job.Uuid;
        assigned.JobVersion = {2, kLater, "west"};
        source->ApplyRemoteEdit({assigned, false});
        QCOMPARE(store::DownloadHistory(desk.Store()).Find(download)->JobName, QString("Site B"));

        // Rows this desk does not keep.
        team::TeamRecord stranger = theirs;
        stranger.Download = QUuid::createUuid();
        source->ApplyRemoteEdit({stranger, false});
        team::TeamReading reading;
        reading.Uuid = QUuid::createUuid();
        source->ApplyRemoteEdit({reading, false});
        QVERIFY(!source->LoadReading(reading.Uuid));

        // Nothing taken over waits for the server; only the own edit and the own job do.
        QCOMPARE(Waiting(*source), (QStringList{"record 1", "job 0"}));
    }

    void stateAndCounts() {
        LocalDesk desk("state", PathOf("state"));
        auto source = team::LocalPushSource(desk.Path());
        QCOMPARE(source->State("team/lastPush"), QString());
        source->SetState("team/lastPush", "2026-03-02T10:00:00.000Z");
        source->SetState("team/lastPush", "2026-03-02T11:00:00.000Z");
        QCOMPARE(team::LocalPushSource(desk.Path())->State("team/lastPush"),
                 QString("2026-03-02T11:00:00.000Z"));
    }

    // "team status" reads: the file stays byte for byte as it was and a write is refused.
    void readOnlyChangesNothing() {
        const QString path = PathOf("readonly");
        {
            LocalDesk desk("ro", path);
            desk.Download(2, 1);
        }
        const QByteArray before = Hash(path);
        auto source = team::LocalPushSource(path, store::StoreAccess::ReadOnly);
        QCOMPARE(source->PendingCount(), 1);
        QCOMPARE(source->Counts().Records, 2);
        QVERIFY_THROWS_EXCEPTION(store::StoreError, source->SetState("x", "y"));
        source.reset();
        QCOMPARE(Hash(path), before);
    }

    // While a download holds the database, the push takes nothing to send and writes nothing
    // (InUse: it tries again later); the download never notices it.
    void aDownloadKeepsThePushOut() {
        LocalDesk desk("busy", PathOf("busy"));
        desk.Download(2, 1);
        auto source = team::LocalPushSource(desk.Path());
        store::DownloadWriter writer(desk.Store());
        writer.Begin({3, 0x0486, 0x5750, {}, false, "."});
        try {
            source->Pending(10);
            QFAIL("the push took changes while a download ran");
        } catch (const store::StoreError& e) {
            QCOMPARE(e.Kind(), store::StoreErrorKind::InUse);
            QVERIFY2(e.Message().contains("in use by a download"), qPrintable(e.Message()));
        }
        QVERIFY_THROWS_EXCEPTION(store::StoreError, source->SetState("team/lastPush", "now"));
        QCOMPARE(source->PendingCount(), 1); // reading goes on
        records::DownloadSummary summary;
        writer.Finish(summary);
        QCOMPARE(source->Pending(10).size(), 2u);
    }

    // The push's writes are brief: a download or an edit that comes meanwhile waits them out
    // instead of being refused.
    void briefWritesAreWaitedOut_data() {
        QTest::addColumn<bool>("download");
        QTest::newRow("a download begins") << true;
        QTest::newRow("a label is edited") << false;
    }
    void briefWritesAreWaitedOut() {
        QFETCH(bool, download);
        LocalDesk desk("brief", PathOf(download ? "brief-download" : "brief-edit"));
        const qint64 id = desk.Download(2, 1);
        std::atomic_bool held = false;
        std::atomic_bool trying = false;
        std::thread push([&] {
            store::WriterLock lock(desk.Path());
            lock.Acquire(store::WriterHold::Brief);
            held = true;
            while (!trying) {
                std::this_thread::yield();
            }
            // The push's write takes a moment: the download or the edit comes in its middle.
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            lock.Release();
        });
        while (!held) {
            std::this_thread::yield();
        }
        trying = true;
        QString refused;
        try {
            if (download) {
                desk.Download(3, 2);
            } else {
                desk.SetLabel(id, 1, "after the push");
            }
        } catch (const store::StoreError& e) {
            refused = e.Message();
        }
        push.join();
        QVERIFY2(refused.isEmpty(), qPrintable("refused during the push's write: " + refused));
        QCOMPARE(store::DownloadHistory(desk.Store()).List().size(), download ? 2u : 1u);
    }

    // A download a killed program left "running" is queued with what it kept when the
    // database is next opened for writing.
    void interruptedDownloadIsQueued() {
        const QString path = PathOf("interrupted");
        {
            LocalDesk desk("killed", path);
            store::StoreRecordSink sink(desk.Store());
            sink.BeginDownload({3, 0x0486, 0x5750, {}, false, "."});
            sink.EmptyLoadData();
            MeasurementRecord record;
            const std::uint8_t reply[1] = {9};
            sink.AddRecToLib(1, record, RecordLayout::Extended, reply);
            // No FinishDownload: the program dies here (its lock goes with the sink).
        }
        QCOMPARE(team::LocalPushSource(path)->PendingCount(), 0);
        store::RecordStore store(path, store::StoreAccess::ReadWrite);
        store.Open();
        auto source = team::LocalPushSource(path);
        const std::vector<OutboxEntry> waiting = source->Pending(10);
        QCOMPARE(waiting.size(), 1u);
        QCOMPARE(source->LoadDownload(waiting[0].Uuid)->Outcome, QString("interrupted"));
        QCOMPARE(source->LoadRecords(waiting[0].Uuid).size(), 1u);
    }
};

QTEST_GUILESS_MAIN(TestLocalPushSource)
#include "test_local_push_source.moc"
