// Every visible text of each window under a language: built once with no translation and once
// with the language's, a text that came out the same is one that stayed English. The C locale
// must give today's texts, byte for byte.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include <functional>
#include <memory>

#include "about_form.h"
#include "grid_to_excel.h"
#include "history_form.h"
#include "load_data_columns.h"
#include "main_form.h"
#include "platform/sim/sim_hid_bus.h"
#include "program_folder.h"
#include "rangedesk_application.h"
#include "recording_prompts.h"
#include "settings_form.h"
#include "translation_loader.h"
#include "ui_language.h"

using namespace rangedesk;

namespace {

// A widget's place in its window, the same however often the window is built.
QString PathOf(const QWidget& widget, const QWidget& window) {
    QStringList parts;
    for (const QObject* o = &widget; o && o != &window; o = o->parent()) {
        const QObject* parent = o->parent();
        const int index = parent ? int(parent->children().indexOf(const_cast<QObject*>(o))) : 0;
        parts.prepend(
            QString("%1:%2#%3").arg(o->metaObject()->className(), o->objectName()).arg(index));
    }
    return parts.join('/');
}

void Add(QMap<QString, QString>& texts, const QString& key, const QString& text) {
    if (!text.trimmed().isEmpty()) {
        texts.insert(key, text);
    }
}

// What a user sees or hears of a window: titles, captions, labels, choices, tips, headers
// and accessible names, by place.
QMap<QString, QString> VisibleTexts(QWidget& window) {
    QMap<QString, QString> texts;
    Add(texts, "title", window.windowTitle());
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* w : widgets) {
        if (w != &window && !w->isVisibleTo(&window)) {
            continue;
        }
        const QString at = PathOf(*w, window);
        Add(texts, at + " tip", w->toolTip());
        Add(texts, at + " name", w->accessibleName());
        Add(texts, at + " description", w->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            Add(texts, at, label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            Add(texts, at, button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            Add(texts, at, group->title());
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            Add(texts, at + " placeholder", edit->placeholderText());
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i) {
                Add(texts, at + QString(" item %1").arg(i), combo->itemText(i));
            }
        } else if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model()) {
            for (int i = 0; i < header->count(); ++i) {
                Add(texts, at + QString(" header %1").arg(i),
                    header->model()->headerData(i, header->orientation()).toString());
            }
        }
    }
    return texts;
}

// LoadData's column names: data, the same in the grid, the files and every language.
QStringList LoadDataColumnNames() {
    QStringList names;
    for (int c = 0; c < records::kLoadDataColumnCount; ++c) {
        names << records::ColumnName(c);
    }
    return names;
}

// Texts that are the same in every language: names, paths, numbers with units, LoadData's
// column names (data); and words a language writes as English does.
bool StaysAsItIs(const QString& text, const QString& language) {
    static const QStringList kNames =
        QStringList{"RangeDesk", "English", "Deutsch", QString::fromUtf8("中文(简体)"), "XTest"} +
        LoadDataColumnNames();
    static const QMap<QString, QStringList> kSameWords = {{"de", {"OK", "Name", "Status", "Team"}}};
    static const QRegularExpression kNoWords("^[^\\p{L}]*$");
    static const QRegularExpression kQuantity("^[\\d.,\\s]+(m|ft|in|m2|m3|%)?$");
    const QString bare = text.trimmed();
    return kNames.contains(bare) || bare.startsWith('/') || kNoWords.match(bare).hasMatch() ||
           kQuantity.match(bare).hasMatch() || kSameWords.value(language).contains(bare);
}

enum class Window { Main, History, Settings, ExportDialog, About };

// Builds one window afresh, with a main window of its own on the program folder, and returns
// its visible texts.
QMap<QString, QString> TextsOf(Window which, app::UserPrompts& prompts, const QString& folder) {
    hid::sim::SimHidBus bus;
    app::TMainForm main(bus, prompts, folder);
    switch (which) {
    case Window::Main:
        return VisibleTexts(main);
    case Window::History: {
        app::THistoryForm history(main, main.Store(), main.Operations(), prompts);
        return VisibleTexts(history);
    }
    case Window::Settings: {
        app::TSettingsForm settings(&main, [] { return QStringLiteral("XTest"); });
        return VisibleTexts(settings);
    }
    case Window::ExportDialog: {
        // As the export asks for its file: Qt's own dialog with the program's formats.
        QFileDialog dialog(&main);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(app::ExportFilters());
        return VisibleTexts(dialog);
    }
    case Window::About: {
        app::TForm1 about(main);
        return VisibleTexts(about);
    }
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Window)

class TestUntranslatedTexts : public QObject {
    Q_OBJECT

    RecordingPrompts prompts;

    void RemoveTranslations() { qDeleteAll(qApp->findChildren<QTranslator*>()); }

    void addWindows(const QString& language) {
        const std::pair<const char*, Window> windows[] = {{"main", Window::Main},
                                                          {"History", Window::History},
                                                          {"Settings", Window::Settings},
                                                          {"export dialog", Window::ExportDialog},
                                                          {"About", Window::About}};
        for (const auto& [name, window] : windows) {
            QTest::newRow(qPrintable(language + " " + name)) << language << window;
        }
    }

private slots:
    void initTestCase() { static_cast<app::RangeDeskApplication*>(qApp)->SetPrompts(&prompts); }
    void cleanup() { RemoveTranslations(); }

    void everyTextTranslated_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<Window>("window");
        for (const QString& language : desktop::TranslatedLanguages()) {
            addWindows(language);
        }
    }
    void everyTextTranslated() {
        QFETCH(QString, language);
        QFETCH(Window, window);
        const ProgramFolder folder;
        const QMap<QString, QString> english = TextsOf(window, prompts, folder.Path());
        QVERIFY(!english.isEmpty());
        const QStringList loaded =
            desktop::InstallTranslations(*qApp, language, {RANGEDESK_QM_DIR});
        QVERIFY2(loaded.size() == 2, qPrintable(loaded.join(", ")));
        const QMap<QString, QString> translated = TextsOf(window, prompts, folder.Path());
        QStringList stayed;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            if (translated.value(it.key()) == it.value() && !StaysAsItIs(it.value(), language)) {
                stayed << "\"" + it.value() + "\"";
            }
        }
        stayed.removeDuplicates();
#ifndef RANGEDESK_TRANSLATIONS_COMPLETE
        // Listed anyway: an expected failure hides its message.
        if (!stayed.isEmpty()) {
            qInfo("stayed English: %s", qPrintable(stayed.join(", ")));
        }
        QEXPECT_FAIL("", "the texts are translated in a later pass", Continue);
#endif
        QVERIFY2(
            stayed.isEmpty(),
            qPrintable(
                QString("%1 texts stayed English: %2").arg(stayed.size()).arg(stayed.join(", "))));
    }

    // Under the C locale the loader installs nothing, whatever LANGUAGE says, and every window
    // shows exactly the texts it has without translations.
    void cLocaleKeepsTodaysTexts_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<Window>("window");
        addWindows("C");
    }
    void cLocaleKeepsTodaysTexts() {
        QFETCH(Window, window);
        const ProgramFolder folder;
        const QMap<QString, QString> today = TextsOf(window, prompts, folder.Path());
        qputenv("LC_ALL", "C.UTF-8");
        qputenv("LANGUAGE", "de:zh_CN");
        QCOMPARE(desktop::ChooseUiLanguage("system", desktop::LanguageEnvironment::FromProcess()),
                 QString());
        QVERIFY(desktop::InstallTranslations(*qApp, {}, {RANGEDESK_QM_DIR}).isEmpty());
        QCOMPARE(TextsOf(window, prompts, folder.Path()), today);
        qunsetenv("LANGUAGE");
    }
};

int main(int argc, char** argv) {
    app::RangeDeskApplication application(argc, argv);
    TestUntranslatedTexts test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_untranslated_texts.moc"
