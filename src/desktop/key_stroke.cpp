#include "key_stroke.h"

#include <QList>

namespace rangedesk::desktop {

namespace {

QString CharacterText(char32_t c) {
    return QString::fromUcs4(&c, 1);
}

} // namespace

QString StrokesText(const KeyStrokes& strokes) {
    QString text;
    for (const auto& s : strokes) {
        switch (s.kind) {
        case KeyStroke::Kind::Character:
            text += CharacterText(s.character);
            break;
        case KeyStroke::Kind::Tab:
            text += u'\t';
            break;
        case KeyStroke::Kind::Enter:
            text += u'\n';
            break;
        }
    }
    return text;
}

QString StrokesCharacters(const KeyStrokes& strokes) {
    QString text;
    for (const auto& s : strokes) {
        if (s.kind == KeyStroke::Kind::Character) {
            text += CharacterText(s.character);
        }
    }
    return text;
}

KeyStrokes StrokesOf(const QString& text) {
    KeyStrokes strokes;
    for (const char32_t c : text.toUcs4()) {
        strokes.push_back(c == U'\t'   ? KeyStroke::Tab()
                          : c == U'\n' ? KeyStroke::Enter()
                                       : KeyStroke::Char(c));
    }
    return strokes;
}

} // namespace rangedesk::desktop
