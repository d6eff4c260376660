#include "ui/frmsettings.h"

#include "storage/inifile.h"
#include "ui/assets/assets.h"
#include "ui/dialogs.h"
#include "ui/fonts.h"
#include "ui/frmsettingslayout.h"
#include "ui/linklabel.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

using schemes::Scheme;

namespace {

// A button paints its background in the button colour; these sit on white.
void paintWhite(QWidget* button) {
    button->setBackgroundRole(QPalette::Window);
    button->setAutoFillBackground(true);
}

} // namespace

FrmSettings::FrmSettings(QString settingsFile, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_settingsFile(std::move(settingsFile))
    , m_dialogs(dialogs) {
    namespace L = frmsettingslayout;
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Settings"));
    setFont(fonts::standard());
    resize(L::ClientSize);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    // Created bottom of the z-order first: each upper thumbnail lies over its lower one.
    ImgBottomOrange = thumbnail(assets::BottomOrange, L::ImgBottomOrange);
    ImgBottomDefault = thumbnail(assets::BottomDefault, L::ImgBottomDefault);
    ImgBottomBlack = thumbnail(assets::BottomBlack, L::ImgBottomBlack);
    ImgBottomRed = thumbnail(assets::BottomRed, L::ImgBottomRed);
    ImgTopDefault = thumbnail(assets::TopDefault, L::ImgTopDefault);
    ImgTopRed = thumbnail(assets::TopRed, L::ImgTopRed);
    ImgTopBlack = thumbnail(assets::TopBlack, L::ImgTopBlack);
    ImgTopOrange = thumbnail(assets::TopOrange, L::ImgTopOrange);
    ImgExit = new LinkLabel(this);
    ImgExit->setPixmap(QPixmap(assets::Exit));
    ImgExit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(ImgExit, L::ImgExit);

    // Created in tab order, which is also the order the arrow keys step through.
    OptDefault = optionButton(Scheme::Default, L::OptDefault);
    OptRed = optionButton(Scheme::Red, L::OptRed);
    OptBlack = optionButton(Scheme::Black, L::OptBlack);
    OptOrangeCream = optionButton(Scheme::OrangeCream, L::OptOrangeCream);
    ChkMin = new QCheckBox(QStringLiteral("Minimize to try when project starts"), this);
    paintWhite(ChkMin);
    place(ChkMin, L::ChkMin);

    const std::pair<QWidget*, const char*> designNames[] = {
        {ImgBottomOrange, "ImgBottomOrange"},
        {ImgBottomDefault, "ImgBottomDefault"},
        {ImgBottomBlack, "ImgBottomBlack"},
        {ImgBottomRed, "ImgBottomRed"},
        {ImgTopDefault, "ImgTopDefault"},
        {ImgTopRed, "ImgTopRed"},
        {ImgTopBlack, "ImgTopBlack"},
        {ImgTopOrange, "ImgTopOrange"},
        {ImgExit, "ImgExit"},
        {OptDefault, "OptDefault"},
        {OptRed, "OptRed"},
        {OptBlack, "OptBlack"},
        {OptOrangeCream, "OptOrangeCream"},
        {ChkMin, "ChkMin"},
    };
    for (const auto& [widget, name] : designNames)
        widget->setObjectName(QLatin1StringView(name));

    connect(OptDefault, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            OptDefault_Click();
    });
    connect(OptRed, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            OptRed_Click();
    });
    connect(OptBlack, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            OptBlack_Click();
    });
    connect(OptOrangeCream, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            OptOrangeCream_Click();
    });
    connect(ChkMin, &QCheckBox::toggled, this, &FrmSettings::ChkMin_Click);
    connect(ImgExit, &LinkLabel::clicked, this, &FrmSettings::ImgExit_Click);
}

QLabel* FrmSettings::thumbnail(const QString& picture, const TwipsRect& rect) {
    auto* image = new QLabel(this);
    image->setPixmap(QPixmap(picture));
    image->setScaledContents(true);
    place(image, rect);
    return image;
}

QRadioButton* FrmSettings::optionButton(Scheme scheme, const TwipsRect& rect) {
    auto* button = new QRadioButton(schemes::info(scheme).caption.toString(), this);
    paintWhite(button);
    button->installEventFilter(this);
    place(button, rect);
    // The design's sizes leave no spare room around a caption for a font or indicator wider
    // than the ones it was drawn with; nothing lies right of or below these buttons, so they
    // grow to show the whole caption and circle instead of cutting them off.
    button->resize(button->size().expandedTo(button->sizeHint()));
    return button;
}

QRadioButton* FrmSettings::option(Scheme scheme) const {
    switch (scheme) {
    case Scheme::Default:
        return OptDefault;
    case Scheme::Red:
        return OptRed;
    case Scheme::Black:
        return OptBlack;
    case Scheme::OrangeCream:
        return OptOrangeCream;
    }
    return nullptr;
}

void FrmSettings::OptDefault_Click() {
    applyScheme(ImgTopDefault, ImgBottomDefault);
}

void FrmSettings::OptRed_Click() {
    applyScheme(ImgTopRed, ImgBottomRed);
}

void FrmSettings::OptBlack_Click() {
    applyScheme(ImgTopBlack, ImgBottomBlack);
}

void FrmSettings::OptOrangeCream_Click() {
    applyScheme(ImgTopOrange, ImgBottomOrange);
}

void FrmSettings::applyScheme(const QLabel* top, const QLabel* bottom) {
    emit schemeApplied(top->pixmap(), bottom->pixmap());
    SaveColorScheme();
}

void FrmSettings::SaveColorScheme() {
    // The four flags go in one rewrite: flag by flag, a failure part-way could leave the file
    // with no flag "True", or with two.
    QList<IniValue> flags;
    for (const Scheme scheme : schemes::SaveOrder)
        flags.append(
            {schemes::info(scheme).key.toString(), schemes::flagText(option(scheme)->isChecked())});
    report(WriteINI(schemes::Section, flags, m_settingsFile),
           QStringLiteral("The colour scheme could not be saved; it applies until Tallyhawk "
                          "closes."));
}

void FrmSettings::ChkMin_Click() {
    const QString value = ChkMin->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    report(WriteINI(u"Checkboxes", u"ChkMin", value, m_settingsFile),
           QStringLiteral("The option to minimize when a project starts could not be saved, so "
                          "it does not take effect."));
}

void FrmSettings::ImgExit_Click() {
    close();
}

void FrmSettings::report(const FileResult& result, const QString& what) {
    if (result.ok()) {
        m_writeFailing = false;
        return;
    }
    if (!m_writeFailing) {
        m_writeFailing = true;
        // Hidden at start-up, the window cannot carry a box; its owner can.
        QWidget* over = isVisible() ? this : parentWidget();
        m_dialogs.messageBox(
            over, Dialogs::Message::warning(what + QStringLiteral("\n\n") + result.message()));
    }
}

bool FrmSettings::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    // Qt moves among option buttons by their position on screen and selects only when the
    // button left was selected; here the arrows step through the schemes in tab order, round
    // the end, and always choose the scheme they land on.
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        return selectNeighbour(watched, -1);
    case Qt::Key_Right:
    case Qt::Key_Down:
        return selectNeighbour(watched, +1);
    default:
        return QWidget::eventFilter(watched, event);
    }
}

bool FrmSettings::selectNeighbour(QObject* from, int step) {
    const auto& table = schemes::all();
    const int count = static_cast<int>(table.size());
    for (int i = 0; i < count; ++i) {
        if (option(table[static_cast<std::size_t>(i)].scheme) != from)
            continue;
        const int next = (i + step + count) % count;
        QRadioButton* target = option(table[static_cast<std::size_t>(next)].scheme);
        target->setFocus(Qt::TabFocusReason);
        target->setChecked(true);
        return true;
    }
    return false;
}
