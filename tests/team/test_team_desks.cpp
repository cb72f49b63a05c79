// Desks with real local databases, filled through the store as the window fills them, pushing
// to one real PostgreSQL server: a third desk sees both (live), a label edited on two desks,
// a desk killed and a server stopped in the middle of a push, a download while the server is
// down, and the push beside downloads and edits on the same database. After each, the rows on
// the server are the rows on the desks, none twice, and nothing waits.
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

#include "local_desk.h"
#include "local_push_source.h"
#include "reading_log.h"
#include "table_export.h"
#include "team_downloads_model.h"
#include "team_error.h"
#include "team_history.h"
#include "team_push.h"
#include "team_pusher.h"
#include "team_records_model.h"
#include "team_test_util.h"

using namespace rangedesk;
using namespace rangedesk::team;

namespace {

bool WaitForState(TeamSync& sync, TeamStatus::State state, int ms = 60000) {
    QElapsedTimer clock;
    clock.start();
    while (sync.Status().Now != state && clock.elapsed() < ms) {
        QSignalSpy spy(&sync, &TeamSync::StatusChanged);
        spy.wait(200);
    }
    return sync.Status().Now == state;
}

PushSourceFactory SourceOf(const LocalDesk& desk) {
    return [path = desk.Path()] { return LocalPushSource(path); };
}

// Two edits made one after the other carry different times.
void LetTheClockMove() {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    while (QDateTime::currentMSecsSinceEpoch() <= now) {
        std::this_thread::yield();
    }
}

} // namespace

class TestTeamDesks : public QObject {
    Q_OBJECT

    std::unique_ptr<PgTestServer> server_;
    QTemporaryDir dir_;

    QString Url(int login) const { return server_->SocketUrl(QString("desk%1").arg(login)); }
    QString PathOf(const QString& name) const { return dir_.filePath(name + ".mdb"); }
    qint64 Count(const QString& sql) { return server_->PsqlValue(sql).toLongLong(); }

    PushReport PushDesk(LocalDesk& desk, int login) {
        auto source = LocalPushSource(desk.Path());
        auto c = Connect(Url(login), desk.Name());
        TeamPush push(*c, *source, CheckServerSchema(*c).ServerId);
        PushReport report = push.Push();
        const PushReport pulled = push.Pull();
        report.Conflicts += pulled.Conflicts;
        report.RemoteEdits += pulled.RemoteEdits;
        return report;
    }
    qint64 Waiting(const LocalDesk& desk) { return LocalPushSource(desk.Path())->PendingCount(); }
    // The server holds each download of the desk once, with every record once.
    void VerifyServerHolds(const QString& desk, qint64 downloads, qint64 records) {
        QCOMPARE(
            Count(QString("SELECT count(*) FROM rangedesk.downloads WHERE desk = '%1'").arg(desk)),
            downloads);
        QCOMPARE(Count(QString("SELECT count(*) FROM rangedesk.records r JOIN "
                               "rangedesk.downloads d ON d.uuid = r.download WHERE d.desk = '%1'")
                           .arg(desk)),
                 records);
        QCOMPARE(Count(QString("SELECT coalesce(sum(stored), 0) FROM rangedesk.downloads WHERE "
                               "desk = '%1'")
                           .arg(desk)),
                 records);
    }
    void MakeDownloads(LocalDesk& desk, int downloads, int records, int firstSeed) {
        for (int i = 0; i < downloads; ++i) {
            desk.Download(records, firstSeed + i);
        }
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

    // Two desks push jobs, downloads, labels, notes, a deduction and a reading; a third desk's
    // History lists both, finds by a note, reads a download's records into a table the exports
    // take, and shows a later push within two seconds.
    void twoDesksAndAThirdSeesBoth() {
        LocalDesk a("desk-a", PathOf("a"));
        LocalDesk b("desk-b", PathOf("b"));
        QVERIFY(a.Ok() && b.Ok());
        const qint64 a1 = a.Download(5, 1, a.Job("Kitchen"));
        a.Download(3, 2);
        a.SetLabel(a1, 2, "north wall");
        store::ReadingInfo reading;
        reading.DistanceTenths = 12345;
        reading.Text = "1.234 m";
        store::ReadingLog(a.Store()).Add(reading);
        const qint64 b1 = b.Download(4, 3, b.Job("Garage"));
        store::RecordEdits(b.Store()).SetNote(b1, 1, "Fenster Küche");
        store::RecordEdits(b.Store()).SetDeduction(b1, 3, true);

        TeamDownloadsModel third({Url(3), "desk-c"});
        QTRY_VERIFY_WITH_TIMEOUT(third.Loaded(), 10000);
        QCOMPARE(third.rowCount(), 0);
        TeamSync syncA({Url(1), "desk-a"}, SourceOf(a));
        TeamSync syncB({Url(2), "desk-b"}, SourceOf(b));
        QVERIFY2(WaitForState(syncA, TeamStatus::State::UpToDate),
                 qPrintable(syncA.Status().Text()));
        QVERIFY2(WaitForState(syncB, TeamStatus::State::UpToDate),
                 qPrintable(syncB.Status().Text()));
        QCOMPARE(Waiting(a) + Waiting(b), 0);
        VerifyServerHolds("desk-a", 2, 8);
        VerifyServerHolds("desk-b", 1, 4);
        QCOMPARE(Count("SELECT count(*) FROM rangedesk.readings WHERE desk = 'desk-a'"), 1);
        QCOMPARE(Count("SELECT count(*) FROM rangedesk.records WHERE deduction"), 1);

        QTRY_COMPARE_WITH_TIMEOUT(third.rowCount(), 3, 2000);
        const int kitchen = third.RowOf(a.UuidOf(a1));
        QVERIFY(kitchen >= 0);
        QCOMPARE(third.RowAt(kitchen).JobName, QString("Kitchen"));
        QCOMPARE(third.data(third.index(kitchen, TeamDownloadsModel::Desk), Qt::DisplayRole),
                 QVariant("desk-a"));
        QCOMPARE(third.data(third.index(kitchen, TeamDownloadsModel::User), Qt::DisplayRole),
                 QVariant("surveyor"));
        QCOMPARE(third.data(third.index(kitchen, TeamDownloadsModel::Records), Qt::DisplayRole),
                 QVariant("5 of 5"));
        QCOMPARE(third.RowAt(third.RowOf(b.UuidOf(b1))).JobName, QString("Garage"));

        third.SetSearch("FENSTER küche");
        QTRY_VERIFY_WITH_TIMEOUT(
            third.rowCount() == 1 && third.RowAt(0).Download.Uuid == b.UuidOf(b1), 5000);

        QSignalSpy read(&third, &TeamDownloadsModel::RecordsRead);
        third.RequestRecords(a.UuidOf(a1));
        QVERIFY(read.wait(5000));
        TeamRecordsModel records(read.at(0).at(1).value<std::vector<TeamRecord>>());
        QCOMPARE(records.rowCount(), 5);
        QCOMPARE(records.RecordAt(1).Label, QString("north wall"));
        const QByteArray csv =
            output::CsvFromTable(records, output::AllColumns(records), {}, false);
        QVERIFY2(csv.startsWith("RecNo,MODE,UNIT,DIST1,DIST2,DIST3,RESULT\r\n2,Area,m,") ||
                     csv.startsWith("RecNo,MODE,UNIT,DIST1,DIST2,DIST3,RESULT\r\n1,Area,m,"),
                 csv.constData());
        QCOMPARE(csv.count("\r\n"), 6);

        // A download made later reaches the open History within two seconds of its push.
        third.SetSearch({});
        QTRY_COMPARE_WITH_TIMEOUT(third.rowCount(), 3, 5000);
        a.Download(2, 9);
        syncA.PushNow();
        QTRY_COMPARE_WITH_TIMEOUT(
            Count("SELECT count(*) FROM rangedesk.downloads WHERE desk = 'desk-a'"), 3, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(third.rowCount(), 4, 2000);
        QVERIFY(third.Problem().isEmpty());
    }

    // The same record's label edited on two desks (the second desk works on a copy of the
    // first's database): the later edit wins wherever it was pushed first, the desk whose edit
    // lost is told once, and after their pulls both databases hold the same label and version.
    void labelEditedOnTwoDesks_data() {
        QTest::addColumn<bool>("laterPushedFirst");
        QTest::newRow("later edit pushed second") << false;
        QTest::newRow("later edit pushed first") << true;
    }
    void labelEditedOnTwoDesks() {
        QFETCH(bool, laterPushedFirst);
        const QString tag = laterPushedFirst ? "first" : "second";
        LocalDesk one("desk-one-" + tag, PathOf("one-" + tag));
        const qint64 id = one.Download(5, laterPushedFirst ? 21 : 22);
        PushDesk(one, 1);
        one.Checkpoint();
        LocalDesk two("desk-two-" + tag, PathOf("two-" + tag), one.Path());
        QVERIFY(two.Ok());
        QCOMPARE(two.UuidOf(id), one.UuidOf(id));

        one.SetLabel(id, 3, "north wall");
        LetTheClockMove();
        two.SetLabel(id, 3, "south wall"); // the later edit
        QStringList oneTold, twoTold;
        if (laterPushedFirst) {
            twoTold += PushDesk(two, 2).Conflicts;
            oneTold += PushDesk(one, 1).Conflicts;
        } else {
            oneTold += PushDesk(one, 1).Conflicts;
            twoTold += PushDesk(two, 2).Conflicts;
        }
        oneTold += PushDesk(one, 1).Conflicts;
        twoTold += PushDesk(two, 2).Conflicts;

        QCOMPARE(oneTold.size(), 1);
        QVERIFY2(oneTold[0].startsWith("Record 3 of the download of ") &&
                     oneTold[0].contains("changed by desk-two-" + tag + " at "),
                 qPrintable(oneTold[0]));
        QVERIFY2(twoTold.isEmpty(), qPrintable(twoTold.join('\n')));
        QCOMPARE(server_->PsqlValue(QString("SELECT label FROM rangedesk.records WHERE download = "
                                            "'%1' AND recno = 3")
                                        .arg(one.UuidOf(id).toString(QUuid::WithoutBraces))),
                 QString("south wall"));
        QCOMPARE(one.Label(id, 3), QString("south wall"));
        QCOMPARE(two.Label(id, 3), QString("south wall"));
        const QUuid uuid = one.UuidOf(id);
        QCOMPARE(LocalPushSource(one.Path())->LoadRecord(uuid, 3)->Version,
                 LocalPushSource(two.Path())->LoadRecord(uuid, 3)->Version);
        QCOMPARE(Waiting(one) + Waiting(two), 0);
        QCOMPARE(one.Label(id, 2), QString());
    }

    // SIGKILL in the middle of a push of 45 downloads: the desk starts again with its database
    // and pushes the rest; nothing is doubled, nothing is missing.
    void killedDeskResumes() {
        LocalDesk desk("desk-kill", PathOf("kill"));
        MakeDownloads(desk, 45, 999, 1000);
        QProcess child;
        child.start(RANGEDESK_TEAM_DESK_CHILD, {Url(2), "desk-kill", desk.Path()});
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
        QVERIFY(Count("SELECT count(*) FROM rangedesk.downloads WHERE desk = 'desk-kill'") < 45);
        const qint64 left = Waiting(desk);
        QVERIFY2(left > 0 && left < 45, qPrintable(QString::number(left)));
        PushDesk(desk, 2);
        QCOMPARE(Waiting(desk), 0);
        VerifyServerHolds("desk-kill", 45, 45 * 999);
    }

    // pg_ctl stop -m immediate in the middle of a push: it fails as "not reachable", keeps
    // what waits, and the desk's push after the restart completes it.
    void serverStoppedInTheMiddle() {
        LocalDesk desk("desk-stop", PathOf("stop"));
        MakeDownloads(desk, 45, 999, 2000);
        std::atomic<qint64> pushed = 0;
        std::optional<TeamError> failure;
        std::thread pusher([&] {
            try {
                auto source = LocalPushSource(desk.Path());
                auto c = Connect(Url(1), "desk-stop");
                TeamPush push(*c, *source, CheckServerSchema(*c).ServerId);
                push.Push([&](const PushProgress& p) { pushed = p.Records; });
            } catch (const TeamError& e) {
                failure = e;
            }
        });
        QTRY_VERIFY_WITH_TIMEOUT(pushed > 0, 60000);
        QVERIFY(server_->Stop("immediate"));
        pusher.join();
        QVERIFY2(failure, "the push did not notice the server stop");
        QCOMPARE(failure->Failure(), TeamFailure::Unreachable);
        const qint64 left = Waiting(desk);
        QVERIFY2(left > 0 && left < 45, qPrintable(QString::number(left)));
        QVERIFY2(server_->Start(), qPrintable(server_->Error()));
        TeamSync sync({Url(1), "desk-stop"}, SourceOf(desk));
        QVERIFY2(WaitForState(sync, TeamStatus::State::UpToDate), qPrintable(sync.Status().Text()));
        VerifyServerHolds("desk-stop", 45, 45 * 999);
    }

    // The server is down: a download completes at once all the same, waits, and goes once
    // the server is back.
    void downloadWhileTheServerIsDown() {
        LocalDesk desk("desk-down", PathOf("down"));
        QVERIFY(server_->Stop("fast"));
        TeamSync sync({Url(1), "desk-down"}, SourceOf(desk));
        connect(&desk.Store(), &store::RecordStore::changesQueued, &sync, &TeamSync::PushNow);
        QVERIFY(WaitForState(sync, TeamStatus::State::Offline));
        QVERIFY2(sync.Status().Text().startsWith("Team: offline (not reachable"),
                 qPrintable(sync.Status().Text()));
        const qint64 id = desk.Download(50, 3000);
        QCOMPARE(store::DownloadHistory(desk.Store()).Find(id)->Outcome, QString("complete"));
        QCOMPARE(store::DownloadHistory(desk.Store()).Records(id).size(), 50u);
        QTRY_COMPARE_WITH_TIMEOUT(sync.Status().Waiting, 1, 10000);
        QCOMPARE(sync.Status().Now, TeamStatus::State::Offline);
        QVERIFY2(server_->Start(), qPrintable(server_->Error()));
        sync.PushNow();
        QVERIFY2(WaitForState(sync, TeamStatus::State::UpToDate), qPrintable(sync.Status().Text()));
        VerifyServerHolds("desk-down", 1, 50);
    }

    // The push runs beside downloads and label edits on the same database, asked after every
    // one of them: none is refused, and at the end the server holds all of it.
    void pushBesideDownloadsAndEdits() {
        LocalDesk desk("desk-busy", PathOf("busy"));
        TeamSync sync({Url(1), "desk-busy"}, SourceOf(desk));
        connect(&desk.Store(), &store::RecordStore::changesQueued, &sync, &TeamSync::PushNow);
        for (int round = 0; round < 4; ++round) {
            const qint64 id = desk.Download(200, 4000 + round);
            for (int r = 1; r <= 10; ++r) {
                desk.SetLabel(id, r, QString("round %1 label %2").arg(round).arg(r));
                QCoreApplication::processEvents();
            }
        }
        QTRY_VERIFY_WITH_TIMEOUT(
            sync.Status().Now == TeamStatus::State::UpToDate && Waiting(desk) == 0, 30000);
        VerifyServerHolds("desk-busy", 4, 800);
        QCOMPARE(Count("SELECT count(*) FROM rangedesk.records r JOIN rangedesk.downloads d ON "
                       "d.uuid = r.download WHERE d.desk = 'desk-busy' AND r.label LIKE 'round %'"),
                 40);
    }
};

QTEST_GUILESS_MAIN(TestTeamDesks)
#include "test_team_desks.moc"
