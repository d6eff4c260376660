#include "ui/aboutwindow.h"

#include "ui/aboutwindowlayout.h"
#include "ui/assets/assets.h"
#include "ui/desktop.h"
#include "ui/dialogs.h"
#include "ui/fonts.h"
#include "ui/linklabel.h"
#include "ui/vendor.h"

#include <QLabel>
#include <QUrl>

namespace {

void setColours(QWidget* widget, const QColor& text, const QColor& back) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Window, back);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

LinkLabel* addLink(QWidget* panel, const QString& name, const QString& caption,
                   const QString& opens, const TwipsRect& rect) {
    auto* link = new LinkLabel(caption, panel);
    link->setObjectName(name);
    link->setFocusPolicy(Qt::TabFocus);
    link->setAccessibleDescription(opens);
    link->setFont(fonts::arialBold(8.25, true));
    setColours(link, Qt::blue, Qt::white);
    link->setCursor(assets::linkCursor());
    place(link, rect);
    return link;
}

} // namespace

AboutWindow::AboutWindow(Desktop& desktop, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_desktop(desktop)
    , m_dialogs(dialogs) {
    namespace L = aboutwindowlayout;
    setObjectName(QStringLiteral("FrmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("About"));
    setFont(fonts::standard());
    setFixedSize(L::ClientSize);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Picture1"));
    setColours(panel, Qt::black, Qt::white);
    place(panel, L::Panel);

    // Created bottom of the z-order first.
    auto* creditLine = new QLabel(vendor::Credit.toString(), panel);
    creditLine->setObjectName(QStringLiteral("Label1"));
    creditLine->setFont(fonts::arialBold(8.25));
    creditLine->setWordWrap(true);
    creditLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColours(creditLine, Qt::black, Qt::white);
    place(creditLine, L::CreditLine);

    auto* logo = new LinkLabel(panel);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setPixmap(assets::pixmap(assets::Logo));
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    logo->setCursor(assets::linkCursor());
    logo->setAccessibleName(tr("Logo"));
    logo->setAccessibleDescription(tr("Opens the web page"));
    place(logo, L::Logo);

    // Tab reaches the web site link, then the e-mail link, as the design's tab order has them.
    LinkLabel* webLink = addLink(panel, QStringLiteral("Label2"), vendor::WebSiteName.toString(),
                                 tr("Opens the web page"), L::WebLink);
    LinkLabel* emailLink = addLink(panel, QStringLiteral("Label3"), vendor::Email.toString(),
                                   tr("Starts a new e-mail"), L::EmailLink);

    auto* editionLabel = new QLabel(tr("Freeware Edition"), panel);
    editionLabel->setObjectName(QStringLiteral("Label4"));
    QFont edition = fonts::standard();
    edition.setBold(true);
    editionLabel->setFont(edition);
    editionLabel->setAlignment(Qt::AlignCenter);
    setColours(editionLabel, Qt::white, Qt::black);
    place(editionLabel, L::EditionLabel);

    connect(logo, &LinkLabel::clicked, this, &AboutWindow::openWebPage);
    connect(webLink, &LinkLabel::clicked, this, &AboutWindow::openWebPage);
    connect(emailLink, &LinkLabel::clicked, this, &AboutWindow::startEmail);
}

void AboutWindow::openWebPage() {
    open(QUrl(vendor::WebPage.toString()), tr("open the web page %1").arg(vendor::WebPage));
}

void AboutWindow::startEmail() {
    open(QUrl(QStringLiteral("mailto:") + vendor::Email.toString()),
         tr("start a new e-mail to %1").arg(vendor::Email));
}

void AboutWindow::open(const QUrl& url, const QString& action) {
    if (m_desktop.openUrl(url))
        return;
    m_dialogs.messageBox(this,
                         Dialogs::Message::warning(tr("Tallyhawk could not %1: the desktop has no "
                                                      "program set up for it.")
                                                       .arg(action)));
}
