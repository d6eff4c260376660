#include "ui/settingswindow.h"

#include "ui/assets/assets.h"
#include "ui/fonts.h"
#include "ui/linklabel.h"
#include "ui/readablecolour.h"
#include "ui/schemechoice.h"
#include "ui/settingswindowlayout.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

using schemes::Scheme;

namespace {

// A button paints its background in the button colour; these sit on white, and their captions
// must read there whatever the desktop's text colour.
void paintWhite(QWidget* button) {
    button->setBackgroundRole(QPalette::Window);
    button->setAutoFillBackground(true);
    QPalette pal = button->palette();
    pal.setColor(QPalette::WindowText,
                 readablecolour::on(pal.color(QPalette::WindowText), Qt::white));
    button->setPalette(pal);
}

} // namespace

SettingsWindow::SettingsWindow(SchemeChoice& choice, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_choice(choice) {
    namespace L = settingswindowlayout;
    setObjectName(QStringLiteral("FrmSettings"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Settings"));
    setFont(fonts::standard());
    resize(L::ClientSize);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    // Created bottom of the z-order first: each upper thumbnail lies over its lower one.
    addThumbnail(Scheme::OrangeCream, false, L::ImgBottomOrange, "ImgBottomOrange");
    addThumbnail(Scheme::Default, false, L::ImgBottomDefault, "ImgBottomDefault");
    addThumbnail(Scheme::Black, false, L::ImgBottomBlack, "ImgBottomBlack");
    addThumbnail(Scheme::Red, false, L::ImgBottomRed, "ImgBottomRed");
    addThumbnail(Scheme::Default, true, L::ImgTopDefault, "ImgTopDefault");
    addThumbnail(Scheme::Red, true, L::ImgTopRed, "ImgTopRed");
    addThumbnail(Scheme::Black, true, L::ImgTopBlack, "ImgTopBlack");
    addThumbnail(Scheme::OrangeCream, true, L::ImgTopOrange, "ImgTopOrange");
    auto* exitPicture = new LinkLabel(this);
    exitPicture->setObjectName(QStringLiteral("ImgExit"));
    exitPicture->setAccessibleName(tr("Exit"));
    exitPicture->setAccessibleDescription(tr("Closes the Settings window"));
    exitPicture->setPixmap(assets::pixmap(assets::Exit));
    exitPicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(exitPicture, L::ImgExit);

    // Created in tab order, which is also the order the arrow keys step through.
    m_defaultOption = addOption(Scheme::Default, L::OptDefault, "OptDefault");
    m_redOption = addOption(Scheme::Red, L::OptRed, "OptRed");
    m_blackOption = addOption(Scheme::Black, L::OptBlack, "OptBlack");
    m_orangeCreamOption = addOption(Scheme::OrangeCream, L::OptOrangeCream, "OptOrangeCream");
    m_minimizeBox = new QCheckBox(tr("Minimize to try when project starts"), this);
    m_minimizeBox->setObjectName(QStringLiteral("ChkMin"));
    paintWhite(m_minimizeBox);
    place(m_minimizeBox, L::ChkMin);

    showRestoredChoices();
    for (const schemes::SchemeInfo& each : schemes::all()) {
        connect(option(each.scheme), &QRadioButton::toggled, this,
                [this, scheme = each.scheme](bool on) {
                    if (on)
                        m_choice.choose(scheme, this);
                });
    }
    connect(m_minimizeBox, &QCheckBox::toggled, this,
            [this](bool on) { m_choice.setMinimize(on, this); });
    connect(exitPicture, &LinkLabel::clicked, this, &QWidget::close);
}

void SettingsWindow::addThumbnail(Scheme scheme, bool upper, const TwipsRect& rect,
                                  const char* name) {
    const schemes::SchemeInfo& shown = schemes::info(scheme);
    auto* image = new QLabel(this);
    image->setObjectName(QLatin1StringView(name));
    image->setAccessibleName(upper ? tr("%1, upper picture").arg(tr(shown.caption))
                                   : tr("%1, lower picture").arg(tr(shown.caption)));
    image->setPixmap(assets::pixmap(upper ? shown.top : shown.bottom));
    image->setScaledContents(true);
    place(image, rect);
}

QRadioButton* SettingsWindow::addOption(Scheme scheme, const TwipsRect& rect, const char* name) {
    auto* button = new QRadioButton(tr(schemes::info(scheme).caption), this);
    button->setObjectName(QLatin1StringView(name));
    paintWhite(button);
    button->installEventFilter(this);
    place(button, rect);
    // The design's sizes leave no spare room around a caption for a font or indicator wider
    // than the ones it was drawn with; nothing lies right of or below these buttons, so they
    // grow to show the whole caption and circle instead of cutting them off.
    button->resize(button->size().expandedTo(button->sizeHint()));
    return button;
}

QRadioButton* SettingsWindow::option(Scheme scheme) const {
    switch (scheme) {
    case Scheme::Default:
        return m_defaultOption;
    case Scheme::Red:
        return m_redOption;
    case Scheme::Black:
        return m_blackOption;
    case Scheme::OrangeCream:
        return m_orangeCreamOption;
    }
    return nullptr;
}

void SettingsWindow::showRestoredChoices() {
    // Start-up has already shown and written them; the window only shows them.
    const SchemeChoice::Restored restored = m_choice.takeRestored();
    if (restored.scheme)
        option(*restored.scheme)->setChecked(true);
    m_minimizeBox->setChecked(restored.minimize);
}

bool SettingsWindow::eventFilter(QObject* watched, QEvent* event) {
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

bool SettingsWindow::selectNeighbour(QObject* from, int step) {
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
