#pragma once

#include <QAction>
#include <QMenu>
#include <QStyleOptionMenuItem>

// An item as its menu draws it: the text, and after a tab the key Qt shows
// for it.
inline QString ShownText(QMenu* menu, QAction* action) {
    struct Look : QMenu {
        using QMenu::initStyleOption;
    };
    void (QMenu::*look)(QStyleOptionMenuItem*, const QAction*) const = &Look::initStyleOption;
    QStyleOptionMenuItem option;
    (menu->*look)(&option, action);
    return option.text;
}

// Every item of a menu as drawn; "-" for a separator.
inline QStringList ShownTexts(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) {
        out.append(a->isSeparator() ? QStringLiteral("-") : ShownText(menu, a));
    }
    return out;
}
