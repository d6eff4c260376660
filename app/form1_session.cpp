// Starting and stopping sessions, the session log, and the clock.
#include "app/form1.h"

#include "app/secondtimer.h"
#include "storage/ansitext.h"
#include "storage/clock.h"
#include "storage/elapsed.h"
#include "storage/logrecovery.h"
#include "storage/onelinetext.h"
#include "storage/sessionlog.h"
#include "tray/traymodule.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const QString StartPromptTitle = QStringLiteral("What are you doing now?");

QString startPromptText() {
    return QStringLiteral("What are you doing this moment?\r\n\r\nNote: \"You may click the "
                          "\"Notes\" button at any time to log what you are doing.");
}

} // namespace

void Form1::CmdStartStop_Click() {
    if (isRunning()) {
        stopSession();
    } else if (!startSession()) {
        return;
    }
    setControlsAfterStartStop();
    if (m_shutdownRequested) {
        m_shutdownRequested = false;
        close();
    }
}

void Form1::MnuStartStop_Click() {
    CmdStartStop->click();
}

bool Form1::startSession() {
    if (projectName().isEmpty()) {
        m_services.dialogs.messageBox(
            this, Dialogs::Message::plain(QStringLiteral("Please enter a project name")));
        setWindowState(windowState() & ~Qt::WindowMinimized);
        RestoreFromTray(m_services.tray, this);
        update();
        return false;
    }
    AddProject();
    TxtMin->setText(QStringLiteral("0"));
    LblStopTime->setText(QString());
    m_tickCount = 0;
    if (m_stopped == 1) {
        m_stopped = 0;
        setTotalTime(elapsed::NotAvailable.toString());
    }
    m_startedAt = m_services.clock.now();
    m_stamp = m_dateText.format(m_startedAt);
    LblStartTime->setText(m_stamp);
    // Forget the last session's seconds value, so that the first timer event is a tick even
    // when this Start falls on the same seconds value.
    {
        const QSignalBlocker quiet(Text1);
        Text1->clear();
    }
    Timer1->setEnabled(true);
    m_pending.append(sessionlog::startLines(m_stamp, projectName()));

    m_starting = true;
    m_startingComment = oneLineText(m_services.dialogs.inputBox(
        this, StartPromptTitle, startPromptText(), QStringLiteral("Default")));
    m_starting = false;
    if (!m_startingComment.isEmpty())
        m_pending.append(sessionlog::startingCommentLine(m_stamp, m_startingComment));
    FlushLog();
    return true;
}

void Form1::stopSession() {
    m_stamp = m_dateText.format(m_services.clock.now());
    LblStopTime->setText(m_stamp);
    Timer1->setEnabled(false);
    m_stopped = 1;
    m_pending.append(sessionlog::stopLines(m_stamp, projectName(), LblTotalTime->text()));
    FlushLog();
}

void Form1::setControlsAfterStartStop() {
    if (!isRunning()) {
        CmdNotes->setEnabled(true);
        CmdAdd->setEnabled(false);
        CmdRemove->setEnabled(false);
        CboProject->setEnabled(false);
        CmdStartStop->setText(QStringLiteral("&Stop"));
        MnuStartStop->setText(QStringLiteral("&Stop Project"));
        if (minimizeOnStartSetting() && !m_shutdownRequested)
            setWindowState(windowState() | Qt::WindowMinimized);
    } else {
        CmdNotes->setEnabled(false);
        CmdAdd->setEnabled(true);
        CmdRemove->setEnabled(true);
        CboProject->setEnabled(true);
        CmdStartStop->setText(QStringLiteral("&Start"));
        MnuStartStop->setText(QStringLiteral("S&tart Project"));
    }
}

void Form1::FlushLog() {
    const FileResult result = ::FlushLog(m_pending, logPath());
    if (result.ok())
        forgetRecoveredLinesOnceWritten();
    else
        reportLogFailure(result);
}

void Form1::reportLogFailure(const FileResult& result) {
    // While the program ends, what becomes of the kept lines is said once, at the end.
    if (m_unloaded)
        return;
    warn(QStringLiteral("The session log could not be written.\n\n%1\n\nThe lines are kept and "
                        "will be written with the next entry once the log can be written again.")
             .arg(result.message()));
}

QString Form1::recoveryPath() const {
    return logrecovery::path(m_services.dataFolder, logPath());
}

void Form1::restoreUnwrittenLines() {
    const QString file = recoveryPath();
    const logrecovery::Load load = logrecovery::load(file);
    if (!load.result.ok()) {
        warn(QStringLiteral("Lines that could not be written to the session log when Tallyhawk "
                            "last ended could not be read back.\n\n%1\n\nThey stay in that "
                            "file.")
                 .arg(load.result.message(u"read")));
        return;
    }
    if (load.lines.isEmpty()) {
        (void)logrecovery::remove(file);
        return;
    }
    // They go out first, through the pending log, so that a log that still cannot be written
    // keeps them in front of everything new.
    QStringView lines = load.lines;
    if (lines.endsWith(ansi::LineEnd))
        lines.chop(ansi::LineEnd.size());
    m_pending.append(lines);
    m_recoveredLinesPending = true;
    const FileResult result = ::FlushLog(m_pending, logPath());
    if (!result.ok()) {
        warn(QStringLiteral("Lines that could not be written to the session log when Tallyhawk "
                            "last ended are kept in \"%1\".\n\nThey cannot be added to the "
                            "session log yet.\n\n%2\n\nThey will be written ahead of the next "
                            "entry once the log can be written again.")
                 .arg(file, result.message()));
        return;
    }
    forgetRecoveredLinesOnceWritten();
    m_services.dialogs.messageBox(
        this, Dialogs::Message::plain(
                  QStringLiteral("Lines that could not be written to the session log when "
                                 "Tallyhawk last ended have now been added to \"%1\".")
                      .arg(logPath())));
}

void Form1::forgetRecoveredLinesOnceWritten() {
    if (!m_recoveredLinesPending || !m_pending.unwritten().isEmpty())
        return;
    m_recoveredLinesPending = false;
    const FileResult removed = logrecovery::remove(recoveryPath());
    if (!removed.ok()) {
        warn(QStringLiteral("The lines kept from the last time Tallyhawk ended are now in the "
                            "session log, but the file that kept them could not be "
                            "deleted.\n\n%1\n\nPlease delete it, or its lines will be added "
                            "to the session log again at the next start.")
                 .arg(removed.message(u"delete")));
    }
}

void Form1::keepUnwrittenLines() {
    const QString lines = m_pending.unwritten();
    if (lines.isEmpty()) {
        forgetRecoveredLinesOnceWritten();
        return;
    }
    // One more try before the program ends.
    const FileResult retry = appendText(logPath(), lines);
    if (retry.ok()) {
        m_pending = PendingLog();
        forgetRecoveredLinesOnceWritten();
        return;
    }
    const QString file = recoveryPath();
    const FileResult saved = logrecovery::save(file, lines);
    if (saved.ok()) {
        // The file holds them now, recovered lines included; the next start puts them back.
        m_pending = PendingLog();
        m_recoveredLinesPending = false;
        warn(QStringLiteral("The session log could not be written.\n\n%1\n\nThe lines it "
                            "still lacks have been saved to \"%2\" and will be added to the "
                            "session log when Tallyhawk next starts.")
                 .arg(retry.message(), file));
        return;
    }
    warn(QStringLiteral("The session log could not be written.\n\n%1\n\nThe lines it still "
                        "lacks could not be saved elsewhere either.\n\n%2\n\nThese are the "
                        "lines; please copy them:\n\n%3")
             .arg(retry.message(), saved.message(), lines));
}

void Form1::Timer1_Timer() {
    Text1->setText(QString::number(m_services.clock.now().time().second()));
}

void Form1::Text1_Change() {
    ++m_tickCount;
    UpdateElapsed();
}

void Form1::UpdateElapsed() {
    if (m_tickCount >= 60) {
        TxtMin->setText(QString::number(TxtMin->text().toLongLong() + 1));
        m_tickCount = 0;
    }
    // The start label carries the start to the second. Should it not read back (the
    // locale changed under a running session), the stamp taken at Start serves.
    const QDateTime start = m_dateText.parse(LblStartTime->text()).value_or(m_startedAt);
    const QString parts = elapsed::FormatElapsed(start, m_services.clock.now());
    setTotalTime(elapsed::text(elapsed::readParts(parts)));
}

void Form1::setTotalTime(const QString& text) {
    if (LblTotalTime->text() == text)
        return;
    LblTotalTime->setText(text);
    LblTotalTime_Change();
}

void Form1::LblTotalTime_Change() {
    MnuElapsed->setText(QStringLiteral("Elapsed Time: ") + LblTotalTime->text());
}
