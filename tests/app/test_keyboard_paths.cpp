// What a keyboard and a screen reader user meet: Tab walks the main and History windows in the
// order they read, and every control of the History and Settings windows that takes input has
// an accessible name.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "fresh_settings.h"
#include "history_form.h"
#include "job_choice.h"
#include "main_form.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "record_navigator.h"
#include "recording_prompts.h"
#include "settings_form.h"
#include "status_bar.h"

using namespace rangedesk;

namespace {

// The widgets of `wanted` in the order Tab reaches them, from the first of them on.
QList<QWidget*> TabOrderOf(const QList<QWidget*>& wanted) {
    QList<QWidget*> reached;
    QWidget* w = wanted.first();
    for (int steps = 0; steps < 1000 && reached.size() < wanted.size(); ++steps) {
        if (wanted.contains(w) && !reached.contains(w)) {
            reached << w;
        }
        w = w->nextInFocusChain();
    }
    return reached;
}

// The controls of a window a user types into or chooses in, that a screen reader cannot name.
QStringList Unnamed(const QWidget& window) {
    QStringList unnamed;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const bool input = qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w) ||
                           qobject_cast<const QTableView*>(w);
        if (input && !qobject_cast<const QComboBox*>(w->parentWidget()) &&
            w->accessibleName().isEmpty()) {
            unnamed << QString("%1 %2").arg(w->metaObject()->className(), w->objectName());
        }
    }
    return unnamed;
}

} // namespace

class TestKeyboardPaths : public QObject {
    Q_OBJECT

    RecordingPrompts prompts;
    ProgramFolder folder;
    hid::sim::SimHidBus bus;
    std::unique_ptr<app::TMainForm> main;

private slots:
    void initTestCase() {
        UseFreshSettings();
        main = std::make_unique<app::TMainForm>(bus, prompts, folder.Path());
    }
    void cleanupTestCase() { main.reset(); }

    void mainWindowTabOrder() {
        app::TMainForm& w = *main;
        const QList<QWidget*> order = {&w.DBGrid1(),
                                       w.DBNavigator1().ButtonAt(app::RecordNavigator::First),
                                       w.DBNavigator1().ButtonAt(app::RecordNavigator::Last),
                                       &w.ReadKey(),
                                       &w.ClearKey(),
                                       &w.ExportAllData(),
                                       &w.ExpToExcel(),
                                       &w.PrintBtn(),
                                       &w.AboutBtn(),
                                       &w.SettingsBtn(),
                                       &w.TypingSwitch(),
                                       &w.HistoryBtn(),
                                       &w.Jobs()};
        QCOMPARE(TabOrderOf(order), order);
    }

    void historyTabOrder() {
        app::THistoryForm history(*main, main->Store(), main->Operations(), prompts);
        const QList<QWidget*> order = {
            &history.JobFilter(),      &history.SearchBox(), &history.Downloads(),
            &history.Views(),          &history.OnlyNew(),   &history.Records(),
            &history.ShowInMainGrid(), &history.Export(),    &history.Delete(),
            &history.Assign(),         &history.NewJob(),    &history.EditJob()};
        QCOMPARE(TabOrderOf(order), order);
    }

    void historyControlsNamed() {
        app::THistoryForm history(*main, main->Store(), main->Operations(), prompts);
        QCOMPARE(Unnamed(history), QStringList());
    }

    void settingsControlsNamed() {
        app::TSettingsForm settings(main.get(), [] { return QStringLiteral("XTest"); });
        QCOMPARE(Unnamed(settings), QStringList());
    }
};

int main(int argc, char** argv) {
    app::RangeDeskApplication application(argc, argv);
    TestKeyboardPaths test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_keyboard_paths.moc"
