// Pushing against a real PostgreSQL server: desks at once, a server stopped and a desk killed
// in the middle, conflicting edits, a newer schema, a wrong password. After each, the rows on
// the server are the rows on the desks, none twice.
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

#include "fake_push_source.h"
#include "team_error.h"
#include "team_history.h"
#include "team_push.h"
#include "team_pusher.h"
#include "team_test_util.h"

using namespace rangedesk::team;

namespace {

const QDateTime kTen(QDate(2026, 3, 2), QTime(10, 0), Qt::UTC);

// Waits until the sync reports `state`; false after `ms`.
bool WaitForState(TeamSync& sync, TeamStatus::State state, TeamStatus* last, int ms = 60000) {
    QElapsedTimer clock;
    clock.start();
    while (sync.Status().Now != state && clock.elapsed() < ms) {
        QSignalSpy spy(&sync, &TeamSync::StatusChanged);
        spy.wait(200);
    }
    *last = sync.Status();
    return last->Now == state;
}

} // namespace

class TestTeamPush : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PgTestServer> server_;

    QString Url(int desk) const { return server_->SocketUrl(QString("desk%1").arg(desk)); }
    qint64 Count(const QString& sql) { return server_->PsqlValue(sql).toLongLong(); }
    // Every download's records are on the server once: as many rows as the desks stored.
    void VerifyServerHolds(const QString& desk, qint64 downloads, qint64 records) {
        QCOMPARE(
            Count(QString("SELECT count(*) FROM rangedesk.downloads WHERE desk = '%1'").arg(desk)),
            downloads);
        QCOMPARE(
            Count(QString("SELECT count(*) FROM rangedesk.records r JOIN rangedesk.downloads d "
                          "ON d.uuid = r.download WHERE d.desk = '%1'")
                      .arg(desk)),
            records);
        QCOMPARE(
            Count(QString(
                      "SELECT coalesce(sum(stored), 0) FROM rangedesk.downloads WHERE desk = '%1'")
                      .arg(desk)),
            records);
    }
    PushReport PushAll(FakePushSource& source, int desk, const QString& name) {
        auto c = Connect(Url(desk), name);
        TeamPush push(*c, source, CheckServerSchema(*c).ServerId);
        PushReport report = push.Push();
        const PushReport pulled = push.Pull();
        report.Conflicts += pulled.Conflicts;
        report.RemoteEdits += pulled.RemoteEdits;
        return report;
    }

private slots:
    void initTestCase() {
        if (PgTestServer::BinDir().isEmpty()) {
            QSKIP("the PostgreSQL server binaries are not installed (apt install postgresql)");
        }
        server_ = std::make_unique<PgTestServer>();
        REQUIRE_SERVER(*server_);
        QVERIFY2(PrepareTeamServer(*server_, 3), qPrintable(server_->Error()));
    }

    void twoDesksAtOnceAThirdSeesBoth() {
        auto factory = [](const QString& desk) {
            return [desk]() {
                auto source = std::make_unique<FakePushSource>(desk);
                source->AddDownloads(50, 40);
                return source;
            };
        };
        TeamSync a({Url(1), "desk-a"}, factory("desk-a"));
        TeamSync b({Url(2), "desk-b"}, factory("desk-b"));
        TeamStatus status;
        QVERIFY2(WaitForState(a, TeamStatus::State::UpToDate, &status), qPrintable(status.Text()));
        QVERIFY2(WaitForState(b, TeamStatus::State::UpToDate, &status), qPrintable(status.Text()));
        QCOMPARE(status.Text(), QString("Team: up to date"));
        auto third = Connect(Url(3), "desk-c");
        TeamHistory history(*third);
        const auto rows = history.List();
        QCOMPARE(rows.size(), std::size_t(100));
        QSet<QString> desks;
        for (const auto& row : rows) {
            desks.insert(row.Download.Desk);
            QCOMPARE(row.Download.User, QString("surveyor"));
        }
        QCOMPARE(desks, (QSet<QString>{"desk-a", "desk-b"}));
        VerifyServerHolds("desk-a", 50, 2000);
        VerifyServerHolds("desk-b", 50, 2000);
        const ServerCounts counts = history.Counts("desk-a");
        QCOMPARE(counts.Downloads, 100);
        QCOMPARE(counts.DeskRecords, 2000);
        // The same rows pushed again change nothing.
        FakePushSource again("desk-a");
        again.AddDownloads(50, 40);
        QCOMPARE(PushAll(again, 1, "desk-a").Entries, 50);
        VerifyServerHolds("desk-a", 50, 2000);
    }

    // pg_ctl stop -m immediate in the middle of 200,000 records: the push fails as
    // "not reachable", keeps what waits, and the next push after the restart completes.
    void serverStoppedInTheMiddle() {
        FakePushSource source("desk-stop");
        source.AddDownloads(250, 800);
        std::atomic<qint64> pushed = 0;
        std::optional<TeamError> failure;
        std::thread pusher([&] {
            try {
                auto c = Connect(Url(1), "desk-stop");
                TeamPush push(*c, source, CheckServerSchema(*c).ServerId);
                push.Push([&](const PushProgress& p) { pushed = p.Records; });
            } catch (const TeamError& e) {
                failure = e;
            }
        });
        QTRY_VERIFY_WITH_TIMEOUT(pushed >= 40000, 60000);
        QVERIFY(server_->Stop("immediate"));
        pusher.join();
        QVERIFY2(failure, "the push did not notice the server stop");
        QCOMPARE(failure->Failure(), TeamFailure::Unreachable);
        QVERIFY(source.PendingCount() > 0);
        QVERIFY(source.PendingCount() < 250);
        QVERIFY2(server_->Start(), qPrintable(server_->Error()));
        PushAll(source, 1, "desk-stop");
        QCOMPARE(source.PendingCount(), 0);
        VerifyServerHolds("desk-stop", 250, 200000);
    }

    void killedDeskResumes() {
        QTemporaryDir dir;
        const QString pushedFile = dir.filePath("pushed");
        QProcess child;
        child.start(RANGEDESK_TEAM_PUSH_CHILD, {Url(2), "desk-kill", pushedFile, "80", "999"});
        QVERIFY(child.waitForStarted());
        qint64 reported = 0;
        while (reported == 0 && child.waitForReadyRead(60000)) {
            while (child.canReadLine()) {
                reported = child.readLine().trimmed().toLongLong();
            }
        }
        child.kill(); // SIGKILL
        child.waitForFinished();
        QVERIFY2(reported > 0, "the child pushed nothing before it was killed");
        QVERIFY(Count("SELECT count(*) FROM rangedesk.downloads WHERE desk = 'desk-kill'") < 80);
        // The desk starts again with its rows and what it had marked as pushed.
        FakePushSource source("desk-kill", pushedFile);
        source.AddDownloads(80, 999);
        QVERIFY(source.PendingCount() < 80);
        PushAll(source, 2, "desk-kill");
        QCOMPARE(source.PendingCount(), 0);
        VerifyServerHolds("desk-kill", 80, 80 * 999);
    }

    // Two desks edit the label of the same record from the same version: the later edit wins
    // wherever it was pushed first, and the desk whose edit lost is told, once.
    void conflictingLabelEdits_data() {
        QTest::addColumn<bool>("laterPushedFirst");
        QTest::newRow("later edit pushed second") << false;
        QTest::newRow("later edit pushed first") << true;
    }

    void conflictingLabelEdits() {
        QFETCH(bool, laterPushedFirst);
        const QString owner = laterPushedFirst ? "desk-owner-1" : "desk-owner-2";
        FakePushSource one(owner);
        one.AddDownloads(1, 5);
        const QUuid download = one.DownloadUuid(0);
        PushAll(one, 1, owner);
        FakePushSource two("desk-two");
        two.KeepCopy(*one.LoadDownload(download), one.LoadRecords(download));
        PushAll(two, 2, "desk-two");

        // desk-two edits at 10:05, the owner at 10:00: desk-two's is the later.
        one.EditLabel(download, 3, "north wall", kTen);
        two.EditLabel(download, 3, "south wall", kTen.addSecs(300));
        PushReport first, second;
        if (laterPushedFirst) {
            first = PushAll(two, 2, "desk-two");
            second = PushAll(one, 1, owner);
        } else {
            first = PushAll(one, 1, owner);
            second = PushAll(two, 2, "desk-two");
        }
        // The owner learns it lost: at once when it pushed second, on its next pull otherwise.
        PushReport ownerLater = PushAll(one, 1, owner);
        const QStringList ownerTold =
            (laterPushedFirst ? second.Conflicts : first.Conflicts) + ownerLater.Conflicts;
        const QStringList twoTold = (laterPushedFirst ? first.Conflicts : second.Conflicts) +
                                    PushAll(two, 2, "desk-two").Conflicts;
        QCOMPARE(ownerTold.size(), 1);
        QVERIFY2(ownerTold[0].startsWith("Record 3 of the download of ") &&
                     ownerTold[0].contains(
                         "changed by desk-two at " +
                         kTen.addSecs(300).toLocalTime().toString("yyyy-MM-dd HH:mm:ss")),
                 qPrintable(ownerTold[0]));
        QVERIFY2(twoTold.isEmpty(), qPrintable(twoTold.join('\n')));
        QCOMPARE(
            server_->PsqlValue(QString("SELECT label FROM rangedesk.records WHERE download = '%1' "
                                       "AND recno = 3")
                                   .arg(download.toString(QUuid::WithoutBraces))),
            QString("south wall"));
        QCOMPARE(one.Record(download, 3).Label, QString("south wall"));
        QCOMPARE(two.Record(download, 3).Label, QString("south wall"));
        QCOMPARE(one.Record(download, 3).Version, two.Record(download, 3).Version);
        // Nothing waits and nothing else changed.
        QCOMPARE(one.PendingCount() + two.PendingCount(), 0);
        QCOMPARE(one.Record(download, 2).Label, QString());
    }

    // An edit built on the server's version is no conflict: it applies, whatever the clocks.
    void sequentialEditsApply() {
        FakePushSource one("desk-seq-1");
        one.AddDownloads(1, 2);
        const QUuid download = one.DownloadUuid(0);
        PushAll(one, 1, "desk-seq-1");
        FakePushSource two("desk-seq-2");
        two.KeepCopy(*one.LoadDownload(download), one.LoadRecords(download));
        one.EditLabel(download, 1, "first", kTen);
        QVERIFY(PushAll(one, 1, "desk-seq-1").Conflicts.isEmpty());
        QVERIFY(PushAll(two, 2, "desk-seq-2").RemoteEdits >= 1); // takes "first" over
        QCOMPARE(two.Record(download, 1).Label, QString("first"));
        two.EditLabel(download, 1, "second", kTen.addSecs(-3600)); // a clock an hour behind
        QVERIFY(PushAll(two, 2, "desk-seq-2").Conflicts.isEmpty());
        const PushReport back = PushAll(one, 1, "desk-seq-1");
        QVERIFY(back.Conflicts.isEmpty());
        QCOMPARE(one.Record(download, 1).Label, QString("second"));
    }

    // A desk that runs takes over another desk's edit when the server announces it, without
    // pushing anything itself.
    void remoteEditReachesARunningDesk() {
        FakePushSource owner("desk-live-1");
        owner.AddDownloads(1, 3);
        const QUuid download = owner.DownloadUuid(0);
        FakePushSource* running = nullptr; // owned by the pusher
        const TeamDownload copy = *owner.LoadDownload(download);
        const std::vector<TeamRecord> records = owner.LoadRecords(download);
        TeamSync sync({Url(1), "desk-live-2"}, [&] {
            auto source = std::make_unique<FakePushSource>("desk-live-2");
            source->KeepCopy(copy, records);
            running = source.get();
            return source;
        });
        TeamStatus status;
        QVERIFY(WaitForState(sync, TeamStatus::State::UpToDate, &status));
        QSignalSpy applied(&sync, &TeamSync::RemoteEditsApplied);
        owner.EditLabel(download, 2, "ceiling", kTen);
        PushAll(owner, 2, "desk-live-1");
        QTRY_COMPARE_WITH_TIMEOUT(running->Record(download, 2).Label, QString("ceiling"), 5000);
        QVERIFY(applied.count() >= 1 || applied.wait(2000));
    }

    void newerSchemaPushesNothing() {
        QVERIFY(server_->Psql("UPDATE rangedesk.schema_version SET version = version + 1", "team"));
        TeamSync sync({Url(3), "desk-ro"}, [] {
            auto source = std::make_unique<FakePushSource>("desk-ro");
            source->AddDownloads(3, 2);
            return source;
        });
        TeamStatus status;
        const bool offline = WaitForState(sync, TeamStatus::State::Offline, &status);
        QVERIFY(server_->Psql("UPDATE rangedesk.schema_version SET version = version - 1", "team"));
        QVERIFY(offline);
        QVERIFY(status.ReadOnly);
        QCOMPARE(status.Waiting, 3);
        QVERIFY2(status.Text().startsWith("Team: offline (") && status.Text().contains("read-only"),
                 qPrintable(status.Text()));
        QCOMPARE(Count("SELECT count(*) FROM rangedesk.downloads WHERE desk = 'desk-ro'"), 0);
    }

    void wrongPasswordKeepsRowsWaiting() {
        TeamSync sync(
            {server_->TcpUrl("desk1", "localhost", "sslmode=require"), "desk-pw"},
            [] {
                auto source = std::make_unique<FakePushSource>("desk-pw");
                source->AddDownloads(4, 2);
                return source;
            },
            "not-the-password");
        TeamStatus status;
        QVERIFY(WaitForState(sync, TeamStatus::State::Offline, &status));
        QCOMPARE(status.Waiting, 4);
        QVERIFY2(status.Text().contains("wrong or missing password") &&
                     status.Text().contains("password authentication failed"),
                 qPrintable(status.Text()));
    }
};

QTEST_GUILESS_MAIN(TestTeamPush)
#include "test_team_push.moc"
