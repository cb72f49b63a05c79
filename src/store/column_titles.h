#pragma once

#include <QCoreApplication>
#include <QVariant>

namespace rangedesk::store {

// The role under which a view's column gives its title as the sources write it: exports write
// that, so a file has the same headings whatever language the window shows.
inline constexpr int kSourceTitleRole = Qt::UserRole + 50;

// A column title marked with QT_TRANSLATE_NOOP("ColumnTitles", ...): in the language shown for
// the display, as written for kSourceTitleRole, nothing for other roles.
inline QVariant ColumnTitle(const char* title, int role) {
    if (role == Qt::DisplayRole) {
        return QCoreApplication::translate("ColumnTitles", title);
    }
    if (role == kSourceTitleRole) {
        return QString::fromUtf8(title);
    }
    return {};
}

} // namespace rangedesk::store
