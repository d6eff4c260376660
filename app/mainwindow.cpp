#include "app/mainwindow.h"

#include "app/activityprompt.h"
#include "app/keptloglines.h"
#include "app/noteswindow.h"
#include "app/otherwindows.h"
#include "app/projectbox.h"
#include "app/traymenu.h"
#include "session/awaytracker.h"
#include "session/secondtimer.h"
#include "session/sessionmodel.h"
#include "storage/datafiles.h"
#include "storage/onelinetext.h"
#include "tallyhawk/version.h"
#include "tray/windowplacement.h"
#include "ui/assets/assets.h"
#include "ui/awayquestionwindow.h"
#include "ui/desktop.h"
#include "ui/dialogs.h"
#include "ui/fonts.h"
#include "ui/linklabel.h"
#include "ui/mainwindowlayout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const QString StartPromptTitle = QStringLiteral("What are you doing now?");
const QString StartPromptText =
    QStringLiteral("What are you doing this moment?\r\n\r\nNote: \"You may click the \"Notes\" "
                   "button at any time to log what you are doing.");
const QString NameMissing = QStringLiteral("Please enter a project name");

} // namespace

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
    , m_services(services)
    , m_warnings(services.dialogs, this)
    , m_settings(datafiles::path(services.appFolder, datafiles::Settings)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(programversion::Title.toString());
    setWindowIcon(assets::programIcon());
    setFont(fonts::standard());
    setFixedSize(mainwindowlayout::ClientSize);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    m_session = new SessionModel(services.clock, services.timer, services.locale,
                                 datafiles::path(services.appFolder, datafiles::Tasks), this);
    services.timer->setObjectName(QStringLiteral("Timer1"));
    m_away = new AwayTracker(*m_session, services.clock, services.idle, services.sleep, this);
    m_keptLines = new KeptLogLines(*m_session, services.dataFolder, m_warnings, this);
    m_tray = new TrayMenu(services.tray, this);
    m_otherWindows = new OtherWindows(services, m_settings, this);
    m_ui =
        MainWindowControls::create(this, datafiles::path(services.appFolder, datafiles::Projects),
                                   m_session->elapsedText(), m_session->promptInterval());
    m_prompt =
        new ActivityPrompt(*m_session, m_ui.askMeBox, m_ui.intervalBox, m_ui.intervalArrows, this);
    connectControls();
}

MainWindow::~MainWindow() = default;

void MainWindow::startUp() {
    m_ui.projectBox->loadList();
    restoreSettings();
    // Until a colour scheme is chosen, the window shows the Default scheme's pictures; a
    // saved scheme has put its own there already.
    if (m_ui.topPicture->pixmap().isNull()) {
        m_ui.topPicture->setPixmap(assets::pixmap(assets::TopDefault));
        m_ui.bottomPicture->setPixmap(assets::pixmap(assets::BottomDefault));
    }
    m_keptLines->restore();
}

void MainWindow::restoreSettings() {
    m_settings.load();
    m_away->setThreshold(m_settings.awayThreshold());
    if (!m_settings.exists())
        return;
    // Each value is applied on its own, through its control, so that the control's own
    // handling runs; a value that does not convert leaves its control as it is.
    if (const std::optional<int> askMe = m_settings.askMe())
        m_prompt->restoreAskMe(*askMe);
    m_prompt->restoreInterval(m_settings.interval());
    m_ui.projectBox->setEditText(m_settings.project());
    m_otherWindows->restoreSettingsChoices();
    m_prompt->setArrowsFromInterval();
}

void MainWindow::saveSettings() {
    const FileResult result =
        m_settings.saveAtExit(m_prompt->askMeValue(), oneLineText(m_prompt->intervalText()),
                              m_ui.projectBox->projectName());
    if (!result.ok())
        m_warnings.warn(
            QStringLiteral("The settings could not be saved.\n\n%1").arg(result.message()));
}

void MainWindow::shutDown() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    // The other windows go with the program, without their own unload: a note still open is
    // not logged.
    if (m_notes)
        m_notes->discard();
    m_tray->removeIcon();
    saveSettings();
    if (m_session->isRunning())
        m_ui.startStopButton->click();
    m_keptLines->keep();
    emit unloaded();
}

void MainWindow::bringForward() {
    m_tray->restoreWindow();
    raise();
    activateWindow();
}

void MainWindow::requestShutdown() {
    // The desktop is going away: nobody may be there to answer a box.
    m_warnings.goQuiet();
    if (m_starting) {
        // Start is waiting in its input box. Let it finish writing its start lines first,
        // so that the record keeps its order, then close.
        m_shutdownRequested = true;
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
        return;
    }
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    shutDown();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        m_tray->followWindowState();
}

void MainWindow::startOrStop() {
    if (m_session->isRunning())
        m_session->stop();
    else if (!startSession())
        return;
    showSessionState();
    if (m_shutdownRequested) {
        m_shutdownRequested = false;
        close();
    }
}

bool MainWindow::startSession() {
    if (m_ui.projectBox->projectName().isEmpty()) {
        m_services.dialogs.messageBox(this, Dialogs::Message::plain(NameMissing));
        m_tray->restoreWindow();
        return false;
    }
    m_ui.projectBox->addCurrentName();
    m_session->start(m_ui.projectBox->projectName());
    m_starting = true;
    const QString comment = oneLineText(m_services.dialogs.inputBox(
        this, StartPromptTitle, StartPromptText, QStringLiteral("Default")));
    m_starting = false;
    m_session->finishStart(comment);
    return true;
}

void MainWindow::showSessionState() {
    const bool running = m_session->isRunning();
    m_ui.notesButton->setEnabled(running);
    m_ui.addButton->setEnabled(!running);
    m_ui.removeButton->setEnabled(!running);
    m_ui.projectBox->setEnabled(!running);
    m_ui.startStopButton->setText(running ? QStringLiteral("&Stop") : QStringLiteral("&Start"));
    m_tray->showRunning(running);
    if (running && m_settings.minimizeOnStart() && !m_shutdownRequested)
        setWindowState(windowState() | Qt::WindowMinimized);
}

void MainWindow::reportLogFailure(const FileResult& result) {
    // While the program ends, what becomes of the kept lines is said once, at the end.
    if (m_unloaded)
        return;
    m_warnings.warn(QStringLiteral("The session log could not be written.\n\n%1\n\nThe lines "
                                   "are kept and will be written with the next entry once the "
                                   "log can be written again.")
                        .arg(result.message()));
}

NotesWindow* MainWindow::showNotesWindow() {
    if (!m_notes)
        m_notes = new NotesWindow(*m_session, m_services.dialogs, this);
    m_notes->show();
    return m_notes;
}

void MainWindow::offerNotes() {
    if (m_ui.notesButton->isEnabled()) {
        m_ui.notesButton->click();
        return;
    }
    const QString question = QStringLiteral("Project - ") + m_ui.projectBox->projectName() +
                             QStringLiteral(" is not running. Would you like to start the "
                                            "project?");
    if (m_services.dialogs.messageBox(this, Dialogs::Message::question(question)) ==
        Dialogs::Answer::Yes)
        m_ui.startStopButton->click();
}

void MainWindow::raisePrompt() {
    m_services.desktop.beep();
    NotesWindow* notes = showNotesWindow();
    notes->setWindowTitle(QStringLiteral("What are you doing now?"));
    m_services.placement.SetTopMost(notes, true);
}

void MainWindow::askAboutAwayTime(const AwayPeriod& period) {
    if (!m_awayQuestion) {
        m_awayQuestion = new AwayQuestionWindow(this);
        connect(m_awayQuestion, &AwayQuestionWindow::keepChosen, this, &MainWindow::keepAwayTime);
        connect(m_awayQuestion, &AwayQuestionWindow::stopWhenLeftChosen, this,
                &MainWindow::stopWhenLeft);
    }
    const DateTimeText& stamps = m_session->dateText();
    m_awayQuestion->setQuestion(m_session->project(), stamps.format(period.left),
                                stamps.format(period.back), AwayTracker::lengthText(period));
    // In front, so that it is seen, but without taking the keys the user is typing elsewhere.
    m_services.placement.SetTopMost(m_awayQuestion, true);
}

void MainWindow::keepAwayTime() {
    if (const FileResult result = m_away->keep(); !result.ok())
        reportLogFailure(result);
}

void MainWindow::stopWhenLeft() {
    m_away->stopWhenLeft();
    showSessionState();
}

void MainWindow::connectControls() {
    connect(m_ui.startStopButton, &QPushButton::clicked, this, &MainWindow::startOrStop);
    connect(m_ui.notesButton, &QPushButton::clicked, this, [this] {
        NotesWindow* notes = showNotesWindow();
        notes->raise();
        notes->activateWindow();
    });
    connect(m_ui.addButton, &QPushButton::clicked, this, [this] {
        if (m_ui.projectBox->projectName().isEmpty())
            m_services.dialogs.messageBox(this, Dialogs::Message::plain(NameMissing));
        else
            m_ui.projectBox->addCurrentName();
    });
    connect(m_ui.removeButton, &QPushButton::clicked, m_ui.projectBox,
            &ProjectBox::removeSelectedEntry);
    connect(m_ui.projectBox, &ProjectBox::failed, this,
            [this](const QString& message) { m_warnings.warn(message); });
    connect(m_ui.reportsLink, &LinkLabel::clicked, m_otherWindows, &OtherWindows::showReports);
    connect(m_ui.settingsLink, &LinkLabel::clicked, m_otherWindows, &OtherWindows::showSettings);
    connect(m_ui.aboutLink, &LinkLabel::clicked, m_otherWindows, &OtherWindows::showAbout);
    connect(m_otherWindows, &OtherWindows::schemeChosen, this,
            [this](const QPixmap& top, const QPixmap& bottom) {
                m_ui.topPicture->setPixmap(top);
                m_ui.bottomPicture->setPixmap(bottom);
            });

    connect(m_tray, &TrayMenu::startStopChosen, m_ui.startStopButton, &QPushButton::click);
    connect(m_tray, &TrayMenu::notesChosen, this, &MainWindow::offerNotes);
    connect(m_tray, &TrayMenu::exitChosen, this, &QWidget::close);

    connect(m_session, &SessionModel::started, this, [this] {
        m_ui.startTimeLabel->setText(m_session->startStamp());
        m_ui.stopTimeLabel->clear();
    });
    connect(m_session, &SessionModel::stopped, this,
            [this] { m_ui.stopTimeLabel->setText(m_session->stopStamp()); });
    connect(m_session, &SessionModel::elapsedTextChanged, this, [this](const QString& text) {
        m_ui.elapsedLabel->setText(text);
        m_tray->showElapsed(text);
    });
    connect(m_session, &SessionModel::promptDue, this, &MainWindow::raisePrompt);
    connect(m_session, &SessionModel::logFailed, this, &MainWindow::reportLogFailure);
    connect(m_away, &AwayTracker::questionChanged, this, &MainWindow::askAboutAwayTime);
    connect(m_away, &AwayTracker::questionClosed, this, [this] {
        if (m_awayQuestion)
            m_awayQuestion->discard();
    });
}
