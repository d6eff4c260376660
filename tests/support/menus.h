#pragma once

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QWidget>

// A window's context menus and boxes, used as the user uses them.

// The visible top-level widget of the type; null when none is open.
template <typename T> T* openWindowOf() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<T*>(w); found && found->isVisible())
            return found;
    }
    return nullptr;
}

// The items of the widget's context menu, opened as a right-click at the point opens it.
inline QList<QAction*> contextMenuItems(QWidget* widget, QPoint at) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QCoreApplication::sendEvent(widget, &event);
    QMenu* menu = openWindowOf<QMenu>();
    return menu ? menu->actions() : QList<QAction*>();
}

// Opens the menu and chooses the item, as a click on it does; false when there is no such
// enabled item.
inline bool chooseFromContextMenu(QWidget* widget, const QString& item, QPoint at) {
    const QList<QAction*> items = contextMenuItems(widget, at);
    QMenu* menu = openWindowOf<QMenu>();
    for (QAction* action : items) {
        if (action->text() == item && action->isEnabled()) {
            menu->close();
            action->trigger();
            return true;
        }
    }
    if (menu)
        menu->close();
    return false;
}
