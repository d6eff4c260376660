#pragma once

#include "ui/schemes.h"

#include <QObject>
#include <QPixmap>

#include <optional>

class AppSettings;
class Dialogs;
class FileResult;
class QWidget;

// The chosen colour scheme and the option to minimise when a session starts, as the Settings
// window changes them and start-up restores them. Every choice is written to the settings file
// at once; a file that cannot be written is reported once, until a write succeeds again.
class SchemeChoice final : public QObject {
    Q_OBJECT
public:
    // Boxes go over `owner` unless a visible window is named for them.
    SchemeChoice(const AppSettings& settings, Dialogs& dialogs, QWidget* owner);

    // Start-up, with the settings loaded: the first scheme whose flag reads "True" is chosen,
    // which shows it and writes the four flags again, and a minimise option that reads as 1 is
    // written back as "1". No window is needed for it.
    void restore();

    // A scheme chosen in the Settings window `over`.
    void choose(schemes::Scheme scheme, QWidget* over);
    void setMinimize(bool on, QWidget* over);

    // What the first Settings window shows: the choices that start-up restored. A window
    // opened after it was closed starts with nothing chosen.
    struct Restored {
        std::optional<schemes::Scheme> scheme;
        bool minimize = false;
    };
    Restored takeRestored();

signals:
    // The main window shows these two pictures from now on.
    void schemeApplied(const QPixmap& top, const QPixmap& bottom);

private:
    void report(const FileResult& result, const QString& what, QWidget* over);

    const AppSettings& m_settings;
    Dialogs& m_dialogs;
    QWidget* m_owner;
    Restored m_restored;
    bool m_writeFailing = false;
};
