// The main window and the About window: start-up state, button rules, the error box.
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "about_form.h"
#include "error_box.h"
#include "fresh_settings.h"
#include "main_form.h"
#include "meter_link.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "record_navigator.h"
#include "recording_prompts.h"
#include "sim_meter.h"
#include "status_bar.h"

using namespace rangedesk;
using app::TMainForm;

namespace {

constexpr int kTimeoutMs = 5000;

QList<bool> ButtonStates(TMainForm& w) {
    return {w.ReadKey().isEnabled(),    w.ClearKey().isEnabled(), w.ExportAllData().isEnabled(),
            w.ExpToExcel().isEnabled(), w.PrintBtn().isEnabled(), w.AboutBtn().isEnabled()};
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    RecordingPrompts prompts;

private slots:
    void init() { prompts = RecordingPrompts(); }
    void initTestCase() {
        UseFreshSettings();
        static_cast<app::RangeDeskApplication*>(qApp)->SetPrompts(&prompts);
    }

    void startUpState() {
        ProgramFolder folder;
        hid::sim::SimHidBus bus;
        TMainForm w(bus, prompts, folder.Path());
        QCOMPARE(w.windowTitle(), QString("  RangeDesk"));
        QCOMPARE(w.size(), QSize(905, 510));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);

        struct Expect {
            QPushButton* button;
            const char* caption;
            QRect place;
        };
        const Expect buttons[] = {{&w.ReadKey(), "  Read", {40, 17, 75, 28}},
                                  {&w.ClearKey(), "  Clear", {40, 60, 75, 28}},
                                  {&w.ExportAllData(), "Export Records  ", {216, 17, 137, 28}},
                                  {&w.ExpToExcel(), "  Export to Excel", {216, 60, 137, 28}},
                                  {&w.PrintBtn(), "Print", {432, 17, 73, 28}},
                                  {&w.AboutBtn(), "About", {432, 60, 73, 28}}};
        for (const Expect& e : buttons) {
            QCOMPARE(e.button->text(), QString(e.caption));
            QCOMPARE(e.button->geometry(), e.place);
            QVERIFY(e.button->font().bold());
            QCOMPARE(e.button->cursor().shape(), Qt::PointingHandCursor);
        }
        QCOMPARE(ButtonStates(w), QList<bool>({false, false, false, false, false, true}));

        for (int line = 0; line < 4; ++line) {
            QVERIFY(w.Label(line).isHidden());
            QCOMPARE(w.Label(line).text(), line == 3 ? QString("0.000  m") : QString());
            QCOMPARE(w.Label(line).font().family(), QString("Times New Roman"));
            QVERIFY(w.Label(line).font().bold());
        }
        QCOMPARE(w.Label(3).geometry(), QRect(64, 221, 113, 33));
        QCOMPARE(w.Label(0).font().pixelSize(), 19);
        QCOMPARE(w.Label(3).font().pixelSize(), 24);
        for (int n = 1; n <= 4; ++n) {
            QVERIFY(w.Image(n).isHidden());
            QCOMPARE(w.Image(n).size(), QSize(33, 25));
        }
        QCOMPARE(w.Image(1).pos(), QPoint(72, 80));

        // The grid: seven centred columns and the Label, closed table, navigator off.
        const int widths[] = {52, 123, 73, 85, 82, 82, 84};
        const char* names[] = {"RecNo", "MODE", "UNIT", "DIST1", "DIST2", "DIST3", "RESULT"};
        QCOMPARE(w.DBGrid1().model()->columnCount(), 8);
        QCOMPARE(w.DBGrid1().model()->headerData(7, Qt::Horizontal).toString(), QString("Label"));
        for (int c = 0; c < 7; ++c) {
            QCOMPARE(w.DBGrid1().columnWidth(c), widths[c]);
            QCOMPARE(w.DBGrid1().model()->headerData(c, Qt::Horizontal).toString(),
                     QString(names[c]));
        }
        QVERIFY(w.DBGrid1().alternatingRowColors());
        QCOMPARE(w.DBGrid1().model()->rowCount(), 0);
        for (int b = 0; b < 4; ++b) {
            QVERIFY(!w.DBNavigator1().ButtonAt(app::RecordNavigator::Button(b))->isEnabled());
        }

        QCOMPARE(w.StatusBar1().PanelText(0), QString());
        QCOMPARE(w.StatusBar1().height(), 30);
        QTRY_COMPARE_WITH_TIMEOUT(w.StatusBar1().PanelText(0), QString("Not connected"),
                                  kTimeoutMs);
        QCOMPARE(w.StatusBar1().StatusColour(), w.palette().color(QPalette::ButtonText));
        QVERIFY(prompts.asked.isEmpty());
    }

    void aboutRestoresButtons_data() {
        QTest::addColumn<bool>("byCloseBox");
        QTest::addColumn<bool>("meter");
        QTest::addColumn<bool>("records");
        QTest::addColumn<QList<bool>>("expected");
        for (const bool closeBox : {false, true}) {
            const char* how = closeBox ? "close box" : "Exit";
            QTest::addRow("%s, nothing", how)
                << closeBox << false << false
                << QList<bool>({false, false, false, false, false, true});
            QTest::addRow("%s, meter", how)
                << closeBox << true << false << QList<bool>({true, true, true, false, false, true});
            QTest::addRow("%s, records", how)
                << closeBox << false << true
                << QList<bool>({false, false, false, true, true, true});
        }
    }
    void aboutRestoresButtons() {
        QFETCH(bool, byCloseBox);
        QFETCH(bool, meter);
        QFETCH(bool, records);
        QFETCH(QList<bool>, expected);
        ProgramFolder folder;
        hid::sim::SimHidBus bus;
        sim::SimMeter simMeter(bus, 3);
        if (meter) {
            simMeter.Plug();
        }
        TMainForm w(bus, prompts, folder.Path());
        const app::TForm1 hidden(w);
        w.show();
        QTRY_VERIFY_WITH_TIMEOUT(!w.StatusBar1().PanelText(0).isEmpty(), kTimeoutMs);
        if (records) {
            w.SetRecordsLoaded();
        }
        w.AboutBtn().click();
        QCOMPARE(ButtonStates(w), QList<bool>({false, false, false, false, false, false}));
        QPointer<app::TForm1> about = w.CurrentAbout();
        QVERIFY(about && about->isVisible());
        QVERIFY(!hidden.isVisible());
        QCOMPARE(about->windowTitle(), QString("About"));
        QCOMPARE(about->size(), QSize(367, 222));
        if (byCloseBox) {
            about->close();
        } else {
            about->ExitButton().click();
        }
        QCOMPARE(ButtonStates(w), expected);
        QTRY_VERIFY_WITH_TIMEOUT(about.isNull(), kTimeoutMs); // disposed of once
        w.AboutBtn().click();
        QVERIFY(w.CurrentAbout() && w.CurrentAbout() != about.data());
        QVERIFY(!hidden.isVisible());
    }

    void errorBoxText_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("text");
        QTest::newRow("letter") << "Device cannot be opened"
                                << "Device cannot be opened.";
        QTest::newRow("bang") << "No Record Found!"
                              << "No Record Found!";
        QTest::newRow("full stop") << "Done."
                                   << "Done.";
        QTest::newRow("digit") << "code 5"
                               << "code 5.";
        QTest::newRow("comma is below the point") << "a,"
                                                  << "a,";
        QTest::newRow("slash is above") << "a/"
                                        << "a/.";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("chinese")
            << QString::fromUtf8("无法打开")
            << QString::fromUtf8("无法打开。").replace(QString::fromUtf8("。"), ".");
    }
    void errorBoxText() {
        QFETCH(QString, message);
        QFETCH(QString, text);
        QCOMPARE(app::ErrorBoxText(message), text);
    }

    void errorReachingTheEventLoopIsShownOnce() {
        QObject target;
        QMetaObject::invokeMethod(
            &target, [] { throw std::runtime_error("Device cannot be identified"); },
            Qt::QueuedConnection);
        bool after = false;
        QMetaObject::invokeMethod(
            &target, [&] { after = true; }, Qt::QueuedConnection);
        QTRY_VERIFY_WITH_TIMEOUT(after, kTimeoutMs); // the program goes on
        QCOMPARE(prompts.asked.size(), 1);
        QCOMPARE(prompts.asked[0].Caption, QString(" RangeDesk"));
        QCOMPARE(prompts.asked[0].Text, QString("Device cannot be identified."));
        QCOMPARE(prompts.asked[0].Icon, app::MessageIcon::Error);
        QCOMPARE(prompts.asked[0].Buttons, app::MessageButtons::Ok);
    }

    void brokenDatabaseIsReportedOnceAtStart_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("corrupt") << "corrupt";
        QTest::newRow("no LoadData") << "notable";
    }
    void brokenDatabaseIsReportedOnceAtStart() {
        QFETCH(QString, kind);
        ProgramFolder folder(ProgramFolder::Database::Missing);
        if (kind != "missing") {
            QFile f(folder.LibFile("DistLib.mdb"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            // An empty file is a valid SQLite database without tables.
            f.write(kind == "corrupt" ? QByteArray(2048, '\x7f') : QByteArray());
        }
        hid::sim::SimHidBus bus;
        TMainForm w(bus, prompts, folder.Path());
        QCOMPARE(prompts.asked.size(), 1);
        QCOMPARE(prompts.asked[0].Text, QString::fromUtf8("程序运行异常！程序没有正确安装"));
        QCOMPARE(prompts.asked[0].Caption, QString(" RangeDesk"));
        QCOMPARE(prompts.asked[0].Buttons, app::MessageButtons::Ok);
        QCOMPARE(w.DBGrid1().model()->rowCount(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!w.StatusBar1().PanelText(0).isEmpty(), kTimeoutMs);
        QCOMPARE(prompts.asked.size(), 1);
        if (kind == "missing") {
            QVERIFY(!QFile::exists(folder.LibFile("DistLib.mdb")));
        }
    }

    void picturesLoad() {
        QImageReader patch(":/images/patch.jpg");
        QCOMPARE(patch.format(), QByteArray("jpeg"));
        const QImage image = patch.read();
        QCOMPARE(image.size(), QSize(33, 25));
        QVERIFY(image.pixelColor(16, 12).lightness() < 16);
        QList<QImage> meters;
        for (int model = 1; model <= 4; ++model) {
            const QImage meter(QString(":/images/meter%1.png").arg(model));
            QCOMPARE(meter.size(), QSize(200, 487));
            for (const QImage& other : meters) {
                QVERIFY(meter != other);
            }
            meters << meter;
        }
        QCOMPARE(QImage(":/images/about.png").size(), QSize(365, 183));
    }
};

int main(int argc, char** argv) {
    app::RangeDeskApplication application(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_main_window.moc"
