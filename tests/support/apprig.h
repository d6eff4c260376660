#pragma once

#include "app/mainwindow.h"
#include "session/sessionmodel.h"
#include "tests/support/fakeaway.h"
#include "tests/support/fakeclock.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/fakedialogs.h"
#include "tests/support/fakeprinter.h"
#include "tests/support/faketray.h"
#include "tests/support/files.h"
#include "tests/support/manualtimer.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

// A main window on fake time in a temporary data folder, with a temporary folder for
// the user's own data, and every dialog answered by the test.
class AppRig {
public:
    explicit AppRig(const QString& locale = QStringLiteral("en_US"))
        : m_locale(locale) {}

    QTemporaryDir dir;
    QTemporaryDir dataDir;
    FakeClock clock;
    FakeDialogs dialogs;
    FakeDesktop desktop;
    FakePrinter printer;
    FakeTray tray;
    FakePlacement placement;
    FakeIdle idle{clock};
    FakeSleepWatch sleepWatch;
    ManualTimer* timer = nullptr;
    std::unique_ptr<MainWindow> window;

    // Creates the window and runs its start-up, as the program does. Called again, it is the
    // next start of the program on the same folders.
    MainWindow& load() {
        auto manualTimer = std::make_unique<ManualTimer>();
        timer = manualTimer.get();
        window.reset();
        window = std::make_unique<MainWindow>(Services{dir.path(), dataDir.path(),
                                                       QLocale(m_locale), clock, dialogs, desktop,
                                                       printer, tray, placement, idle, sleepWatch},
                                              std::move(manualTimer));
        window->startUp();
        return *window;
    }

    SessionModel& session() const { return window->session(); }

    // Lets the given number of seconds pass, with one timer event in each.
    void runSeconds(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock.advanceSecs(1);
            timer->fire();
        }
    }

    void runMinutes(int minutes) { runSeconds(60 * minutes); }

    QString path(const QString& name) const { return dir.filePath(name); }

    QByteArray file(const QString& name) const { return readBytes(path(name)); }

    void writeFile(const QString& name, const QByteArray& bytes) const {
        QVERIFY(writeBytes(path(name), bytes));
    }

    QByteArray log() const { return file(QStringLiteral("Tasks.txt")); }

    // The files in the user's data folder, where unwritten log lines are kept.
    QStringList dataFiles() const {
        return QDir(dataDir.path()).entryList(QDir::Files | QDir::Hidden);
    }

    // A control of the main window or of one of its windows, by its design name.
    template <typename T = QWidget> T* find(const QString& name) const {
        T* control = window->findChild<T*>(name);
        if (!control)
            qWarning("No control named %s", qPrintable(name));
        return control;
    }

    // Puts the name into the project box, as typing it there does.
    void typeProject(const QString& name) const {
        find<QComboBox>(QStringLiteral("CboProject"))->setEditText(name);
    }

    // Presses a button or checks a box of the main window, as a click on it does.
    void click(const QString& name) const { find<QAbstractButton>(name)->click(); }

private:
    QString m_locale;
};
