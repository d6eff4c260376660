#include "app/programend.h"

#include "app/form1.h"
#include "app/shutdownsignals.h"

#include <QGuiApplication>
#include <QSessionManager>

void connectProgramEnd(QGuiApplication& app, Form1& form, ShutdownSignals& shutdownSignals) {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&shutdownSignals, &ShutdownSignals::requested, &form, &Form1::requestShutdown);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.requestShutdown(); });
    QObject::connect(&form, &Form1::unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
}
