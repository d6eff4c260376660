#include "app/mainwindow.h"

#include "app/activityprompt.h"
#include "app/logmessages.h"
#include "app/mainwindowlayout.h"
#include "app/noteswindow.h"
#include "app/otherwindows.h"
#include "app/projectbox.h"
#include "app/traymenu.h"
#include "app/unicodechoice.h"
#include "away/awayquestionwindow.h"
#include "session/awaytracker.h"
#include "session/clock.h"
#include "session/logcorrections.h"
#include "session/projectlist.h"
#include "session/secondtimer.h"
#include "session/sessioncontrol.h"
#include "session/sessionlog.h"
#include "session/sessionmodel.h"
#include "storage/ansitext.h"
#include "storage/datafiles.h"
#include "storage/onelinetext.h"
#include "tallyhawk/version.h"
#include "ui/announcement.h"
#include "ui/assets/assets.h"
#include "ui/desktop.h"
#include "ui/fonts.h"
#include "ui/linklabel.h"
#include "ui/windowplacement.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

QString promptTitle() {
    return MainWindow::tr("What are you doing now?");
}

QString nameMissing() {
    return MainWindow::tr("Please enter a project name");
}

} // namespace

MainWindow::MainWindow(const Services& services, std::unique_ptr<SecondTimer> timer,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
    , m_services(services)
    , m_warnings(services.dialogs, this)
    , m_settings(datafiles::path(services.dataFolder, datafiles::Settings)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(programversion::Title.toString());
    setWindowIcon(assets::programIcon());
    setFont(fonts::standard());
    setFixedSize(mainwindowlayout::ClientSize);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    timer->setObjectName(QStringLiteral("Timer1"));
    m_log = new SessionLog(datafiles::path(services.dataFolder, datafiles::Tasks),
                           services.recoveryFolder, this);
    m_session = new SessionModel(services.clock, std::move(timer), services.locale, *m_log, this);
    m_projects = new ProjectList(datafiles::path(services.dataFolder, datafiles::Projects), this);
    m_control = new SessionControl(*m_session, *m_projects, services.clock, this);
    m_corrections = std::make_unique<LogCorrections>(*m_log, *m_session, services.clock);
    m_unicode =
        std::make_unique<UnicodeChoice>(m_services.dialogs, *m_log, *m_projects, m_settings);
    m_away = new AwayTracker(*m_session, services.clock, services.idle, services.sleep, this);
    m_tray = new TrayMenu(services.tray, this);
    m_otherWindows = new OtherWindows(m_services, m_settings, *m_log, *m_corrections, this);
    m_ui = MainWindowControls::create(this, *m_projects, m_session->elapsedText(),
                                      m_session->promptInterval());
    m_prompt =
        new ActivityPrompt(*m_session, m_ui.askMeBox, m_ui.intervalBox, m_ui.intervalArrows, this);
    connectControls();
    connectSession();
}

MainWindow::~MainWindow() = default;

void MainWindow::startUp() {
    if (const FileResult loaded = m_projects->load(); !loaded.ok())
        m_warnings.warn(
            tr("The project list could not be read.\n\n%1").arg(loaded.message(u"read")));
    restoreSettings();
    // Until a colour scheme is chosen, the window shows the Default scheme's pictures; a
    // saved scheme has put its own there already.
    if (m_ui.topPicture->pixmap().isNull()) {
        m_ui.topPicture->setPixmap(assets::pixmap(assets::TopDefault));
        m_ui.bottomPicture->setPixmap(assets::pixmap(assets::BottomDefault));
    }
    restoreKeptLines();
}

void MainWindow::restoreSettings() {
    m_settings.load();
    // A log kept as UTF-8 takes names in any script; a settings file made anew must too.
    if (m_log->encoding() == ansi::Encoding::Utf8)
        m_settings.makeNewFileAsUtf8();
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
        m_warnings.warn(tr("The settings could not be saved.\n\n%1").arg(result.message()));
}

void MainWindow::restoreKeptLines() {
    if (const auto notice = logmessages::restored(m_log->restoreKept(), *m_log))
        notice->warning ? m_warnings.warn(notice->text) : m_warnings.tell(notice->text);
}

void MainWindow::keepUnwrittenLines() {
    if (const auto notice = logmessages::kept(m_log->keepUnwritten(), *m_log))
        m_warnings.warn(notice->text);
}

void MainWindow::shutDown() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_closing = true;
    // A Start that waits for its comment is finished without one, as the box's Cancel does,
    // before its stop.
    if (m_cancelComment)
        m_cancelComment();
    m_session->finishStart(QString());
    // The other windows go with the program, without their own unload: a note still open is
    // not logged.
    if (m_notes)
        m_notes->discard();
    m_tray->removeIcon();
    saveSettings();
    if (m_session->isRunning())
        m_ui.startStopButton->click();
    keepUnwrittenLines();
    m_warnings.whenAnswered([this] { emit unloaded(); });
}

void MainWindow::bringForward() {
    m_tray->restoreWindow();
    raise();
    activateWindow();
}

QString MainWindow::shownProject() const {
    return m_ui.projectBox->projectName();
}

void MainWindow::requestShutdown() {
    // The desktop is going away: nobody may be there to answer a box.
    m_warnings.goQuiet();
    m_closing = true;
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
    // The comment box is open: its answer finishes that Start.
    if (m_session->isStarting())
        return;
    if (m_session->isRunning())
        m_control->stop();
    else
        startSession();
}

void MainWindow::startSession() {
    if (const Refused refused = m_control->beginStart(m_ui.projectBox->projectName())) {
        if (refused->kind == Refusal::Kind::Unencodable) {
            m_unicode->ask(this, refused->reason, [this] { startSession(); });
            return;
        }
        // The window comes back from the tray, so that a name can be typed.
        m_services.dialogs.messageBox(this, Dialogs::Message::plain(refused->reason),
                                      [this](Dialogs::Answer) { m_tray->restoreWindow(); });
        return;
    }
    askStartingComment();
}

void MainWindow::askStartingComment() {
    // The clock runs while the user answers.
    m_cancelComment = m_services.dialogs.inputBox(
        this,
        {promptTitle(),
         tr("What are you doing this moment?\r\n\r\nNote: \"You may click the \"Notes\" "
            "button at any time to log what you are doing."),
         // The preset answer goes into the log as it stands, in every language.
         QStringLiteral("Default")},
        [this](const std::optional<QString>& comment) {
            m_cancelComment = nullptr;
            finishStart(comment.value_or(QString()));
        });
}

void MainWindow::finishStart(const QString& comment) {
    const Refused refused = m_control->checkComment(comment);
    if (!refused) {
        m_control->finishStart(comment);
        return;
    }
    // Start waits for its comment meanwhile: No, or a refusal, asks for it again.
    if (refused->kind == Refusal::Kind::Unencodable) {
        m_unicode->ask(
            this, refused->reason, [this, comment] { finishStart(comment); },
            [this] { askStartingComment(); });
        return;
    }
    m_services.dialogs.messageBox(this, Dialogs::Message::plain(refused->reason),
                                  [this](Dialogs::Answer) { askStartingComment(); });
}

void MainWindow::logRefusedNote(const QString& note, const QString& why) {
    m_unicode->ask(this, why, [this, note] {
        if (const FileResult written = m_session->logNote(note); !written.ok())
            reportLogFailure(written);
    });
}

void MainWindow::showStartStopMenu(const QPoint& at) {
    if (m_session->isStarting())
        return;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (m_session->isRunning()) {
        menu->addAction(tr("Stop at…"), this, &MainWindow::stopAt);
        menu->addAction(tr("Change start time…"), this, &MainWindow::changeStart);
    } else {
        menu->addAction(tr("Start at…"), this, &MainWindow::startAt);
    }
    menu->popup(m_ui.startStopButton->mapToGlobal(at));
}

void MainWindow::askMoment(const QString& title, const QString& prompt, const QString& preset,
                           MomentDialog::Act act, std::function<void()> then) {
    auto* dialog = new MomentDialog(title, prompt, preset, m_services.locale,
                                    m_services.clock.now().date(), std::move(act), this);
    if (then)
        connect(dialog, &QDialog::accepted, this, std::move(then));
    dialog->open();
}

void MainWindow::startAt() {
    const QString name = m_ui.projectBox->projectName();
    if (name.isEmpty()) {
        m_services.dialogs.messageBox(this, Dialogs::Message::plain(nameMissing()));
        return;
    }
    if (const Refused refused = m_control->checkProject(name);
        refused && refused->kind == Refusal::Kind::Unencodable) {
        m_unicode->ask(this, refused->reason, [this] { startAt(); });
        return;
    }
    const QString now = m_session->dateText().format(m_services.clock.now());
    askMoment(
        tr("Start at"), tr("Start the session of %1 at:").arg(name), now,
        [this, name](const QDateTime& at) -> std::optional<QString> {
            if (const Refused refused = m_control->beginStart(name, at))
                return refused->reason;
            return std::nullopt;
        },
        [this] { askStartingComment(); });
}

void MainWindow::stopAt() {
    const QString now = m_session->dateText().format(m_services.clock.now());
    askMoment(tr("Stop at"), tr("Stop the session at:"), now,
              [this](const QDateTime& at) -> std::optional<QString> {
                  if (const Refused refused = m_control->stop(at))
                      return refused->reason;
                  return std::nullopt;
              });
}

void MainWindow::changeStart() {
    askMoment(tr("Change start time"), tr("The session started at:"), m_session->startStamp(),
              [this](const QDateTime& at) { return m_corrections->moveRunningStart(at); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Shift+F10 opens a context menu, as the menu key does.
    if (watched == m_ui.startStopButton && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            showStartStopMenu(m_ui.startStopButton->rect().center());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::onStartFinished() {
    m_cancelComment = nullptr;
    showSessionState();
    if (m_settings.minimizeOnStart() && !m_closing)
        setWindowState(windowState() | Qt::WindowMinimized);
}

void MainWindow::showSessionState() {
    const bool running = m_session->isRunning();
    m_ui.notesButton->setEnabled(running);
    m_ui.addButton->setEnabled(!running);
    m_ui.removeButton->setEnabled(!running);
    m_ui.projectBox->setEnabled(!running);
    m_ui.startStopButton->setText(running ? tr("&Stop") : tr("&Start"));
    m_tray->showRunning(running);
}

void MainWindow::reportProjectListFailure(const QString& name, const FileResult& result) {
    if (name.isEmpty()) {
        m_warnings.warn(tr("The project list could not be saved.\n\n%1").arg(result.message()));
        return;
    }
    m_warnings.warn(tr("The project \"%1\" is in the list for now, but could not be "
                       "saved.\n\n%2")
                        .arg(name, result.message()));
}

void MainWindow::reportLogFailure(const FileResult& result) {
    // While the program ends, what becomes of the kept lines is said once, at the end.
    if (m_unloaded)
        return;
    m_warnings.warn(logmessages::writeFailed(result));
}

NotesWindow* MainWindow::showNotesWindow() {
    if (!m_notes) {
        m_notes = new NotesWindow(*m_session, m_services.dialogs, this);
        connect(m_notes, &NotesWindow::noteRefused, this, &MainWindow::logRefusedNote);
    }
    m_notes->show();
    return m_notes;
}

void MainWindow::offerNotes() {
    if (m_ui.notesButton->isEnabled()) {
        m_ui.notesButton->click();
        return;
    }
    const QString question = tr("Project - %1 is not running. Would you like to start the project?")
                                 .arg(m_ui.projectBox->projectName());
    m_services.dialogs.messageBox(this, Dialogs::Message::question(question),
                                  [this](Dialogs::Answer answer) {
                                      // Started from outside meanwhile: Yes must not stop it.
                                      if (answer == Dialogs::Answer::Yes && !m_session->isRunning())
                                          m_ui.startStopButton->click();
                                  });
}

void MainWindow::raisePrompt() {
    m_services.desktop.beep();
    NotesWindow* notes = showNotesWindow();
    notes->setWindowTitle(promptTitle());
    m_services.placement.SetTopMost(notes, true);
    // Shown without the focus: a screen reader is told instead.
    announce(notes, notes->windowTitle());
}

void MainWindow::askAboutAwayTime(const AwayPeriod& period) {
    if (!m_awayQuestion) {
        m_awayQuestion = new AwayQuestionWindow(this);
        connect(m_awayQuestion, &AwayQuestionWindow::keepChosen, this, &MainWindow::keepAwayTime);
        connect(m_awayQuestion, &AwayQuestionWindow::stopWhenLeftChosen, m_away,
                &AwayTracker::stopWhenLeft);
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

void MainWindow::connectControls() {
    connect(m_ui.startStopButton, &QPushButton::clicked, this, &MainWindow::startOrStop);
    m_ui.startStopButton->setContextMenuPolicy(Qt::CustomContextMenu);
    m_ui.startStopButton->installEventFilter(this);
    connect(m_ui.startStopButton, &QWidget::customContextMenuRequested, this,
            &MainWindow::showStartStopMenu);
    connect(m_ui.notesButton, &QPushButton::clicked, this, [this] {
        NotesWindow* notes = showNotesWindow();
        notes->raise();
        notes->activateWindow();
    });
    connect(m_ui.addButton, &QPushButton::clicked, this, [this] {
        const QString name = m_ui.projectBox->projectName();
        if (name.isEmpty())
            m_services.dialogs.messageBox(this, Dialogs::Message::plain(nameMissing()));
        else
            (void)m_projects->add(name);
    });
    connect(m_ui.removeButton, &QPushButton::clicked, m_ui.projectBox,
            &ProjectBox::removeShownEntry);
    connect(m_projects, &ProjectList::writeFailed, this, &MainWindow::reportProjectListFailure);
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
}

void MainWindow::connectSession() {
    connect(m_session, &SessionModel::started, this, [this] {
        // A session started from outside shows its project, and is the one a toggle starts next.
        if (m_ui.projectBox->projectName() != m_session->project())
            m_ui.projectBox->setEditText(m_session->project());
        m_ui.startTimeLabel->setText(m_session->startStamp());
        m_ui.stopTimeLabel->clear();
    });
    connect(m_session, &SessionModel::startFinished, this, &MainWindow::onStartFinished);
    connect(m_session, &SessionModel::startMoved, this,
            [this] { m_ui.startTimeLabel->setText(m_session->startStamp()); });
    connect(m_session, &SessionModel::stopped, this, [this] {
        m_ui.stopTimeLabel->setText(m_session->stopStamp());
        showSessionState();
    });
    connect(m_session, &SessionModel::elapsedTextChanged, this, [this](const QString& text) {
        m_ui.elapsedLabel->setText(text);
        m_tray->showElapsed(text);
    });
    connect(m_session, &SessionModel::promptDue, this, &MainWindow::raisePrompt);
    connect(m_session, &SessionModel::logFailed, this, &MainWindow::reportLogFailure);
    connect(m_control, &SessionControl::logFailed, this, &MainWindow::reportLogFailure);
    connect(m_log, &SessionLog::recoveryFileLeft, this, [this](const FileResult& removal) {
        m_warnings.warn(logmessages::recoveryFileLeft(removal));
    });
    connect(m_away, &AwayTracker::questionChanged, this, &MainWindow::askAboutAwayTime);
    connect(m_away, &AwayTracker::questionClosed, this, [this] {
        if (m_awayQuestion)
            m_awayQuestion->discard();
    });
}
