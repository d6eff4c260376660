#pragma once

#include "session/logeditor.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

class Dialogs;
class LogCorrections;
class LogPane;
class LogPrinter;
class QPushButton;
class QTreeView;
class ReportModel;
class SessionLog;

// The Reports window: the session log as raw text in an editable pane and as a tree of
// numbered sessions, with buttons to clear, save and print the log, and a menu on the tree to
// correct, delete and add sessions, undo the last change and open the totals. It follows the log:
// what is written to it while the window is open shows at once, keeping the open sessions and the
// scroll position. The window deletes itself when closed.
//
// The box shown when the log cannot be cleared is titled with Qt's file error code of the
// failure (QFileDevice::FileError: 1 read, 2 write, 4 resource, 5 open, 10 rename, ...),
// " - " and the program's name.
class ReportsWindow final : public QWidget {
    Q_OBJECT
public:
    ReportsWindow(SessionLog& log, LogCorrections& corrections, Dialogs& dialogs,
                  LogPrinter& printer, QWidget* parent = nullptr);
    ~ReportsWindow() override;

    // Reads the log into the pane and builds the tree; once per window, later calls do
    // nothing.
    void loadLog();

    // The report shown in the tree; null before loadLog().
    const ReportModel* report() const { return m_report; }

signals:
    // "Totals…" was chosen from the tree's menu.
    void totalsAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    // at: where, in the tree's viewport; index: the node it is for.
    void showTreeMenu(const QPoint& at, const QModelIndex& index);
    RecordRef recordOf(qsizetype session) const;
    void correctSession(qsizetype session);
    void deleteSession(qsizetype session);
    void addSession();
    void undoLastChange();
    void clearLog();
    void saveLog();
    void printLog();

    QByteArray readLog();
    void warn(const QString& text);

    LogPane* const m_logPane;
    QTreeView* const m_reportTree;
    QPushButton* const m_clearButton;
    QPushButton* const m_saveButton;
    QPushButton* const m_printButton;

    SessionLog& m_log;
    LogCorrections& m_corrections;
    Dialogs& m_dialogs;
    LogPrinter& m_printer;
    ReportModel* m_report = nullptr;
};
