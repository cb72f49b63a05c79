#pragma once

#include <QChar>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <variant>
#include <vector>

#include "key_stroke.h"

namespace rangedesk::desktop {

// A reading as it is typed: its value as an exact decimal text with "." (e.g. "1.234", in the
// unit chosen) and the unit's text (e.g. "m").
struct TypedReading {
    QString value;
    QString unit;
};

// What goes out of a reading, as the settings offer it.
enum class ValueField { Value, ValueAndUnit };
enum class EndKey { Tab, Enter, None };
enum class DecimalSeparator { Locale, Point };

// A template text that names no field it knows, or is malformed.
class TypingTemplateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How a reading is typed, from a template text parsed once:
//   {value}  the value, with the decimal separator chosen
//   {unit}   the unit's text
//   {tab}    the Tab key
//   {enter}  the Enter key
// Any other text is typed as it stands; "{{" and "}}" type a brace.
// Examples: "{value}{tab}" (the default), "{value} {unit}{enter}".
class TypingTemplate {
public:
    // The default: the value, then Tab.
    TypingTemplate();

    // Throws TypingTemplateError naming the position and, for an unknown field, the known ones.
    static TypingTemplate Parse(const QString& text);

    // The template text of a settings choice.
    static QString TextOf(ValueField value, EndKey end);

    static QStringList KnownFields();

    // The key strokes of a reading; every "." of the value becomes `decimalSeparator`.
    KeyStrokes Strokes(const TypedReading& reading, QChar decimalSeparator) const;

    const QString& Text() const { return text_; }

private:
    enum class Field { Value, Unit, Tab, Enter };
    using Part = std::variant<QString, Field>;

    TypingTemplate(QString text, std::vector<Part> parts)
        : text_(std::move(text)), parts_(std::move(parts)) {}

    QString text_;
    std::vector<Part> parts_;
};

// The character a decimal separator choice stands for in a locale.
QChar DecimalSeparatorChar(DecimalSeparator choice, const QLocale& locale);

} // namespace rangedesk::desktop
