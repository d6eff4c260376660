#pragma once

#include "tray/trayicon.h"
#include "ui/windowplacement.h"

#include <QList>
#include <QMenu>
#include <QWidget>

// A notification area that the test can click, or take away.
class FakeTray final : public TrayIcon {
public:
    bool available = true;
    bool shown = false;
    QString tip;
    int adds = 0;
    QMenu* menu = nullptr;

    bool isAvailable() const override { return available; }
    bool isShown() const override { return shown; }
    void add(const QIcon&, const QString& newTip) override {
        shown = true;
        tip = newTip;
        ++adds;
    }
    void remove() override { shown = false; }
    void setMenu(QMenu* newMenu) override { menu = newMenu; }

    void click(Event event) { emit mouseEvent(event); }
    // The desktop shows the menu it was handed, as on a right-click.
    void showMenu() { emit menu->aboutToShow(); }
};

class FakePlacement final : public WindowPlacement {
public:
    QList<QWidget*> topMost;

    void SetTopMost(QWidget* window, bool onTop) override {
        topMost.removeAll(window);
        if (onTop)
            topMost.append(window);
        window->show();
    }
};
