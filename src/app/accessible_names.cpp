#include "accessible_names.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include "job_choice.h"
#include "main_form.h"
#include "record_navigator.h"
#include "status_bar.h"

namespace rangedesk::app {
namespace {

void Name(QWidget& widget, const QString& name, const QString& description = {}) {
    widget.setAccessibleName(name);
    widget.setAccessibleDescription(description);
}

} // namespace

void AccessibleNames::Apply(TMainForm& form) {
    form.setAccessibleName(QStringLiteral("RangeDesk"));

    // The command buttons: their names without the captions' padding, their shortcuts.
    struct Command {
        QAbstractButton& button;
        QString name;
        QString description;
        QKeySequence shortcut;
    };
    const Command commands[] = {
        {form.ReadKey(), tr("Read"), tr("Takes one reading from the meter"),
         QKeySequence(Qt::ALT | Qt::Key_R)},
        {form.ClearKey(), tr("Clear"), tr("Clears the reading on the meter"),
         QKeySequence(Qt::ALT | Qt::Key_C)},
        {form.ExportAllData(), tr("Export Records"),
         tr("Downloads the records stored in the meter into the grid"),
         QKeySequence(Qt::ALT | Qt::Key_D)},
        {form.ExpToExcel(), tr("Export to Excel"),
         tr("Saves the records of the grid as an XLS, XLSX or CSV file"),
         QKeySequence(Qt::ALT | Qt::Key_E)},
        {form.PrintBtn(), tr("Print"), tr("Prints the records of the grid"),
         QKeySequence(QKeySequence::Print)},
        {form.AboutBtn(), tr("About"), tr("The version and the meters RangeDesk knows"),
         QKeySequence(Qt::Key_F1)},
        {form.HistoryBtn(), tr("History"), tr("Every download kept, with the meter's own bytes"),
         QKeySequence(Qt::CTRL | Qt::Key_H)},
        {form.SettingsBtn(), tr("Settings"),
         tr("How readings are typed into other applications, and the language"),
         QKeySequence(Qt::CTRL | Qt::Key_Comma)},
        {form.TypingSwitch(), tr("Type readings into the focused application"),
         tr("While on, every reading is typed where the keyboard focus is"),
         QKeySequence(Qt::ALT | Qt::Key_T)},
    };
    for (const Command& command : commands) {
        Name(command.button, command.name, command.description);
        command.button.setShortcut(command.shortcut);
    }

    // The reading display: each line's name is its text, so a screen reader reads the reading.
    const QString lines[] = {tr("Reading display, first line"), tr("Reading display, second line"),
                             tr("Reading display, third line"), tr("Newest reading")};
    for (int line = 0; line < 4; ++line) {
        form.Label(line).setAccessibleDescription(lines[line]);
    }
    Name(form.ProductIcon(), tr("Meter"), tr("The picture of the meter plugged in"));
    Name(form.DBGrid1(), tr("Records"), tr("The records downloaded from the meter"));
    Name(form.DBNavigator1(), tr("Record navigator"));
    const QString moves[] = {tr("First record"), tr("Prior record"), tr("Next record"),
                             tr("Last record")};
    for (int b = RecordNavigator::First; b <= RecordNavigator::Last; ++b) {
        Name(*form.DBNavigator1().ButtonAt(static_cast<RecordNavigator::Button>(b)), moves[b]);
    }
    Name(form.StatusBar1(), tr("Status"));

    // Tab goes from the records to the commands, as the window reads, then to the job.
    QWidget* const order[] = {&form.DBGrid1(),
                              form.DBNavigator1().ButtonAt(RecordNavigator::First),
                              form.DBNavigator1().ButtonAt(RecordNavigator::Prior),
                              form.DBNavigator1().ButtonAt(RecordNavigator::Next),
                              form.DBNavigator1().ButtonAt(RecordNavigator::Last),
                              &form.ReadKey(),
                              &form.ClearKey(),
                              &form.ExportAllData(),
                              &form.ExpToExcel(),
                              &form.PrintBtn(),
                              &form.AboutBtn(),
                              &form.SettingsBtn(),
                              &form.TypingSwitch(),
                              &form.HistoryBtn(),
                              &form.Jobs(),
                              &form.StatusBar1().CancelButton()};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace rangedesk::app
