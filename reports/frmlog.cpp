#include "reports/frmlog.h"

#include "reports/logfiles.h"
#include "reports/logpane.h"
#include "reports/logprinter.h"
#include "reports/reportmodel.h"
#include "storage/datafiles.h"
#include "ui/dialogs.h"
#include "ui/frmloglayout.h"

#include <QFile>
#include <QPushButton>
#include <QTreeView>

FrmLog::FrmLog(QString appFolder, Dialogs& dialogs, LogPrinter& printer, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , Text1(new LogPane(this))
    , TV1(new QTreeView(this))
    , Command1(new QPushButton(QStringLiteral("Clear Log and Exit"), this))
    , Command2(new QPushButton(QStringLiteral("Save Log"), this))
    , Command3(new QPushButton(QStringLiteral("Print Log"), this))
    , m_appFolder(std::move(appFolder))
    , m_dialogs(dialogs)
    , m_printer(printer) {
    setObjectName(QStringLiteral("FrmLog"));
    Text1->setObjectName(QStringLiteral("Text1"));
    TV1->setObjectName(QStringLiteral("TV1"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3->setObjectName(QStringLiteral("Command3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Reports"));
    resize(frmloglayout::ClientSize);

    place(Command3, frmloglayout::Command3);
    place(Command2, frmloglayout::Command2);
    place(TV1, frmloglayout::TV1);
    place(Command1, frmloglayout::Command1);
    place(Text1, frmloglayout::Text1);
    // Children are stacked in creation order; the design lists Command3 on top.
    Text1->lower();
    TV1->setHeaderHidden(true);
    TV1->setUniformRowHeights(true);

    setTabOrder(Text1, Command1);
    setTabOrder(Command1, TV1);
    setTabOrder(TV1, Command2);
    setTabOrder(Command2, Command3);

    connect(Command1, &QPushButton::clicked, this, &FrmLog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmLog::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FrmLog::Command3_Click);
}

FrmLog::~FrmLog() = default;

QString FrmLog::logPath() const {
    return datafiles::path(m_appFolder, datafiles::Tasks);
}

QByteArray FrmLog::readLog() {
    const QString path = logPath();
    if (!datafiles::FileExists(path))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(FileResult::failure(path, file.errorString()).message(u"read"));
        return {};
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        warn(FileResult::failure(path, file.errorString()).message(u"read"));
        return {};
    }
    return bytes;
}

void FrmLog::Form_Load() {
    // Once per window: an open window keeps what it showed when it was opened.
    if (m_model)
        return;
    QByteArray bytes = readLog();
    Text1->showLog(bytes);
    // The tree keeps the log as read: what the user types into the pane changes only what
    // is printed.
    m_model = new ReportModel(ReportTree::build(std::move(bytes)), this);
    TV1->setModel(m_model);
    TV1->expand(m_model->rootIndex());
}

void FrmLog::Command1_Click() {
    const Dialogs::Message confirm{QStringLiteral("Are you sure you want to clear the log file?"),
                                   QStringLiteral("confirm"), Dialogs::Buttons::YesNo,
                                   Dialogs::Icon::None, Dialogs::Modality::Application};
    if (m_dialogs.messageBox(this, confirm) != Dialogs::Answer::Yes)
        return;
    Text1->clear();
    // A failed write has shown its box already; the window closes all the same.
    WriteFile(logPath(), Text1->toPlainText());
    close();
}

void FrmLog::Command2_Click() {
    const Dialogs::SaveOptions options{QStringLiteral("Save As"),
                                       QStringLiteral("All Files (*.txt)|*.txt")};
    const std::optional<QString> target = m_dialogs.saveFileName(this, options);
    if (!target || target->isEmpty())
        return;
    const QString source = logPath();
    const FileResult copied = logfiles::copyFile(source, *target);
    if (!copied) {
        warn(copied.message(copied.path() == source ? u"read" : u"save the log as"));
        return;
    }
    m_dialogs.messageBox(this,
                         {QStringLiteral("Sucessfully Created...!"), QStringLiteral("Sucess"),
                          Dialogs::Buttons::Ok, Dialogs::Icon::None, Dialogs::Modality::System});
}

void FrmLog::Command3_Click() {
    const FileResult printed = m_printer.print(Text1->toPlainText() + u'\n');
    if (!printed)
        warn(printed.message(u"print to"));
}

bool FrmLog::WriteFile(const QString& path, const QString& text) {
    const logfiles::WriteResult written = logfiles::replaceText(path, text);
    if (written.result)
        return true;
    const QString title =
        QString::number(written.errorNumber) + QStringLiteral(" - ") + ApplicationTitle.toString();
    m_dialogs.messageBox(this, {written.result.message(), title, Dialogs::Buttons::Ok,
                                Dialogs::Icon::Warning, Dialogs::Modality::Application});
    return false;
}

void FrmLog::warn(const QString& text) {
    m_dialogs.messageBox(this, {text, QString(), Dialogs::Buttons::Ok, Dialogs::Icon::Warning,
                                Dialogs::Modality::Application});
}
