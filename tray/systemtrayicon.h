#pragma once

#include "tray/trayicon.h"

class QSystemTrayIcon;

class SystemTrayIcon final : public TrayIcon {
    Q_OBJECT
public:
    explicit SystemTrayIcon(QObject* parent = nullptr);

    bool isAvailable() const override;
    bool isShown() const override;
    void add(const QIcon& icon, const QString& tip) override;
    void remove() override;

private:
    QSystemTrayIcon* m_icon = nullptr;
};
