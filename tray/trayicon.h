#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

// The program's one icon in the notification area. Behind an interface so that tests can click
// it and see whether it is there.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    enum class Event { LeftButtonDown, LeftDoubleClick, RightButtonDown, Other };
    Q_ENUM(Event)

    using QObject::QObject;

    // False where the desktop has no notification area.
    virtual bool isAvailable() const = 0;
    virtual bool isShown() const = 0;
    // Shows the icon with the tip as given; AddToTray cuts the tip to length first.
    virtual void add(const QIcon& icon, const QString& tip) = 0;
    // Harmless when no icon is shown.
    virtual void remove() = 0;

signals:
    void mouseEvent(TrayIcon::Event event);
};
