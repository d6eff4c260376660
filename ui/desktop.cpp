#include "ui/desktop.h"

#include <QApplication>
#include <QDesktopServices>

void SystemDesktop::beep() {
    QApplication::beep();
}

bool SystemDesktop::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
