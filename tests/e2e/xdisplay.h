#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>

// How long a helper program (a server, a tray, a bus) may take to start.
constexpr int StartTimeoutMs = 10000;
// Ends a helper program: politely first, then not.
void stopProcess(QProcess& process);

// A private X display: an Xvfb server with openbox on it, for one test. The server picks a free
// display number itself and reports it, so that test programs running side by side never meet.
class XDisplay {
public:
    explicit XDisplay(QSize screen = {1280, 1024});
    ~XDisplay();
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    // Empty when the display is up; otherwise what went wrong.
    QString error() const { return m_error; }
    // ":N"
    QString name() const { return m_name; }
    // The environment for a program that is to run on this display.
    QProcessEnvironment environment() const;
    // Adds a variable to that environment, for every program started on the display from now
    // on, as a desktop session hands its own settings to the programs it starts.
    void setVariable(const QString& name, const QString& value);

    struct Result {
        bool ok = false;
        QByteArray out;
        QByteArray err;
    };
    // Runs an X tool (xdotool, xprop, wmctrl...) on this display and waits for it.
    Result run(const QString& program, const QStringList& arguments,
               const QByteArray& input = {}) const;

private:
    bool startServer(QSize screen);
    bool startWindowManager();
    // Asks openbox to show the desktop, or to stop, and tells whether it now says so.
    bool askShowingDesktop(bool showing) const;

    QProcess m_server;
    QProcess m_windowManager;
    QString m_name;
    QString m_error;
    QProcessEnvironment m_variables;
};
