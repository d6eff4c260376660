#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class XDisplay;

// A copy of the real program in a folder of its own, with its data files beside it, run on a
// test display.
class AppUnderTest {
public:
    static inline const QString Tasks = QStringLiteral("Tasks.txt");
    static inline const QString Projects = QStringLiteral("Projects.txt");
    static inline const QString Settings = QStringLiteral("Settings.ini");

    explicit AppUnderTest(const XDisplay& display);
    ~AppUnderTest();
    AppUnderTest(const AppUnderTest&) = delete;
    AppUnderTest& operator=(const AppUnderTest&) = delete;

    // Empty when the folder and the copy are ready; otherwise what went wrong.
    QString error() const { return m_error; }

    // Puts a data file beside the program before it starts.
    bool seed(const QString& name, const QByteArray& bytes) const;
    bool start();
    // The copy of the program, for a second start on the same folder.
    QString program() const { return m_program; }
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    // Sends SIGTERM, as a logout or `kill` does.
    void terminate();
    bool waitForExit(int timeoutMs);
    int exitCode() const { return m_process.exitCode(); }

    // The file's bytes; empty when it does not exist.
    QByteArray file(const QString& name) const;
    bool fileExists(const QString& name) const;
    // Waits until the file holds exactly these bytes.
    bool waitForFile(const QString& name, const QByteArray& bytes, int timeoutMs = 10000) const;

    // The three data files, byte for byte, and what the program printed, for failure messages.
    QString diagnostics();

private:
    const XDisplay& m_display;
    QTemporaryDir m_folder;
    QString m_program;
    QProcess m_process;
    QByteArray m_output;
    QString m_error;
};
