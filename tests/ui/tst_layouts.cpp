// Every window as designed: geometry, captions, tab order, z-order, fonts and colours.
#include "app/frmnotes.h"
#include "tests/support/apprig.h"
#include "ui/assets/assets.h"
#include "ui/form1layout.h"
#include "ui/frmabout.h"
#include "ui/frmsettings.h"
#include "ui/frmsettingslayout.h"
#include "ui/linklabel.h"
#include "ui/updown.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "ui/fonts.h"

namespace {

struct Control {
    const char* name;
    QWidget* widget;
    TwipsRect rect;
    QString caption;
};

QString captionOf(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(widget))
        return edit->toPlainText();
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    return {};
}

void checkControls(const QList<Control>& controls) {
    for (const Control& c : controls) {
        QVERIFY2(c.widget->geometry() == c.rect.pixels(), c.name);
        QVERIFY2(captionOf(c.widget) == c.caption, c.name);
    }
}

// The controls that Tab reaches, in the order it reaches them, each named by the control of
// `container` it belongs to (a combo box's edit field counts as the combo box).
QList<QWidget*> tabChain(QWidget* window, QWidget* container) {
    QList<QWidget*> chain;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        QWidget* control = w;
        while (control && control->parentWidget() != container)
            control = control->parentWidget();
        if (control && (w->focusPolicy() & Qt::TabFocus) && !chain.contains(control))
            chain.append(control);
    }
    return chain;
}

// The given controls from the top of the z-order down, as the container stacks them.
QList<QWidget*> zOrder(QWidget* container, const QList<QWidget*>& controls) {
    QList<QWidget*> stacked;
    for (QObject* child : container->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && controls.contains(w))
            stacked.prepend(w);
    }
    return stacked;
}

bool paintsWhite(const QWidget* w) {
    return w->autoFillBackground() && w->palette().color(w->backgroundRole()) == Qt::white;
}

bool sameImage(const QPixmap& shown, const QString& picture) {
    const QImage expected = QImage(picture).convertToFormat(QImage::Format_RGB32);
    return !expected.isNull() && shown.toImage().convertToFormat(QImage::Format_RGB32) == expected;
}

} // namespace

class TestLayouts : public QObject {
    Q_OBJECT
private slots:
    void mainWindowControlsSitAsDesigned() {
        AppRig rig;
        Form1& f = rig.load();
        namespace L = form1layout;
        QCOMPARE(f.windowTitle(), u"Tallyhawk 1.0"_qs);
        QCOMPARE(f.size(), L::ClientSize);
        checkControls({
            {"UpDown", f.UpDown, L::UpDown, {}},
            {"CmdRemove", f.CmdRemove, L::CmdRemove, u"-"_qs},
            {"TxtMin", f.TxtMin, L::TxtMin, u"0"_qs},
            {"Text1", f.Text1, L::Text1, {}},
            {"TxtAsk", f.TxtAsk, L::TxtAsk, u"30"_qs},
            {"CmdAdd", f.CmdAdd, L::CmdAdd, u"+"_qs},
            {"CmdNotes", f.CmdNotes, L::CmdNotes, u"&Notes"_qs},
            {"CboProject", f.CboProject, L::CboProject, {}},
            {"CmdStartStop", f.CmdStartStop, L::CmdStartStop, u"&Start"_qs},
            {"ChkAskMe", f.ChkAskMe, L::ChkAskMe, u"Ask me what I 'am doing every"_qs},
            {"LblAbout", f.LblAbout, L::LblAbout, u"About"_qs},
            {"LblSettings", f.LblSettings, L::LblSettings, u"Settings"_qs},
            {"Label3", f.Label3, L::Label3, u"minutes"_qs},
            {"LblTotalTime", f.LblTotalTime, L::LblTotalTime, u"N/A"_qs},
            {"LblStopTime", f.LblStopTime, L::LblStopTime, u"0:00"_qs},
            {"LblStartTime", f.LblStartTime, L::LblStartTime, u"0:00"_qs},
            {"LblReports", f.LblReports, L::LblReports, u"Reports"_qs},
            {"ImgTop", f.ImgTop, L::ImgTop, {}},
            {"ImgBottom", f.ImgBottom, L::ImgBottom, {}},
        });
        // Below the client area, so never seen, yet not hidden.
        QVERIFY(f.TxtMin->geometry().top() >= f.height());
        QVERIFY(!f.TxtMin->isHidden());
        QVERIFY(f.Text1->isHidden());
        QVERIFY(sameImage(f.ImgTop->pixmap(), assets::TopDefault));
        QVERIFY(sameImage(f.ImgBottom->pixmap(), assets::BottomDefault));
    }

    void mainWindowCannotBeResizedOrMaximised() {
        AppRig rig;
        Form1& f = rig.load();
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!f.windowIcon().isNull());
    }

    void mainWindowTabsFromStartThroughTheWindowedControls() {
        AppRig rig;
        Form1& f = rig.load();
        QCOMPARE(f.focusWidget(), f.CmdStartStop);
        const QList<QWidget*> expected{f.CmdStartStop, f.CboProject, f.CmdNotes, f.CmdAdd,
                                       f.ChkAskMe,     f.TxtAsk,     f.Text1,    f.TxtMin,
                                       f.CmdRemove,    f.UpDown};
        QCOMPARE(tabChain(&f, &f), expected);
    }

    void mainWindowStacksLabelsOverPicturesAndControlsOverLabels() {
        AppRig rig;
        Form1& f = rig.load();
        const QList<QWidget*> fromTop{f.UpDown,       f.CmdRemove,    f.TxtMin,      f.Text1,
                                      f.TxtAsk,       f.CmdAdd,       f.CmdNotes,    f.CboProject,
                                      f.CmdStartStop, f.ChkAskMe,     f.LblAbout,    f.LblSettings,
                                      f.Label3,       f.LblTotalTime, f.LblStopTime, f.LblStartTime,
                                      f.LblReports,   f.ImgTop,       f.ImgBottom};
        QCOMPARE(zOrder(&f, fromTop), fromTop);
    }

    void mainWindowLabelsShowThePictureThrough() {
        AppRig rig;
        Form1& f = rig.load();
        for (QLabel* label :
             std::initializer_list<QLabel*>{f.LblReports, f.LblSettings, f.LblAbout, f.Label3,
                                            f.LblStartTime, f.LblStopTime, f.LblTotalTime})
            QVERIFY2(!label->autoFillBackground(), qPrintable(label->text()));
        QVERIFY(paintsWhite(f.ChkAskMe));
        QCOMPARE(f.palette().color(QPalette::Window), QColor(Qt::white));
    }

    void timeLabelsHoldTheLongestStamp() {
        fonts::installSubstitutes();
        AppRig rig;
        Form1& f = rig.load();
        const QString longest = u"12/29/2026 10:15:40 PM"_qs;
        for (QLabel* label : {f.LblStartTime, f.LblStopTime})
            QCOMPARE_LE(QFontMetrics(label->font()).horizontalAdvance(longest), label->width());
    }

    void mainWindowFonts_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("underline");
        for (const char* link : {"LblReports", "LblSettings", "LblAbout"})
            QTest::newRow(link) << QString::fromLatin1(link) << 9.75 << true;
        for (const char* value : {"LblStartTime", "LblStopTime", "LblTotalTime"})
            QTest::newRow(value) << QString::fromLatin1(value) << 12.0 << false;
    }
    void mainWindowFonts() {
        QFETCH(QString, label);
        QFETCH(qreal, points);
        QFETCH(bool, underline);
        AppRig rig;
        Form1& f = rig.load();
        const QHash<QString, QLabel*> labels{
            {u"LblReports"_qs, f.LblReports},   {u"LblSettings"_qs, f.LblSettings},
            {u"LblAbout"_qs, f.LblAbout},       {u"LblStartTime"_qs, f.LblStartTime},
            {u"LblStopTime"_qs, f.LblStopTime}, {u"LblTotalTime"_qs, f.LblTotalTime}};
        const QLabel* l = labels.value(label);
        QCOMPARE(l->font().family(), u"Arial"_qs);
        QCOMPARE(l->font().pointSizeF(), points);
        QVERIFY(l->font().bold());
        QCOMPARE(l->font().underline(), underline);
        if (underline) {
            QCOMPARE(l->foregroundRole(), QPalette::Highlight);
            QCOMPARE(l->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(l->cursor().hotSpot(), assets::LinkCursorHotSpot);
        } else {
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(Qt::black));
        }
        QCOMPARE(f.Label3->font().family(), u"MS Sans Serif"_qs);
        QCOMPARE(f.CmdStartStop->font().pointSizeF(), 8.25);
    }

    void notesWindowAsDesigned() {
        AppRig rig;
        Form1& f = rig.load();
        f.CmdNotes_Click();
        FrmNotes* n = f.notesWindow();
        QVERIFY(n);
        QCOMPARE(n->windowTitle(), u"Notes"_qs);
        QCOMPARE(n->size(), QSize(6270 / 15, 1470 / 15));
        checkControls({
            {"CmdOk", n->CmdOk, {4680, 120, 1455, 1215}, u"&Ok"_qs},
            {"Text1", n->Text1, {120, 120, 4455, 1215}, {}},
        });
        QCOMPARE(tabChain(n, n), (QList<QWidget*>{n->Text1, n->CmdOk}));
        n->close();
    }

    void settingsWindowAsDesigned() {
        FakeDialogs dialogs;
        FrmSettings s(QString(), dialogs);
        namespace L = frmsettingslayout;
        QCOMPARE(s.windowTitle(), u"Settings"_qs);
        QCOMPARE(s.size(), L::ClientSize);
        QVERIFY(s.minimumSize() != s.maximumSize());
        QVERIFY(!(s.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(s.palette().color(QPalette::Window), QColor(Qt::white));
        // The option buttons may grow to show their whole caption; they never move or shrink.
        for (const auto& [button, rect, caption] :
             {std::tuple(s.OptOrangeCream, L::OptOrangeCream, u"Orange Cream"_qs),
              std::tuple(s.OptBlack, L::OptBlack, u"Black"_qs),
              std::tuple(s.OptRed, L::OptRed, u"Red"_qs),
              std::tuple(s.OptDefault, L::OptDefault, u"Default"_qs)}) {
            QCOMPARE(button->text(), caption);
            QCOMPARE(button->pos(), rect.pixels().topLeft());
            QVERIFY(button->width() >= rect.pixels().width());
            QVERIFY(button->height() >= rect.pixels().height());
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(caption));
            QVERIFY(paintsWhite(button));
            for (const QWidget* other : s.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (other != button)
                    QVERIFY2(!button->geometry().intersects(other->geometry()),
                             qPrintable(caption));
            }
        }
        QVERIFY(paintsWhite(s.ChkMin));
        checkControls({
            {"ChkMin", s.ChkMin, L::ChkMin, u"Minimize to try when project starts"_qs},
            {"ImgExit", s.ImgExit, L::ImgExit, {}},
            {"ImgTopOrange", s.ImgTopOrange, L::ImgTopOrange, {}},
            {"ImgTopBlack", s.ImgTopBlack, L::ImgTopBlack, {}},
            {"ImgTopRed", s.ImgTopRed, L::ImgTopRed, {}},
            {"ImgTopDefault", s.ImgTopDefault, L::ImgTopDefault, {}},
            {"ImgBottomRed", s.ImgBottomRed, L::ImgBottomRed, {}},
            {"ImgBottomBlack", s.ImgBottomBlack, L::ImgBottomBlack, {}},
            {"ImgBottomDefault", s.ImgBottomDefault, L::ImgBottomDefault, {}},
            {"ImgBottomOrange", s.ImgBottomOrange, L::ImgBottomOrange, {}},
        });
        QCOMPARE(tabChain(&s, &s),
                 (QList<QWidget*>{s.OptDefault, s.OptRed, s.OptBlack, s.OptOrangeCream, s.ChkMin}));
        const QList<QWidget*> fromTop{
            s.ChkMin,       s.OptOrangeCream, s.OptBlack,         s.OptRed,         s.OptDefault,
            s.ImgExit,      s.ImgTopOrange,   s.ImgTopBlack,      s.ImgTopRed,      s.ImgTopDefault,
            s.ImgBottomRed, s.ImgBottomBlack, s.ImgBottomDefault, s.ImgBottomOrange};
        QCOMPARE(zOrder(&s, fromTop), fromTop);
        QVERIFY(sameImage(s.ImgExit->pixmap(), assets::Exit));
        QVERIFY(!s.ImgExit->hasScaledContents());
        QVERIFY(s.ImgTopRed->hasScaledContents());
        QVERIFY(sameImage(s.ImgTopRed->pixmap(), assets::TopRed));
        QVERIFY(sameImage(s.ImgBottomOrange->pixmap(), assets::BottomOrange));
    }

    void aboutWindowAsDesigned() {
        FakeDesktop desktop;
        FakeDialogs dialogs;
        FrmAbout a(desktop, dialogs);
        QCOMPARE(a.objectName(), u"FrmAbout"_qs);
        QCOMPARE(a.windowTitle(), u"About"_qs);
        QCOMPARE(a.size(), QSize(269, 239));
        QCOMPARE(a.minimumSize(), a.maximumSize());
        QVERIFY(!(a.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(a.windowFlags() & Qt::WindowMaximizeButtonHint));
        auto* panel = a.findChild<QWidget*>(u"Picture1"_qs);
        QVERIFY(panel);
        QCOMPARE(panel->parentWidget(), &a);
        QCOMPARE(panel->geometry(), QRect(8, 8, 257, 225));
        const QList<std::tuple<QString, QRect, QString>> onPanel{
            {u"Label4"_qs, {8, 64, 233, 17}, u"Freeware Edition"_qs},
            {u"Label3"_qs, {8, 168, 233, 17}, u"tallyhawk@example.com"_qs},
            {u"Label2"_qs, {8, 152, 233, 17}, u"www.example.com/tallyhawk"_qs},
            {u"Image1"_qs, {8, 88, 234, 60}, {}},
            {u"Label1"_qs,
             {8, 16, 233, 41},
             u"Tallyhawk 1.0, the project time tracker, made by Example Software"_qs},
        };
        QList<QWidget*> fromTop;
        for (const auto& [name, rect, caption] : onPanel) {
            auto* label = a.findChild<QLabel*>(name);
            QVERIFY2(label, qPrintable(name));
            QCOMPARE(label->parentWidget(), panel);
            QCOMPARE(label->geometry(), rect);
            QCOMPARE(label->text(), caption);
            fromTop.append(label);
        }
        QCOMPARE(zOrder(panel, fromTop), fromTop);
        const auto* logo = a.findChild<QLabel*>(u"Image1"_qs);
        QVERIFY(sameImage(logo->pixmap(), assets::Logo));
        QCOMPARE(logo->cursor().hotSpot(), assets::LinkCursorHotSpot);
        const auto* edition = a.findChild<QLabel*>(u"Label4"_qs);
        QCOMPARE(edition->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(edition->palette().color(QPalette::Window), QColor(Qt::black));
        QVERIFY(edition->font().bold());
        QVERIFY(edition->alignment() & Qt::AlignHCenter);
        for (const QString& name : {u"Label2"_qs, u"Label3"_qs}) {
            const auto* link = a.findChild<QLabel*>(name);
            QCOMPARE(link->font().family(), u"Arial"_qs);
            QVERIFY(link->font().bold() && link->font().underline());
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
            QCOMPARE(link->cursor().hotSpot(), assets::LinkCursorHotSpot);
        }
        QVERIFY(a.findChild<QLabel*>(u"Label1"_qs)->wordWrap());
    }

    void aboutCreditLineFitsItsLabel() {
        FakeDesktop desktop;
        FakeDialogs dialogs;
        FrmAbout a(desktop, dialogs);
        // Two or three lines, never cut off at the bottom.
        const int lines = a.Label1->heightForWidth(a.Label1->width()) /
                          QFontMetrics(a.Label1->font()).lineSpacing();
        QVERIFY2(lines >= 2 && lines <= 3, qPrintable(QString::number(lines)));
        QVERIFY(a.Label1->heightForWidth(a.Label1->width()) <= a.Label1->height());
    }
};

QTEST_MAIN(TestLayouts)
#include "tst_layouts.moc"
