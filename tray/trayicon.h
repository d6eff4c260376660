#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

class QMenu;

// The program's one icon in the notification area. Behind an interface so that tests can click
// it and see whether it is there.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    // What the user did to the icon. An XEmbed tray passes the mouse on as it is; a
    // StatusNotifierItem desktop knows no double-click and reports its own click on the icon
    // as Activate.
    enum class Event { LeftButtonDown, LeftDoubleClick, RightButtonDown, Activate, Other };
    Q_ENUM(Event)

    using QObject::QObject;

    // False where the desktop has no notification area.
    virtual bool isAvailable() const = 0;
    virtual bool isShown() const = 0;
    // Shows the icon with the tip as given; AddToTray cuts the tip to length first.
    virtual void add(const QIcon& icon, const QString& tip) = 0;
    // Harmless when no icon is shown.
    virtual void remove() = 0;
    // The menu that the desktop shows when the icon is right-clicked: it must be handed over
    // rather than popped up by the program, since a StatusNotifierItem desktop draws the menu
    // itself. The caller keeps it; it emits aboutToShow just before it is shown.
    virtual void setMenu(QMenu* menu) = 0;

signals:
    void mouseEvent(TrayIcon::Event event);
};
