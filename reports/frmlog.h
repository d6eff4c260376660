#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

class Dialogs;
class LogPane;
class LogPrinter;
class QPushButton;
class QTreeView;
class ReportModel;

// The Reports window: the session log as raw text in an editable pane and as a tree of
// numbered sessions, with buttons to clear, save and print the log. The window deletes itself
// when closed; the next opening builds a new one, which reads the log again.
//
// The box shown when WriteFile fails is titled with Qt's file error code of the failure
// (QFileDevice::FileError: 1 read, 2 write, 4 resource, 5 open, 10 rename, ...), " - " and
// the program's name.
class FrmLog final : public QWidget {
    Q_OBJECT
public:
    FrmLog(QString appFolder, Dialogs& dialogs, LogPrinter& printer, QWidget* parent = nullptr);
    ~FrmLog() override;

    // Reads the log into the pane and builds the tree; once per window.
    void Form_Load();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    // Replaces the file's content with the text and a line end. A failure is shown to the
    // user and gives false.
    bool WriteFile(const QString& path, const QString& text);

    // The tree shown in TV1; null before Form_Load.
    const ReportModel* report() const { return m_model; }

    LogPane* const Text1;
    QTreeView* const TV1;
    QPushButton* const Command1;
    QPushButton* const Command2;
    QPushButton* const Command3;

private:
    QString logPath() const;
    QByteArray readLog();
    void warn(const QString& text);

    QString m_appFolder;
    Dialogs& m_dialogs;
    LogPrinter& m_printer;
    ReportModel* m_model = nullptr;
};
