#include "app/form1.h"

#include "app/frmnotes.h"
#include "app/secondtimer.h"
#include "storage/datafiles.h"
#include "tray/traymodule.h"
#include "ui/assets/assets.h"
#include "ui/fonts.h"
#include "ui/form1layout.h"
#include "ui/linklabel.h"
#include "ui/updown.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

Form1::Form1(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
    , Timer1(services.timer)
    , m_services(services)
    , m_dateText(services.locale) {
    Timer1->setParent(this);
    setWindowTitle(QStringLiteral("Tallyhawk 1.0"));
    setWindowIcon(assets::programIcon());
    setFont(fonts::standard());
    setFixedSize(form1layout::ClientSize);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    createControls();
    createMenu();
    nameControls();
    connectHandlers();
}

Form1::~Form1() = default;

void Form1::createControls() {
    namespace L = form1layout;
    // Created bottom of the z-order first: a later sibling is drawn over an earlier one.
    // Until a colour scheme is chosen, the window shows the Default scheme's pictures.
    ImgBottom = new QLabel(this);
    ImgBottom->setPixmap(QPixmap(assets::BottomDefault));
    ImgBottom->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(ImgBottom, L::ImgBottom);
    ImgTop = new QLabel(this);
    ImgTop->setPixmap(QPixmap(assets::TopDefault));
    ImgTop->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(ImgTop, L::ImgTop);

    auto link = [this](const QString& caption, const TwipsRect& rect) {
        auto* label = new LinkLabel(caption, this);
        label->setFont(fonts::arialBold(9.75, true));
        label->setForegroundRole(QPalette::Highlight);
        label->setCursor(assets::linkCursor());
        place(label, rect);
        return label;
    };
    auto value = [this](const QString& caption, const TwipsRect& rect) {
        auto* label = new QLabel(caption, this);
        label->setFont(fonts::arialBold(12));
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(pal);
        place(label, rect);
        return label;
    };
    LblReports = link(QStringLiteral("Reports"), L::LblReports);
    LblStartTime = value(QStringLiteral("0:00"), L::LblStartTime);
    LblStopTime = value(QStringLiteral("0:00"), L::LblStopTime);
    LblTotalTime = value(QStringLiteral("N/A"), L::LblTotalTime);
    Label3 = new QLabel(QStringLiteral("minutes"), this);
    place(Label3, L::Label3);
    LblSettings = link(QStringLiteral("Settings"), L::LblSettings);
    LblAbout = link(QStringLiteral("About"), L::LblAbout);

    ChkAskMe = new QCheckBox(QStringLiteral("Ask me what I 'am doing every"), this);
    ChkAskMe->setChecked(true);
    // It paints its own white background over the picture, not the button colour.
    ChkAskMe->setBackgroundRole(QPalette::Window);
    ChkAskMe->setAutoFillBackground(true);
    place(ChkAskMe, L::ChkAskMe);
    CmdStartStop = new QPushButton(QStringLiteral("&Start"), this);
    place(CmdStartStop, L::CmdStartStop);
    CboProject = new QComboBox(this);
    CboProject->setEditable(true);
    CboProject->setInsertPolicy(QComboBox::NoInsert);
    // The name is used exactly as typed. With Qt's completer the box would complete it in
    // place, and swap in a listed name that differs only in case when the focus leaves it.
    CboProject->setCompleter(nullptr);
    place(CboProject, L::CboProject);
    CmdNotes = new QPushButton(QStringLiteral("&Notes"), this);
    CmdNotes->setEnabled(false);
    place(CmdNotes, L::CmdNotes);
    CmdAdd = new QPushButton(QStringLiteral("+"), this);
    place(CmdAdd, L::CmdAdd);
    TxtAsk = new QLineEdit(QStringLiteral("30"), this);
    TxtAsk->setAlignment(Qt::AlignCenter);
    place(TxtAsk, L::TxtAsk);
    // The seconds value of the clock: never shown, its change is the tick.
    Text1 = new QLineEdit(this);
    Text1->setVisible(false);
    place(Text1, L::Text1);
    // The minute counter lies below the window's edge, so it is never seen.
    TxtMin = new QLineEdit(QStringLiteral("0"), this);
    place(TxtMin, L::TxtMin);
    CmdRemove = new QPushButton(QStringLiteral("-"), this);
    place(CmdRemove, L::CmdRemove);
    UpDown = new UpDownControl(this);
    UpDown->setRange(0, 50000);
    UpDown->setValue(30);
    place(UpDown, L::UpDown);

    setTabOrder(CmdStartStop, CboProject);
    setTabOrder(CboProject, CmdNotes);
    setTabOrder(CmdNotes, CmdAdd);
    setTabOrder(CmdAdd, ChkAskMe);
    setTabOrder(ChkAskMe, TxtAsk);
    setTabOrder(TxtAsk, Text1);
    setTabOrder(Text1, TxtMin);
    setTabOrder(TxtMin, CmdRemove);
    setTabOrder(CmdRemove, UpDown);
    CmdStartStop->setFocus();
}

void Form1::createMenu() {
    // Never a menu bar: only ever popped up from the notification-area icon.
    MnuFile = new QMenu(QStringLiteral("&File"), this);
    MnuElapsed = MnuFile->addAction(QStringLiteral("Elapsed Time"));
    MnuFile->addSeparator();
    MnuExit = MnuFile->addAction(QStringLiteral("E&xit"));
    MnuOpen = MnuFile->addAction(QStringLiteral("O&pen"));
    MnuFile->addSeparator();
    MnuStartStop = MnuFile->addAction(QStringLiteral("Start Project"));
    MnuFile->addSeparator();
    MnuNotes = MnuFile->addAction(QStringLiteral("&Notes"));
    MnuFile->addSeparator();
    MnuOk = MnuFile->addAction(QStringLiteral("&Hide Menu"));
}

void Form1::nameControls() {
    setObjectName(QStringLiteral("Form1"));
    const std::initializer_list<std::pair<QObject*, const char*>> controls = {
        {CmdStartStop, "CmdStartStop"},
        {CmdNotes, "CmdNotes"},
        {CmdAdd, "CmdAdd"},
        {CmdRemove, "CmdRemove"},
        {CboProject, "CboProject"},
        {ChkAskMe, "ChkAskMe"},
        {TxtAsk, "TxtAsk"},
        {UpDown, "UpDown"},
        {TxtMin, "TxtMin"},
        {Text1, "Text1"},
        {Label3, "Label3"},
        {LblStartTime, "LblStartTime"},
        {LblStopTime, "LblStopTime"},
        {LblTotalTime, "LblTotalTime"},
        {LblReports, "LblReports"},
        {LblSettings, "LblSettings"},
        {LblAbout, "LblAbout"},
        {ImgTop, "ImgTop"},
        {ImgBottom, "ImgBottom"},
        {Timer1, "Timer1"},
        {MnuFile, "MnuFile"},
        {MnuElapsed, "MnuElapsed"},
        {MnuExit, "MnuExit"},
        {MnuOpen, "MnuOpen"},
        {MnuStartStop, "MnuStartStop"},
        {MnuNotes, "MnuNotes"},
        {MnuOk, "MnuOk"}};
    for (const auto& [control, name] : controls)
        control->setObjectName(QLatin1StringView(name));
}

void Form1::connectHandlers() {
    connect(CmdStartStop, &QPushButton::clicked, this, &Form1::CmdStartStop_Click);
    connect(CmdNotes, &QPushButton::clicked, this, &Form1::CmdNotes_Click);
    connect(CmdAdd, &QPushButton::clicked, this, &Form1::CmdAdd_Click);
    connect(CmdRemove, &QPushButton::clicked, this, &Form1::CmdRemove_Click);
    connect(Timer1, &SecondTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(TxtMin, &QLineEdit::textChanged, this, &Form1::TxtMin_Change);
    connect(TxtAsk, &QLineEdit::textChanged, this, &Form1::TxtAsk_Change);
    connect(ChkAskMe, &QCheckBox::stateChanged, this, &Form1::ChkAskMe_Click);
    connect(UpDown, &UpDownControl::valueChanged, this, &Form1::UpDown_Change);
    connect(LblReports, &LinkLabel::clicked, this, &Form1::LblReports_Click);
    connect(LblSettings, &LinkLabel::clicked, this, &Form1::LblSettings_Click);
    connect(LblAbout, &LinkLabel::clicked, this, &Form1::LblAbout_Click);
    connect(MnuExit, &QAction::triggered, this, &Form1::MnuExit_Click);
    connect(MnuOpen, &QAction::triggered, this, &Form1::MnuOpen_Click);
    connect(MnuStartStop, &QAction::triggered, this, &Form1::MnuStartStop_Click);
    connect(MnuNotes, &QAction::triggered, this, &Form1::MnuNotes_Click);
    connect(&m_services.tray, &TrayIcon::mouseEvent, this, &Form1::onTrayEvent);
}

QString Form1::logPath() const {
    return datafiles::path(m_services.appFolder, datafiles::Tasks);
}

bool Form1::isRunning() const {
    return CmdStartStop->text() == u"&Stop";
}

void Form1::Form_Load() {
    Timer1->setEnabled(false);
    m_tickCount = 0;
    loadProjectList();
    applySavedSettings();
    restoreUnwrittenLines();
}

void Form1::Form_Unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    // The other windows go with the program, without their own unload: a note still open is
    // not logged.
    if (m_notes)
        m_notes->discard();
    RemoveFromTray(m_services.tray);
    saveSettings();
    if (isRunning())
        CmdStartStop_Click();
    keepUnwrittenLines();
    emit unloaded();
}

void Form1::requestShutdown() {
    // The desktop is going away: nobody may be there to answer a box.
    m_quietFailures = true;
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

void Form1::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void Form1::MnuExit_Click() {
    close();
}
