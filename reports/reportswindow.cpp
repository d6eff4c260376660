#include "reports/reportswindow.h"

#include "reports/logfiles.h"
#include "reports/logpane.h"
#include "reports/logprinter.h"
#include "reports/reportmodel.h"
#include "reports/reportswindowlayout.h"
#include "reports/sessiondialog.h"
#include "session/logcorrections.h"
#include "session/sessionlog.h"
#include "storage/datafiles.h"
#include "storage/textfile.h"
#include "ui/dialogs.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTreeView>

ReportsWindow::ReportsWindow(SessionLog& log, LogCorrections& corrections, Dialogs& dialogs,
                             LogPrinter& printer, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_logPane(new LogPane(this))
    , m_reportTree(new QTreeView(this))
    , m_clearButton(new QPushButton(tr("Clear Log and Exit"), this))
    , m_saveButton(new QPushButton(tr("Save Log"), this))
    , m_printButton(new QPushButton(tr("Print Log"), this))
    , m_log(log)
    , m_corrections(corrections)
    , m_dialogs(dialogs)
    , m_printer(printer) {
    namespace L = reportswindowlayout;
    setObjectName(QStringLiteral("FrmLog"));
    m_logPane->setObjectName(QStringLiteral("Text1"));
    m_reportTree->setObjectName(QStringLiteral("TV1"));
    m_clearButton->setObjectName(QStringLiteral("Command1"));
    m_saveButton->setObjectName(QStringLiteral("Command2"));
    m_printButton->setObjectName(QStringLiteral("Command3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Reports"));
    resize(L::ClientSize);

    place(m_printButton, L::PrintButton);
    place(m_saveButton, L::SaveButton);
    place(m_reportTree, L::ReportTree);
    place(m_clearButton, L::ClearButton);
    place(m_logPane, L::LogPane);
    // Children are stacked in creation order; the design has the print button on top and
    // the pane at the bottom.
    m_logPane->lower();
    m_reportTree->setHeaderHidden(true);
    m_reportTree->setUniformRowHeights(true);
    m_reportTree->setAccessibleName(tr("Sessions"));
    m_reportTree->setAccessibleDescription(
        tr("Each session of the log, numbered; expand one to see its lines"));

    setTabOrder(m_logPane, m_clearButton);
    setTabOrder(m_clearButton, m_reportTree);
    setTabOrder(m_reportTree, m_saveButton);
    setTabOrder(m_saveButton, m_printButton);

    connect(m_clearButton, &QPushButton::clicked, this, &ReportsWindow::clearLog);
    connect(m_saveButton, &QPushButton::clicked, this, &ReportsWindow::saveLog);
    connect(m_printButton, &QPushButton::clicked, this, &ReportsWindow::printLog);
    // Right-click, the menu key, or Shift+F10.
    m_reportTree->installEventFilter(this);
    m_reportTree->viewport()->installEventFilter(this);
    connect(&m_log, &SessionLog::written, this, &ReportsWindow::refresh);
}

ReportsWindow::~ReportsWindow() = default;

QByteArray ReportsWindow::readLog() {
    const QString& path = m_log.path();
    // A folder of that name shows as an empty log, as a missing file does, without a warning.
    if (!datafiles::FileExists(path))
        return {};
    textfile::Read read = textfile::readWhole(path);
    if (!read.result)
        warn(read.result.message(u"read"));
    return std::move(read.bytes);
}

void ReportsWindow::loadLog() {
    // Once per window; from then on the window follows the log.
    if (m_report)
        return;
    QByteArray bytes = readLog();
    m_logPane->showLog(bytes);
    // The tree keeps the log as read: what the user types into the pane changes only what
    // is printed.
    m_report = new ReportModel(ReportTree::build(std::move(bytes)), this);
    m_reportTree->setModel(m_report);
    m_reportTree->expand(m_report->rootIndex());
}

void ReportsWindow::refresh() {
    if (!m_report)
        return;
    QByteArray bytes = readLog();
    const QByteArray& shown = m_report->tree().bytes();
    // Lines only appended join the pane's text, and what the user typed there stays; a log
    // changed anywhere else is shown anew.
    if (bytes.startsWith(shown) && !shown.isEmpty())
        m_logPane->appendLog(QByteArrayView(bytes).sliced(shown.size()));
    else
        m_logPane->showLog(bytes);
    QSet<QString> open;
    for (qsizetype s = 0; s < m_report->tree().sessionCount(); ++s) {
        if (m_reportTree->isExpanded(m_report->sessionIndex(s)))
            open.insert(m_report->tree().sessionKey(s));
    }
    const int scrolled = m_reportTree->verticalScrollBar()->value();
    ReportModel* old = m_report;
    m_report = new ReportModel(ReportTree::build(std::move(bytes)), this);
    m_reportTree->setModel(m_report);
    delete old;
    m_reportTree->expand(m_report->rootIndex());
    for (qsizetype s = 0; s < m_report->tree().sessionCount(); ++s) {
        if (open.contains(m_report->tree().sessionKey(s)))
            m_reportTree->expand(m_report->sessionIndex(s));
    }
    m_reportTree->verticalScrollBar()->setValue(scrolled);
}

bool ReportsWindow::eventFilter(QObject* watched, QEvent* event) {
    // From the keyboard the menu is for the current node; from the mouse, for the node under
    // it. Shift+F10 opens it as the menu key does.
    const auto forCurrent = [this] {
        const QModelIndex current = m_reportTree->currentIndex();
        const QRect shown = m_reportTree->visualRect(current);
        showTreeMenu(shown.isValid() ? shown.center() : QPoint(0, 0), current);
    };
    if ((watched == m_reportTree->viewport() || watched == m_reportTree) &&
        event->type() == QEvent::ContextMenu) {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        if (menu->reason() == QContextMenuEvent::Keyboard)
            forCurrent();
        else
            showTreeMenu(menu->pos(), m_reportTree->indexAt(menu->pos()));
        return true;
    }
    if (watched == m_reportTree && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            forCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ReportsWindow::showTreeMenu(const QPoint& at, const QModelIndex& index) {
    if (!m_report)
        return;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const qsizetype session = m_report->sessionAt(index);
    if (session >= 0 && !m_report->tree().recordBytes(session).isEmpty()) {
        menu->addAction(tr("Correct…"), this, [this, session] { correctSession(session); });
        menu->addAction(tr("Delete…"), this, [this, session] { deleteSession(session); });
        menu->addSeparator();
    }
    menu->addAction(tr("Add a session…"), this, &ReportsWindow::addSession);
    QAction* undo = menu->addAction(tr("Undo last change"), this, &ReportsWindow::undoLastChange);
    undo->setEnabled(m_corrections.canUndo());
    menu->addSeparator();
    menu->addAction(tr("Totals…"), this, &ReportsWindow::totalsAsked);
    menu->popup(m_reportTree->viewport()->mapToGlobal(at));
}

RecordRef ReportsWindow::recordOf(qsizetype session) const {
    const ReportTree& tree = m_report->tree();
    return {tree.recordStart(session), tree.recordBytes(session).toByteArray()};
}

void ReportsWindow::correctSession(qsizetype session) {
    const RecordRef record = recordOf(session);
    const std::variant<SessionFields, QString> read = m_corrections.read(record);
    if (const QString* why = std::get_if<QString>(&read)) {
        m_dialogs.messageBox(this, Dialogs::Message::plain(*why));
        return;
    }
    const QString title = tr("Correct ") + m_report->tree().sessionText(session);
    auto* dialog = new SessionDialog(
        title, std::get<SessionFields>(read), m_corrections.editor().stamps().locale(),
        QDate::currentDate(),
        [this, record](const SessionFields& fields) {
            return m_corrections.correct(record, fields);
        },
        this);
    dialog->open();
}

void ReportsWindow::deleteSession(qsizetype session) {
    const RecordRef record = recordOf(session);
    const ReportTree& tree = m_report->tree();
    const QString question = tr("Delete %1 from the log?").arg(tree.sessionText(session).trimmed());
    m_dialogs.messageBox(this, Dialogs::Message::question(question),
                         [this, record](Dialogs::Answer answer) {
                             if (answer != Dialogs::Answer::Yes)
                                 return;
                             if (const auto why = m_corrections.remove(record))
                                 warn(*why);
                         });
}

void ReportsWindow::addSession() {
    auto* dialog = new SessionDialog(
        tr("Add a session"), SessionFields{}, m_corrections.editor().stamps().locale(),
        QDate::currentDate(),
        [this](const SessionFields& fields) { return m_corrections.add(fields); }, this);
    dialog->open();
}

void ReportsWindow::undoLastChange() {
    if (const auto why = m_corrections.undo())
        warn(*why);
}

void ReportsWindow::clearLog() {
    const Dialogs::Message confirm = Dialogs::Message::question(
        tr("Are you sure you want to clear the log file?"), tr("confirm"));
    m_dialogs.messageBox(this, confirm, [this](Dialogs::Answer answer) {
        if (answer != Dialogs::Answer::Yes)
            return;
        m_logPane->clear();
        // A failed write shows its box; the window closes all the same.
        if (const FileResult cleared = m_log.clear(); !cleared.ok()) {
            const QString title = QString::number(cleared.code()) + QStringLiteral(" - ") +
                                  ApplicationTitle.toString();
            m_dialogs.messageBox(parentWidget(),
                                 {cleared.message(), title, Dialogs::Buttons::Ok,
                                  Dialogs::Icon::Warning, Dialogs::Modality::Window});
        }
        close();
    });
}

void ReportsWindow::saveLog() {
    const Dialogs::SaveOptions options{tr("Save As"), tr("All Files (*.txt)|*.txt")};
    m_dialogs.saveFileName(this, options, [this](const std::optional<QString>& target) {
        if (!target || target->isEmpty())
            return;
        const QString& source = m_log.path();
        const FileResult copied = logfiles::copyFile(source, *target);
        if (!copied) {
            warn(copied.message(copied.path() == source ? u"read" : u"save the log as"));
            return;
        }
        m_dialogs.messageBox(this,
                             {tr("Sucessfully Created...!"), tr("Sucess"), Dialogs::Buttons::Ok,
                              Dialogs::Icon::None, Dialogs::Modality::System});
    });
}

void ReportsWindow::printLog() {
    const FileResult printed = m_printer.print(m_logPane->toPlainText() + u'\n');
    if (!printed)
        warn(printed.message(u"print to"));
}

void ReportsWindow::warn(const QString& text) {
    m_dialogs.messageBox(this, Dialogs::Message::warning(text));
}
