#pragma once

#include <QString>

#include <vector>

namespace rangedesk::desktop {

// One key a typer sends: a Unicode character, or one of the special keys.
struct KeyStroke {
    enum class Kind { Character, Tab, Enter };

    Kind kind = Kind::Character;
    char32_t character = 0; // for Kind::Character

    static KeyStroke Char(char32_t c) { return {Kind::Character, c}; }
    static KeyStroke Tab() { return {Kind::Tab, 0}; }
    static KeyStroke Enter() { return {Kind::Enter, 0}; }
    bool operator==(const KeyStroke&) const = default;
};

using KeyStrokes = std::vector<KeyStroke>;

// The strokes as text: the characters, Tab as "\t" and Enter as "\n".
QString StrokesText(const KeyStrokes& strokes);

// Only the characters: what a paste can carry, since it cannot press Tab or Enter.
QString StrokesCharacters(const KeyStrokes& strokes);

// The strokes of a text: "\t" is Tab, "\n" is Enter, anything else a character.
KeyStrokes StrokesOf(const QString& text);

} // namespace rangedesk::desktop
