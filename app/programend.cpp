#include "app/programend.h"

#include "app/mainwindow.h"
#include "app/shutdownsignals.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace app {

void connectProgramEnd(QGuiApplication& application, MainWindow& window,
                       ShutdownSignals& shutdownSignals) {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&shutdownSignals, &ShutdownSignals::requested, &window,
                     &MainWindow::requestShutdown);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.requestShutdown(); });
    QObject::connect(&window, &MainWindow::unloaded, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
}

} // namespace app
