#pragma once

#include "tray/trayicon.h"

#include <QPointer>

#include <functional>
#include <optional>

class QSystemTrayIcon;

class SystemTrayIcon final : public TrayIcon {
    Q_OBJECT
public:
    // Answers whether the desktop's tray is a StatusNotifierItem host rather than XEmbed.
    using HostCheck = std::function<bool()>;

    // Asks the session bus.
    explicit SystemTrayIcon(QObject* parent = nullptr);
    explicit SystemTrayIcon(HostCheck isStatusNotifierHost, QObject* parent = nullptr);

    bool isAvailable() const override;
    bool isShown() const override;
    void add(const QIcon& icon, const QString& tip) override;
    void remove() override;
    void setMenu(QMenu* menu) override;

private:
    bool onStatusNotifierHost() const;

    HostCheck m_hostCheck;
    // Asked once, when Qt asks too, since Qt keeps its first answer for the whole run.
    mutable std::optional<bool> m_statusNotifierHost;
    QSystemTrayIcon* m_icon = nullptr;
    QPointer<QMenu> m_menu;
};
