// The team's History against a real server: who made each download, its records with the
// meter's bytes, searches in any script, and the change notice that refreshes an open window.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include "fake_push_source.h"
#include "team_history.h"
#include "team_notifications.h"
#include "team_push.h"
#include "team_test_util.h"

using namespace rangedesk::team;

class TestTeamHistory : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PgTestServer> server_;
    std::unique_ptr<TeamConnection> reader_;
    std::unique_ptr<FakePushSource> desk_;

    void Push(FakePushSource& source, const QString& desk) {
        auto c = Connect(server_->SocketUrl("desk1"), desk);
        TeamPush(*c, source, CheckServerSchema(*c).ServerId).Push();
    }

private slots:
    void initTestCase() {
        if (PgTestServer::BinDir().isEmpty()) {
            QSKIP("the PostgreSQL server binaries are not installed (apt install postgresql)");
        }
        server_ = std::make_unique<PgTestServer>();
        REQUIRE_SERVER(*server_);
        QVERIFY2(PrepareTeamServer(*server_, 2), qPrintable(server_->Error()));
        // Three downloads: one in a job "厨房北墙" of client "Müller GmbH", one with a labelled
        // record, one plain.
        desk_ = std::make_unique<FakePushSource>("desk-h");
        desk_->AddDownloads(3, 4);
        TeamJob job;
        job.Uuid = QUuid::createUuid();
        job.Name = "厨房北墙";
        job.Client = "Müller GmbH";
        job.Created = QDateTime::currentDateTimeUtc();
        job.Desk = "desk-h";
        job.Version.Changed = job.Created;
        job.Version.ChangedBy = "desk-h";
        desk_->AddJob(job);
        desk_->SetJob(desk_->DownloadUuid(0), job.Uuid, job.Created);
        // Characters COPY must escape, and another script.
        desk_->EditLabel(desk_->DownloadUuid(1), 2, "Kitchen WINDOW\t\\N \\ \r\n 窗", job.Created);
        Push(*desk_, "desk-h");
        reader_ = Connect(server_->SocketUrl("desk2"), "desk-reader");
    }

    void listSaysWhoAndWhichJob() {
        TeamHistory history(*reader_);
        const auto rows = history.List();
        QCOMPARE(rows.size(), std::size_t(3));
        QVERIFY(rows[0].Download.Started > rows[1].Download.Started); // newest first
        const auto& withJob = rows[2];
        QCOMPARE(withJob.Download.Uuid, desk_->DownloadUuid(0));
        QCOMPARE(withJob.JobName, QString("厨房北墙"));
        QCOMPARE(withJob.JobClient, QString("Müller GmbH"));
        QCOMPARE(withJob.Download.Desk, QString("desk-h"));
        QCOMPARE(withJob.Download.User, QString("surveyor"));
        TeamDownload expected = *desk_->LoadDownload(desk_->DownloadUuid(0));
        QCOMPARE(withJob.Download, expected);
    }

    void recordsComeBackAsPushed() {
        TeamHistory history(*reader_);
        const QUuid uuid = desk_->DownloadUuid(1);
        const std::vector<TeamRecord> records = history.Records(uuid);
        QCOMPARE(records, desk_->LoadRecords(uuid));
        QCOMPARE(records[1].Label, QString("Kitchen WINDOW\t\\N \\ \r\n 窗"));
        QCOMPARE(records[0].Reply.size(), 37);
    }

    void search_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("downloads"); // the fake's download numbers found
        QTest::newRow("job, part of a chinese name") << "厨房" << QList<int>{0};
        QTest::newRow("client, any case") << "MÜLLER" << QList<int>{0};
        QTest::newRow("label, any case") << "kitchen window" << QList<int>{1};
        QTest::newRow("mode") << "distance" << QList<int>{0, 1, 2};
        QTest::newRow("nothing") << "bathroom" << QList<int>{};
        QTest::newRow("a wildcard is a character") << "%" << QList<int>{};
        QTest::newRow("blank lists all") << "  " << QList<int>{0, 1, 2};
    }

    void search() {
        QFETCH(QString, text);
        QFETCH(QList<int>, downloads);
        QSet<QUuid> expected;
        for (const int n : downloads) {
            expected.insert(desk_->DownloadUuid(n));
        }
        QSet<QUuid> found;
        for (const auto& row : TeamHistory(*reader_).List(text)) {
            found.insert(row.Download.Uuid);
        }
        QCOMPARE(found, expected);
    }

    // Another desk pushes; the listening window hears of it within two seconds and its list
    // then shows the new download.
    void noticeWithinTwoSeconds() {
        TeamNotifications notifications(*reader_);
        QVERIFY(notifications.IsListening());
        QSignalSpy spy(&notifications, &TeamNotifications::Changed);
        FakePushSource other("desk-other");
        other.AddDownloads(1, 3, 100);
        QElapsedTimer clock;
        clock.start();
        Push(other, "desk-other");
        QVERIFY(spy.wait(2000));
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(spy.first().first().toString(), QString("desk-other"));
        QCOMPARE(TeamHistory(*reader_).List().size(), std::size_t(4));
    }
};

QTEST_GUILESS_MAIN(TestTeamHistory)
#include "test_team_history.moc"
