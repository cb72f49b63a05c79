// The typing template: a template text and a reading to the key strokes that go out.
#include <QTest>

#include "typing_template.h"

using namespace rangedesk::desktop;

class TestTypingTemplate : public QObject {
    Q_OBJECT

private slots:
    void strokes_data() {
        QTest::addColumn<QString>("templateText");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("typed"); // "\t" is Tab, "\n" Enter
        QTest::newRow("default") << QString() << "1.234"
                                 << "m" << QChar('.') << "1.234\t";
        QTest::newRow("value tab") << "{value}{tab}"
                                   << "1.234"
                                   << "m" << QChar('.') << "1.234\t";
        QTest::newRow("comma") << "{value}{tab}"
                               << "1.234"
                               << "m" << QChar(',') << "1,234\t";
        QTest::newRow("unit enter") << "{value} {unit}{enter}"
                                    << "41.81"
                                    << "m²" << QChar(',') << "41,81 m²\n";
        QTest::newRow("nothing after") << "{value}"
                                       << "-1.6"
                                       << "°" << QChar('.') << "-1.6";
        QTest::newRow("integer") << "{value}{enter}"
                                 << "12"
                                 << "ft" << QChar(',') << "12\n";
        QTest::newRow("literal text") << "d={value}mm;"
                                      << "0.5"
                                      << "m" << QChar('.') << "d=0.5mm;";
        QTest::newRow("braces") << "{{{value}}}"
                                << "3.5"
                                << "m" << QChar('.') << "{3.5}";
        QTest::newRow("unit only dots stay") << "{unit}"
                                             << "1.2"
                                             << "ft.in" << QChar(',') << "ft.in";
        QTest::newRow("two keys") << "{value}{tab}{tab}"
                                  << "7"
                                  << "m" << QChar('.') << "7\t\t";
        QTest::newRow("empty template") << ""
                                        << "1.234"
                                        << "m" << QChar('.') << "";
    }
    void strokes() {
        QFETCH(QString, templateText);
        QFETCH(QString, value);
        QFETCH(QString, unit);
        QFETCH(QChar, separator);
        QFETCH(QString, typed);
        const TypingTemplate t =
            templateText.isNull() ? TypingTemplate() : TypingTemplate::Parse(templateText);
        const KeyStrokes strokes = t.Strokes({value, unit}, separator);
        QCOMPARE(StrokesText(strokes), typed);
        // Tab and Enter are keys of their own, never characters.
        for (const auto& s : strokes) {
            QVERIFY(s.kind != KeyStroke::Kind::Character ||
                    (s.character != U'\t' && s.character != U'\n'));
        }
    }

    void refused_data() {
        QTest::addColumn<QString>("templateText");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("unknown field") << "{value}{tabb}"
                                       << "unknown field {tabb}";
        QTest::newRow("case matters") << "{Value}"
                                      << "unknown field {Value}";
        QTest::newRow("empty field") << "{}"
                                     << "unknown field {}";
        QTest::newRow("not closed") << "{value"
                                    << "is not closed";
        QTest::newRow("stray close") << "{value}}x"
                                     << "closes no field";
    }
    void refused() {
        QFETCH(QString, templateText);
        QFETCH(QString, mentions);
        try {
            TypingTemplate::Parse(templateText);
            QFAIL("accepted");
        } catch (const TypingTemplateError& e) {
            const QString message = QString::fromStdString(e.what());
            QVERIFY2(message.contains(mentions), qPrintable(message));
            QVERIFY2(message.contains(templateText), qPrintable(message));
            if (mentions.startsWith("unknown")) {
                QVERIFY2(message.contains("{value}, {unit}, {tab}, {enter}"), qPrintable(message));
            }
        }
    }

    void choices_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::newRow("value tab") << int(ValueField::Value) << int(EndKey::Tab) << "{value}{tab}"
                                   << "2.5\t";
        QTest::newRow("value enter")
            << int(ValueField::Value) << int(EndKey::Enter) << "{value}{enter}"
            << "2.5\n";
        QTest::newRow("value") << int(ValueField::Value) << int(EndKey::None) << "{value}"
                               << "2.5";
        QTest::newRow("unit tab") << int(ValueField::ValueAndUnit) << int(EndKey::Tab)
                                  << "{value} {unit}{tab}"
                                  << "2.5 m\t";
        QTest::newRow("unit") << int(ValueField::ValueAndUnit) << int(EndKey::None)
                              << "{value} {unit}"
                              << "2.5 m";
    }
    void choices() {
        QFETCH(int, field);
        QFETCH(int, end);
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QCOMPARE(TypingTemplate::TextOf(ValueField(field), EndKey(end)), text);
        QCOMPARE(StrokesText(TypingTemplate::Parse(text).Strokes({"2.5", "m"}, '.')), typed);
    }

    void separator_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QChar>("separator");
        QTest::newRow("locale de") << int(DecimalSeparator::Locale) << "de_DE" << QChar(',');
        QTest::newRow("locale fr") << int(DecimalSeparator::Locale) << "fr_FR" << QChar(',');
        QTest::newRow("locale en") << int(DecimalSeparator::Locale) << "en_US" << QChar('.');
        QTest::newRow("locale zh") << int(DecimalSeparator::Locale) << "zh_CN" << QChar('.');
        QTest::newRow("point de") << int(DecimalSeparator::Point) << "de_DE" << QChar('.');
    }
    void separator() {
        QFETCH(int, choice);
        QFETCH(QString, locale);
        QFETCH(QChar, separator);
        QCOMPARE(DecimalSeparatorChar(DecimalSeparator(choice), QLocale(locale)), separator);
    }
};

QTEST_GUILESS_MAIN(TestTypingTemplate)
#include "test_typing_template.moc"
