// The window with a team server, offscreen against a real PostgreSQL server: the status bar's
// Team indicator, a download pushed as it ends with the desk of the settings, an edit that
// lost told once, Settings > Team server (check, save with a password, disconnect), and the
// History's "Team" view.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "download_history.h"
#include "fake_push_source.h"
#include "history_scope.h"
#include "load_data_model.h"
#include "local_push_source.h"
#include "main_form.h"
#include "meter_link.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "record_edits.h"
#include "record_store.h"
#include "recording_prompts.h"
#include "settings_form.h"
#include "sim_meter.h"
#include "status_bar.h"
#include "team_downloads_model.h"
#include "team_history_panel.h"
#include "team_push.h"
#include "team_pusher.h"
#include "team_server_section.h"
#include "team_settings.h"
#include "team_test_util.h"
#include "window_team.h"

using namespace rangedesk;
using app::StatusBar;
using app::TMainForm;

namespace {

constexpr int kTimeoutMs = 20000;

QString TeamIndicator(TMainForm& w) {
    return w.StatusBar1().IndicatorText(StatusBar::Indicator::Team);
}

// A window over a simulated model 3 meter holding `records` records.
struct Rig {
    ProgramFolder folder;
    hid::sim::SimHidBus bus;
    sim::SimMeter meter{bus, 3};
    std::unique_ptr<TMainForm> window;

    Rig(RecordingPrompts& prompts, int records) {
        meter.SetRecords(sim::DemoRecords(3, records));
        meter.Plug();
        window = std::make_unique<TMainForm>(bus, prompts, folder.Path());
        window->show();
    }
    TMainForm& w() { return *window; }
};

} // namespace

class TestTeamWindow : public QObject {
    Q_OBJECT

    RecordingPrompts prompts;
    std::unique_ptr<PgTestServer> server_;

    qint64 Count(const QString& sql) { return server_->PsqlValue(sql).toLongLong(); }
    void PushAs(FakePushSource& desk, const QString& name) {
        auto c = Connect(server_->SocketUrl("desk2"), name);
        team::TeamPush(*c, desk, team::CheckServerSchema(*c).ServerId).Push();
    }
    int Told(const QString& text) {
        int n = 0;
        for (const QString& t : prompts.Texts()) {
            n += t.contains(text) ? 1 : 0;
        }
        return n;
    }

private slots:
    void initTestCase() {
        static_cast<app::RangeDeskApplication*>(qApp)->SetPrompts(&prompts);
        if (PgTestServer::BinDir().isEmpty()) {
            QSKIP("the PostgreSQL server binaries are not installed (apt install postgresql)");
        }
        server_ = std::make_unique<PgTestServer>();
        REQUIRE_SERVER(*server_);
        QVERIFY2(PrepareTeamServer(*server_, 2), qPrintable(server_->Error()));
    }
    void init() {
        prompts = RecordingPrompts();
        // No server and no desk name from the test before.
        QSettings(QSettings::UserScope, "RangeDesk", "RangeDesk").remove("team");
    }

    // A download through the window goes to the server as it ends, made by the desk the
    // settings name; an edit here that lost against another desk's later one is told once,
    // and the window's database takes the winning label.
    void indicatorDownloadAndConflict() {
        team::SaveTeamSettings({server_->SocketUrl("desk1"), "window desk"});
        Rig rig(prompts, 6);
        QTRY_VERIFY_WITH_TIMEOUT(rig.w().Team().Sync(), kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(TeamIndicator(rig.w()), QString("Team: up to date"), kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(rig.w().Link().MeterConnected(), kTimeoutMs);
        rig.w().ExportAllData().click(); // returns when the download has ended
        const store::DownloadInfo kept = store::DownloadHistory(rig.w().Store()).List().front();
        QCOMPARE(kept.Desk, QString("window desk"));
        QCOMPARE(kept.Stored, 6);
        QTRY_COMPARE_WITH_TIMEOUT(
            Count("SELECT count(*) FROM rangedesk.records r JOIN rangedesk.downloads d ON "
                  "d.uuid = r.download WHERE d.desk = 'window desk'"),
            6, kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(TeamIndicator(rig.w()), QString("Team: up to date"), kTimeoutMs);

        // While this desk is off the team, its label of record 2 waits; another desk that
        // keeps the same download labels it an hour later and pushes first.
        team::ClearTeamServer();
        rig.w().Team().SettingsClosed({}, {});
        QVERIFY(!rig.w().Team().Sync());
        FakePushSource other("desk-other");
        {
            auto local = team::LocalPushSource(rig.w().Store().Path());
            other.KeepCopy(*local->LoadDownload(kept.Uuid), local->LoadRecords(kept.Uuid));
        }
        store::RecordEdits(rig.w().Store()).SetLabel(kept.Id, 2, "mine");
        other.EditLabel(kept.Uuid, 2, "theirs", QDateTime::currentDateTimeUtc().addSecs(3600));
        {
            auto c = Connect(server_->SocketUrl("desk2"), "desk-other");
            team::TeamPush(*c, other, team::CheckServerSchema(*c).ServerId).Push();
        }
        team::SaveTeamSettings({server_->SocketUrl("desk1"), "window desk"});
        rig.w().Team().SettingsClosed({}, {});
        QVERIFY(rig.w().Team().Sync());
        QTRY_COMPARE_WITH_TIMEOUT(Told("changed by desk-other at"), 1, kTimeoutMs);
        QVERIFY2(prompts.asked.back().Text.contains("Record 2 of the download of "),
                 qPrintable(prompts.asked.back().Text));
        QTRY_COMPARE_WITH_TIMEOUT(store::DownloadHistory(rig.w().Store()).Records(kept.Id)[1].Label,
                                  QString("theirs"), kTimeoutMs);

        // Later pushes tell nothing again.
        store::RecordEdits(rig.w().Store()).SetLabel(kept.Id, 5, "window");
        QTRY_COMPARE_WITH_TIMEOUT(
            Count("SELECT count(*) FROM rangedesk.records WHERE label = 'window'"), 1, kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(TeamIndicator(rig.w()), QString("Team: up to date"), kTimeoutMs);
        QCOMPARE(Told("changed by"), 1);
    }

    // A server that cannot be reached shows as offline with what waits; the download does
    // not wait for it.
    void offlineIndicator() {
        team::SaveTeamSettings(
            {"postgresql://desk1@/team?host=/nonexistent-socket-folder", "lost"});
        Rig rig(prompts, 3);
        QTRY_VERIFY_WITH_TIMEOUT(TeamIndicator(rig.w()).startsWith("Team: offline (not reachable"),
                                 kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(rig.w().Link().MeterConnected(), kTimeoutMs);
        rig.w().ExportAllData().click();
        QCOMPARE(store::DownloadHistory(rig.w().Store()).List().front().Outcome,
                 QString("complete"));
        QTRY_VERIFY_WITH_TIMEOUT(rig.w().Team().Sync()->Status().Waiting == 1, kTimeoutMs);
        QVERIFY2(TeamIndicator(rig.w()).startsWith("Team: offline ("),
                 qPrintable(TeamIndicator(rig.w())));
    }

    // Settings > Team server: the check answers off the GUI thread; saving makes the window
    // push to the server with the desk's name and the typed password, which reaches no file;
    // Disconnect forgets the server and the window stops pushing.
    void settingsTeamServer() {
        Rig rig(prompts, 0);
        QTest::qWait(0); // the window's start-up step
        QVERIFY(!rig.w().Team().Sync());
        QCOMPARE(TeamIndicator(rig.w()), QString());

        app::TSettingsForm settings(&rig.w(), [] { return QString("clipboard"); });
        app::TeamServerSection& team = settings.TeamServer();
        QCOMPARE(team.Desk().text(), team::DefaultDeskName());
        QVERIFY(!team.DisconnectButton().isEnabled());
        QSignalSpy checked(&team, &app::TeamServerSection::checked);

        struct CheckRow {
            QString server;
            QString answer;
        };
        const CheckRow rows[] = {
            {server_->SocketUrl("desk2"), "connected, schema version 1"},
            {server_->SocketUrl("desk2", "postgres"), "not a RangeDesk team server"},
            {"postgresql://desk2@no-such-host.invalid/team?connect_timeout=3", "unknown host"},
        };
        for (const CheckRow& row : rows) {
            team.Server().setText(row.server);
            team.CheckButton().click();
            QVERIFY(!team.CheckButton().isEnabled()); // while it runs
            QVERIFY(checked.wait(kTimeoutMs));
            QVERIFY2(team.Answer().text().contains(row.answer), qPrintable(team.Answer().text()));
            QVERIFY(team.CheckButton().isEnabled());
        }
        team.Server().setText("office");
        QCOMPARE(team.Settings().Server, QString("service=office"));

        const QString tcp = server_->TcpUrl("desk2", "localhost", "sslmode=require");
        team.Server().setText(tcp);
        team.Desk().setText("desk two");
        team.Password().setText("secret-2");
        settings.Save();
        QCOMPARE(settings.TypedTeamPassword(), QString("secret-2"));
        rig.w().Team().SettingsClosed(settings.TypedTeamPassword(), settings.KeyringProblem());
        QVERIFY(rig.w().Team().Sync());
        QCOMPARE(rig.w().Team().Settings().Desk, QString("desk two"));
        QCOMPARE(rig.w().Store().Desk().Desk, QString("desk two"));
        QTRY_COMPARE_WITH_TIMEOUT(TeamIndicator(rig.w()), QString("Team: up to date"), kTimeoutMs);
        QFile conf(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) +
                   "/RangeDesk/RangeDesk.conf");
        QVERIFY(conf.open(QIODevice::ReadOnly));
        const QByteArray text = conf.readAll();
        QVERIFY(text.contains("desk two"));
        QVERIFY(!text.contains("secret-2"));

        app::TSettingsForm again(&rig.w(), [] { return QString("clipboard"); });
        QCOMPARE(again.TeamServer().Server().text(), tcp);
        QVERIFY(again.TeamServer().DisconnectButton().isEnabled());
        again.TeamServer().DisconnectButton().click();
        QVERIFY(!team::LoadTeamSettings().IsSet());
        QVERIFY2(again.TeamServer().Answer().text().startsWith("Disconnected from"),
                 qPrintable(again.TeamServer().Answer().text()));
        rig.w().Team().SettingsClosed({}, {});
        QVERIFY(!rig.w().Team().Sync());
        QCOMPARE(TeamIndicator(rig.w()), QString());
    }

    // History > "Team": another desk's downloads with its desk and user, found by their job, a
    // new push listed within two seconds unasked, one shown in the main grid and exported;
    // "Team" cannot be chosen while no server is set.
    void teamHistoryView() {
        Rig rig(prompts, 0);
        const auto teamView = [&rig](QWidget* parent) {
            return app::TeamHistoryPanel::ForWindow(rig.w(), parent);
        };
        {
            app::HistoryScope scope(new QLabel("this desk"), teamView);
            scope.Choose(app::HistoryScope::Scope::Team);
            QCOMPARE(scope.Chosen(), app::HistoryScope::Scope::ThisDesk);
            QVERIFY(!scope.TeamView());
        }
        team::SaveTeamSettings({server_->SocketUrl("desk1"), "window desk"});
        rig.w().Team().SettingsClosed({}, {});
        FakePushSource far("desk-far");
        far.AddDownloads(3, 4, 200);
        const team::TeamJob kitchen{QUuid::createUuid(),
                                    "厨房 Kitchen",
                                    "Lee",
                                    {},
                                    {},
                                    QDateTime::currentDateTimeUtc(),
                                    "desk-far",
                                    {}};
        far.AddJob(kitchen);
        far.SetJob(far.DownloadUuid(201), kitchen.Uuid, QDateTime::currentDateTimeUtc());
        PushAs(far, "desk-far");

        app::HistoryScope scope(new QLabel("this desk"), teamView);
        scope.Choose(app::HistoryScope::Scope::Team);
        auto* panel = qobject_cast<app::TeamHistoryPanel*>(scope.TeamView());
        QVERIFY(panel);
        team::TeamDownloadsModel& model = panel->Model();
        QTRY_VERIFY_WITH_TIMEOUT(model.RowOf(far.DownloadUuid(200)) >= 0, kTimeoutMs);
        const int row = model.RowOf(far.DownloadUuid(201));
        QCOMPARE(model.index(row, team::TeamDownloadsModel::Desk).data().toString(),
                 QString("desk-far"));
        QCOMPARE(model.index(row, team::TeamDownloadsModel::User).data().toString(),
                 QString("surveyor"));
        QCOMPARE(model.index(row, team::TeamDownloadsModel::Job).data().toString(), kitchen.Name);

        panel->Search().setText("KITCHEN");
        QTRY_COMPARE_WITH_TIMEOUT(model.rowCount(), 1, kTimeoutMs);
        QCOMPARE(model.RowAt(0).Download.Uuid, far.DownloadUuid(201));
        panel->Search().clear();
        QTRY_VERIFY_WITH_TIMEOUT(model.rowCount() >= 3, kTimeoutMs);

        // Another push reaches the open view by the server's notice, not by asking again.
        far.AddDownloads(1, 2, 203);
        PushAs(far, "desk-far");
        QTRY_VERIFY_WITH_TIMEOUT(model.RowOf(far.DownloadUuid(203)) >= 0, 2000);

        panel->Downloads().selectRow(model.RowOf(far.DownloadUuid(203)));
        QTRY_VERIFY_WITH_TIMEOUT(panel->ShowInMainGrid().isEnabled(), kTimeoutMs);
        QCOMPARE(panel->Records().model()->rowCount(), 2);
        panel->ShowInMainGrid().click();
        const store::LoadDataModel& grid = rig.w().Table();
        QCOMPARE(grid.rowCount(), 2);
        const team::TeamRecord second = far.Record(far.DownloadUuid(203), 2);
        for (int c = 0; c < grid.columnCount(); ++c) {
            QCOMPARE(grid.index(1, c).data().toString(),
                     panel->Records().model()->index(1, c).data().toString());
        }
        QCOMPARE(grid.index(1, 3).data().toString(), second.Dist1);

        QTemporaryDir dir;
        prompts.saveName = dir.filePath("team.csv");
        panel->Export().click();
        QFile csv(prompts.saveName);
        QVERIFY2(csv.open(QIODevice::ReadOnly), qPrintable(prompts.saveName));
        QVERIFY(QString::fromUtf8(csv.readAll()).contains(second.Dist1));
    }
};

int main(int argc, char** argv) {
    // The user's settings of this test, never the real ones.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    app::RangeDeskApplication application(argc, argv);
    TestTeamWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_team_window.moc"
