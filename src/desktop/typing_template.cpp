#include "typing_template.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <utility>

namespace rangedesk::desktop {

namespace {

// The fields a template may name, in the order an error lists them, with their Field value.
constexpr std::array<std::pair<const char*, int>, 4> kFields{{
    {"value", 0},
    {"unit", 1},
    {"tab", 2},
    {"enter", 3},
}};

QString KnownFieldsText() {
    return TypingTemplate::KnownFields().join(QStringLiteral(", "));
}

} // namespace

TypingTemplate::TypingTemplate()
    : TypingTemplate(QStringLiteral("{value}{tab}"), {Field::Value, Field::Tab}) {}

QStringList TypingTemplate::KnownFields() {
    QStringList names;
    for (const auto& [name, field] : kFields) {
        names << QLatin1Char('{') + QLatin1String(name) + QLatin1Char('}');
    }
    return names;
}

TypingTemplate TypingTemplate::Parse(const QString& text) {
    TypingTemplate result(text, {});
    QString literal;
    const auto flushLiteral = [&] {
        if (!literal.isEmpty()) {
            result.parts_.emplace_back(std::exchange(literal, {}));
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A doubled brace is a literal brace.
        if ((c == u'{' || c == u'}') && i + 1 < text.size() && text[i + 1] == c) {
            literal += c;
            ++i;
            continue;
        }
        if (c == u'}') {
            throw TypingTemplateError(
                QCoreApplication::translate(
                    "TypingTemplate",
                    "Typing template \"%1\": a \"}\" at position %2 closes no field "
                    "(write \"}}\" for a brace)")
                    .arg(text)
                    .arg(i + 1)
                    .toStdString());
        }
        if (c != u'{') {
            literal += c;
            continue;
        }
        const qsizetype close = text.indexOf(u'}', i + 1);
        if (close < 0) {
            throw TypingTemplateError(
                QCoreApplication::translate(
                    "TypingTemplate",
                    "Typing template \"%1\": the \"{\" at position %2 is not closed; "
                    "the fields are %3")
                    .arg(text)
                    .arg(i + 1)
                    .arg(KnownFieldsText())
                    .toStdString());
        }
        const QString name = text.mid(i + 1, close - i - 1);
        const auto known = std::find_if(kFields.begin(), kFields.end(), [&](const auto& f) {
            return name == QLatin1String(f.first);
        });
        if (known == kFields.end()) {
            throw TypingTemplateError(
                QCoreApplication::translate(
                    "TypingTemplate",
                    "Typing template \"%1\": unknown field {%2}; the fields are %3")
                    .arg(text, name, KnownFieldsText())
                    .toStdString());
        }
        flushLiteral();
        result.parts_.emplace_back(static_cast<Field>(known->second));
        i = close;
    }
    flushLiteral();
    return result;
}

QString TypingTemplate::TextOf(ValueField value, EndKey end) {
    QString text =
        value == ValueField::Value ? QStringLiteral("{value}") : QStringLiteral("{value} {unit}");
    switch (end) {
    case EndKey::Tab:
        text += QStringLiteral("{tab}");
        break;
    case EndKey::Enter:
        text += QStringLiteral("{enter}");
        break;
    case EndKey::None:
        break;
    }
    return text;
}

KeyStrokes TypingTemplate::Strokes(const TypedReading& reading, QChar decimalSeparator) const {
    KeyStrokes strokes;
    const auto typeText = [&](const QString& text) {
        for (const char32_t c : text.toUcs4()) {
            strokes.push_back(KeyStroke::Char(c));
        }
    };
    for (const auto& part : parts_) {
        if (const auto* literal = std::get_if<QString>(&part)) {
            typeText(*literal);
            continue;
        }
        switch (std::get<Field>(part)) {
        case Field::Value: {
            QString value = reading.value;
            typeText(value.replace(u'.', decimalSeparator));
            break;
        }
        case Field::Unit:
            typeText(reading.unit);
            break;
        case Field::Tab:
            strokes.push_back(KeyStroke::Tab());
            break;
        case Field::Enter:
            strokes.push_back(KeyStroke::Enter());
            break;
        }
    }
    return strokes;
}

QChar DecimalSeparatorChar(DecimalSeparator choice, const QLocale& locale) {
    if (choice == DecimalSeparator::Point) {
        return u'.';
    }
    const QString point = locale.decimalPoint();
    return point.size() == 1 ? point[0] : QChar(u'.');
}

} // namespace rangedesk::desktop
