#pragma once

#include "tests/e2e/xdisplay.h"
#include "tests/e2e/xwindows.h"

#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The notification areas of today's desktops, put on a test's display from Debian's packages.

// A session bus of the display's own: a dbus-daemon that lets every connection in and starts no
// service on request, so that nothing on it outlives the test. Every program started on the
// display from then on uses it, the program under test included.
class SessionBus {
public:
    explicit SessionBus(XDisplay& display);
    ~SessionBus();
    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;

    // Empty when the bus is up; otherwise what went wrong.
    QString error() const { return m_error; }

    // Calls a method with dbus-send; out holds the reply as dbus-send prints it.
    XDisplay::Result call(const QString& service, const QString& path, const QString& method,
                          const QStringList& arguments = {}) const;
    // A property's value as dbus-send prints it; empty when there is no answer.
    QByteArray property(const QString& service, const QString& path, const QString& interface,
                        const QString& name) const;

private:
    const XDisplay& m_display;
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_error;
};

// A StatusNotifierItem desktop, as KDE Plasma, Ubuntu's GNOME and XFCE's plugin are: the
// watcher that items and hosts register with, and a host that draws a 30-pixel bar across the
// top of the screen with the items at its right end, and each item's menu on a right-click.
class StatusNotifierTray {
public:
    StatusNotifierTray(const XDisplay& display, const SessionBus& bus);
    ~StatusNotifierTray();
    StatusNotifierTray(const StatusNotifierTray&) = delete;
    StatusNotifierTray& operator=(const StatusNotifierTray&) = delete;

    // Empty when the host has registered and shows its bar; otherwise what went wrong.
    QString error() const { return m_error; }

    // The items registered with the watcher, as it names them.
    QStringList items() const;
    // Waits until exactly one item is registered. The host draws its icon a moment later.
    bool waitForItem() const;
    bool waitUntilNoItem() const;
    // The one item's tooltip, as dbus-send prints it.
    QByteArray toolTip() const;
    // The lines of the item's menu, as the host receives them, in order: the captions with
    // their access keys marked by '_', a separator as "-".
    QStringList menuLines() const;

    // The host's bar, and the point in it where the one item is drawn.
    XWindows::Id bar() const { return m_bar; }
    QPoint icon() const;
    // The host's popup menu while it shows, otherwise 0.
    XWindows::Id menu() const;

private:
    // The item's bus name and object path.
    bool item(QString* service, QString* path) const;

    const SessionBus& m_bus;
    XWindows m_windows;
    QProcess m_watcher;
    QProcess m_host;
    XWindows::Id m_bar = 0;
    QString m_error;
};

// An old-style (XEmbed) notification area: trayer docked at the top right of the screen, taking
// in each program's icon window.
class XEmbedTray {
public:
    explicit XEmbedTray(const XDisplay& display);
    ~XEmbedTray();
    XEmbedTray(const XEmbedTray&) = delete;
    XEmbedTray& operator=(const XEmbedTray&) = delete;

    // Empty when the tray is up; otherwise what went wrong.
    QString error() const { return m_error; }

    // The program's icon window in the tray, once it shows; 0 when the time runs out. The
    // program's own windows must be hidden then, since they share its window class.
    XWindows::Id waitForIcon(const QString& program) const;

private:
    XWindows m_windows;
    QProcess m_trayer;
    QString m_error;
};
