#include "reports/reportswindow.h"

#include "reports/logfiles.h"
#include "reports/logpane.h"
#include "reports/logprinter.h"
#include "reports/reportmodel.h"
#include "reports/reportswindowlayout.h"
#include "session/sessionlog.h"
#include "storage/datafiles.h"
#include "storage/textfile.h"
#include "ui/dialogs.h"

#include <QPushButton>
#include <QTreeView>

ReportsWindow::ReportsWindow(SessionLog& log, Dialogs& dialogs, LogPrinter& printer,
                             QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_logPane(new LogPane(this))
    , m_reportTree(new QTreeView(this))
    , m_clearButton(new QPushButton(QStringLiteral("Clear Log and Exit"), this))
    , m_saveButton(new QPushButton(QStringLiteral("Save Log"), this))
    , m_printButton(new QPushButton(QStringLiteral("Print Log"), this))
    , m_log(log)
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
    setWindowTitle(QStringLiteral("Reports"));
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
    m_reportTree->setAccessibleName(QStringLiteral("Sessions"));
    m_reportTree->setAccessibleDescription(
        QStringLiteral("Each session of the log, numbered; expand one to see its lines"));

    setTabOrder(m_logPane, m_clearButton);
    setTabOrder(m_clearButton, m_reportTree);
    setTabOrder(m_reportTree, m_saveButton);
    setTabOrder(m_saveButton, m_printButton);

    connect(m_clearButton, &QPushButton::clicked, this, &ReportsWindow::clearLog);
    connect(m_saveButton, &QPushButton::clicked, this, &ReportsWindow::saveLog);
    connect(m_printButton, &QPushButton::clicked, this, &ReportsWindow::printLog);
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
    // Once per window: an open window keeps what it showed when it was opened.
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

void ReportsWindow::clearLog() {
    const Dialogs::Message confirm = Dialogs::Message::question(
        QStringLiteral("Are you sure you want to clear the log file?"), QStringLiteral("confirm"));
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
    const Dialogs::SaveOptions options{QStringLiteral("Save As"),
                                       QStringLiteral("All Files (*.txt)|*.txt")};
    m_dialogs.saveFileName(this, options, [this](const std::optional<QString>& target) {
        if (!target || target->isEmpty())
            return;
        const QString& source = m_log.path();
        const FileResult copied = logfiles::copyFile(source, *target);
        if (!copied) {
            warn(copied.message(copied.path() == source ? u"read" : u"save the log as"));
            return;
        }
        m_dialogs.messageBox(this, {QStringLiteral("Sucessfully Created...!"),
                                    QStringLiteral("Sucess"), Dialogs::Buttons::Ok,
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
