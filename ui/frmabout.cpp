#include "ui/frmabout.h"

#include "ui/assets/assets.h"
#include "ui/desktop.h"
#include "ui/dialogs.h"
#include "ui/fonts.h"
#include "ui/frmaboutlayout.h"
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

} // namespace

FrmAbout::FrmAbout(Desktop& desktop, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_desktop(desktop)
    , m_dialogs(dialogs) {
    namespace L = frmaboutlayout;
    setObjectName(QStringLiteral("FrmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About"));
    setFont(fonts::standard());
    setFixedSize(L::ClientSize);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    setColours(Picture1, Qt::black, Qt::white);
    place(Picture1, L::Picture1);

    // Created bottom of the z-order first.
    Label1 = new QLabel(vendor::Credit.toString(), Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(fonts::arialBold(8.25));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColours(Label1, Qt::black, Qt::white);
    place(Label1, L::Label1);

    Image1 = new LinkLabel(Picture1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(assets::Logo));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setCursor(assets::linkCursor());
    place(Image1, L::Image1);

    auto link = [this](const QString& name, const QString& caption, const TwipsRect& rect) {
        auto* label = new LinkLabel(caption, Picture1);
        label->setObjectName(name);
        label->setFont(fonts::arialBold(8.25, true));
        setColours(label, Qt::blue, Qt::white);
        label->setCursor(assets::linkCursor());
        place(label, rect);
        return label;
    };
    Label2 = link(QStringLiteral("Label2"), vendor::WebSiteName.toString(), L::Label2);
    Label3 = link(QStringLiteral("Label3"), vendor::Email.toString(), L::Label3);

    Label4 = new QLabel(QStringLiteral("Freeware Edition"), Picture1);
    Label4->setObjectName(QStringLiteral("Label4"));
    QFont edition = fonts::standard();
    edition.setBold(true);
    Label4->setFont(edition);
    Label4->setAlignment(Qt::AlignCenter);
    setColours(Label4, Qt::white, Qt::black);
    place(Label4, L::Label4);

    connect(Image1, &LinkLabel::clicked, this, &FrmAbout::Image1_Click);
    connect(Label2, &LinkLabel::clicked, this, &FrmAbout::Label2_Click);
    connect(Label3, &LinkLabel::clicked, this, &FrmAbout::Label3_Click);
}

void FrmAbout::Image1_Click() {
    openWebPage();
}

void FrmAbout::Label2_Click() {
    openWebPage();
}

void FrmAbout::Label3_Click() {
    open(QUrl(QStringLiteral("mailto:") + vendor::Email.toString()),
         QStringLiteral("start a new e-mail to %1").arg(vendor::Email));
}

void FrmAbout::openWebPage() {
    open(QUrl(vendor::WebPage.toString()),
         QStringLiteral("open the web page %1").arg(vendor::WebPage));
}

void FrmAbout::open(const QUrl& url, const QString& action) {
    if (m_desktop.openUrl(url))
        return;
    m_dialogs.messageBox(
        this, Dialogs::Message::warning(QStringLiteral("Tallyhawk could not %1: the desktop has no "
                                                       "program set up for it.")
                                            .arg(action)));
}
