#pragma once

#include "tray/trayicon.h"
#include "tray/windowplacement.h"

#include <QList>
#include <QWidget>

// A notification area that the test can click, or take away.
class FakeTray final : public TrayIcon {
public:
    bool available = true;
    bool shown = false;
    QString tip;
    int adds = 0;

    bool isAvailable() const override { return available; }
    bool isShown() const override { return shown; }
    void add(const QIcon&, const QString& newTip) override {
        shown = true;
        tip = newTip;
        ++adds;
    }
    void remove() override { shown = false; }

    void click(Event event) { emit mouseEvent(event); }
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
