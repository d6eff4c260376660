#pragma once

#include "ui/desktop.h"

#include <QList>

class FakeDesktop final : public Desktop {
public:
    int beeps = 0;
    QList<QUrl> opened;
    bool openSucceeds = true;

    void beep() override { ++beeps; }
    bool openUrl(const QUrl& url) override {
        opened.append(url);
        return openSucceeds;
    }
};
