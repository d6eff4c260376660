// Every window as designed: geometry, captions, tab order, z-order, fonts and colours.
#include "tests/support/apprig.h"
#include "ui/aboutwindow.h"
#include "ui/assets/assets.h"
#include "ui/fonts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// A control as designed: its design name, its place in pixels and its caption.
struct Control {
    QString name;
    QRect rect;
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

void checkControls(const QWidget* window, const QList<Control>& controls) {
    for (const Control& c : controls) {
        const auto* widget = window->findChild<QWidget*>(c.name);
        QVERIFY2(widget, qPrintable(c.name));
        QVERIFY2(widget->geometry() == c.rect,
                 qPrintable(c.name + u": "_qs + QDebug::toString(widget->geometry())));
        QVERIFY2(captionOf(widget) == c.caption, qPrintable(c.name));
    }
}

// The controls of the window with these design names, in the order given.
QList<QWidget*> controlsNamed(const QWidget* window, const QStringList& names) {
    QList<QWidget*> controls;
    for (const QString& name : names) {
        auto* control = window->findChild<QWidget*>(name);
        if (!control)
            qWarning("No control named %s", qPrintable(name));
        controls.append(control);
    }
    return controls;
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
        auto& w = rig.load();
        QCOMPARE(w.objectName(), u"Form1"_qs);
        QCOMPARE(w.windowTitle(), u"Tallyhawk 1.0"_qs);
        QCOMPARE(w.size(), QSize(337, 297));
        // The three time labels are wider than designed, so that the longest stamp fits.
        checkControls(&w,
                      {
                          {u"UpDown"_qs, {240, 144, 17, 17}, {}},
                          {u"CmdRemove"_qs, {280, 72, 25, 21}, u"-"_qs},
                          {u"TxtAsk"_qs, {208, 144, 33, 19}, u"30"_qs},
                          {u"CmdAdd"_qs, {248, 72, 25, 21}, u"+"_qs},
                          {u"CmdNotes"_qs, {216, 104, 89, 25}, u"&Notes"_qs},
                          {u"CboProject"_qs, {112, 72, 129, 21}, {}},
                          {u"CmdStartStop"_qs, {111, 104, 97, 25}, u"&Start"_qs},
                          {u"ChkAskMe"_qs, {32, 144, 177, 19}, u"Ask me what I 'am doing every"_qs},
                          {u"LblAbout"_qs, {32, 104, 73, 17}, u"About"_qs},
                          {u"LblSettings"_qs, {32, 80, 73, 17}, u"Settings"_qs},
                          {u"Label3"_qs, {264, 146, 49, 15}, u"minutes"_qs},
                          {u"LblTotalTime"_qs, {144, 257, 177, 17}, u"N/A"_qs},
                          {u"LblStopTime"_qs, {144, 226, 177, 17}, u"0:00"_qs},
                          {u"LblStartTime"_qs, {144, 198, 177, 17}, u"0:00"_qs},
                          {u"LblReports"_qs, {32, 56, 73, 17}, u"Reports"_qs},
                          {u"ImgTop"_qs, {0, 4, 335, 176}, {}},
                          {u"ImgBottom"_qs, {16, 160, 315, 133}, {}},
                      });
        QVERIFY(sameImage(rig.find<QLabel>(u"ImgTop"_qs)->pixmap(), assets::TopDefault));
        QVERIFY(sameImage(rig.find<QLabel>(u"ImgBottom"_qs)->pixmap(), assets::BottomDefault));
    }

    void mainWindowCannotBeResizedOrMaximised() {
        AppRig rig;
        auto& w = rig.load();
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!w.windowIcon().isNull());
    }

    void mainWindowTabsFromStartThroughTheWindowedControls() {
        AppRig rig;
        auto& w = rig.load();
        QCOMPARE(w.focusWidget(), rig.find(u"CmdStartStop"_qs));
        const QList<QWidget*> expected =
            controlsNamed(&w, {u"CmdStartStop"_qs, u"CboProject"_qs, u"CmdNotes"_qs, u"CmdAdd"_qs,
                               u"ChkAskMe"_qs, u"TxtAsk"_qs, u"CmdRemove"_qs, u"UpDown"_qs});
        QCOMPARE(tabChain(&w, &w), expected);
    }

    void mainWindowStacksLabelsOverPicturesAndControlsOverLabels() {
        AppRig rig;
        auto& w = rig.load();
        const QList<QWidget*> fromTop = controlsNamed(
            &w, {u"UpDown"_qs, u"CmdRemove"_qs, u"TxtAsk"_qs, u"CmdAdd"_qs, u"CmdNotes"_qs,
                 u"CboProject"_qs, u"CmdStartStop"_qs, u"ChkAskMe"_qs, u"LblAbout"_qs,
                 u"LblSettings"_qs, u"Label3"_qs, u"LblTotalTime"_qs, u"LblStopTime"_qs,
                 u"LblStartTime"_qs, u"LblReports"_qs, u"ImgTop"_qs, u"ImgBottom"_qs});
        QCOMPARE(zOrder(&w, fromTop), fromTop);
    }

    void mainWindowLabelsShowThePictureThrough() {
        AppRig rig;
        auto& w = rig.load();
        for (const QString& name :
             {u"LblReports"_qs, u"LblSettings"_qs, u"LblAbout"_qs, u"Label3"_qs, u"LblStartTime"_qs,
              u"LblStopTime"_qs, u"LblTotalTime"_qs})
            QVERIFY2(!rig.find<QLabel>(name)->autoFillBackground(), qPrintable(name));
        QVERIFY(paintsWhite(rig.find(u"ChkAskMe"_qs)));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::white));
    }

    void timeLabelsHoldTheLongestStamp() {
        fonts::installSubstitutes();
        AppRig rig;
        rig.load();
        const QString longest = u"12/29/2026 10:15:40 PM"_qs;
        for (const QString& name : {u"LblStartTime"_qs, u"LblStopTime"_qs}) {
            const QLabel* label = rig.find<QLabel>(name);
            QCOMPARE_LE(QFontMetrics(label->font()).horizontalAdvance(longest), label->width());
        }
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
        rig.load();
        const QLabel* l = rig.find<QLabel>(label);
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
        QCOMPARE(rig.find(u"Label3"_qs)->font().family(), u"MS Sans Serif"_qs);
        QCOMPARE(rig.find(u"CmdStartStop"_qs)->font().pointSizeF(), 8.25);
    }

    void notesWindowAsDesigned() {
        AppRig rig;
        rig.load();
        rig.typeProject(u"Alpha"_qs);
        rig.click(u"CmdStartStop"_qs);
        rig.click(u"CmdNotes"_qs);
        QWidget* n = rig.find(u"FrmNotes"_qs);
        QVERIFY(n);
        QCOMPARE(n->windowTitle(), u"Notes"_qs);
        QCOMPARE(n->size(), QSize(418, 98));
        checkControls(n, {
                             {u"CmdOk"_qs, {312, 8, 97, 81}, u"&Ok"_qs},
                             {u"Text1"_qs, {8, 8, 297, 81}, {}},
                         });
        QCOMPARE(tabChain(n, n), controlsNamed(n, {u"Text1"_qs, u"CmdOk"_qs}));
        n->close();
        rig.click(u"CmdStartStop"_qs);
    }

    void settingsWindowAsDesigned() {
        AppRig rig;
        rig.load();
        QTest::mouseClick(rig.find(u"LblSettings"_qs), Qt::LeftButton);
        QWidget* s = rig.find(u"FrmSettings"_qs);
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), u"Settings"_qs);
        QCOMPARE(s->size(), QSize(465, 298));
        QVERIFY(s->minimumSize() != s->maximumSize());
        QVERIFY(!(s->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(s->palette().color(QPalette::Window), QColor(Qt::white));
        // The option buttons may grow to show their whole caption; they never move or shrink.
        const QList<Control> options{
            {u"OptOrangeCream"_qs, {16, 272, 89, 17}, u"Orange Cream"_qs},
            {u"OptBlack"_qs, {320, 120, 81, 13}, u"Black"_qs},
            {u"OptRed"_qs, {168, 120, 81, 13}, u"Red"_qs},
            {u"OptDefault"_qs, {16, 120, 89, 17}, u"Default"_qs},
        };
        for (const Control& option : options) {
            const auto* button = s->findChild<QRadioButton*>(option.name);
            QVERIFY2(button, qPrintable(option.name));
            QCOMPARE(button->text(), option.caption);
            QCOMPARE(button->pos(), option.rect.topLeft());
            QVERIFY(button->width() >= option.rect.width());
            QVERIFY(button->height() >= option.rect.height());
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(option.name));
            QVERIFY(paintsWhite(button));
            for (const QWidget* other : s->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (other != button)
                    QVERIFY2(!button->geometry().intersects(other->geometry()),
                             qPrintable(option.name));
            }
        }
        QVERIFY(paintsWhite(s->findChild<QWidget*>(u"ChkMin"_qs)));
        checkControls(
            s, {
                   {u"ChkMin"_qs, {176, 264, 281, 17}, u"Minimize to try when project starts"_qs},
                   {u"ImgExit"_qs, {160, 160, 300, 95}, {}},
                   {u"ImgTopOrange"_qs, {0, 152, 149, 71}, {}},
                   {u"ImgTopBlack"_qs, {304, 0, 149, 71}, {}},
                   {u"ImgTopRed"_qs, {152, 0, 149, 71}, {}},
                   {u"ImgTopDefault"_qs, {0, 0, 149, 71}, {}},
                   {u"ImgBottomRed"_qs, {160, 64, 137, 55}, {}},
                   {u"ImgBottomBlack"_qs, {312, 64, 137, 55}, {}},
                   {u"ImgBottomDefault"_qs, {8, 64, 137, 55}, {}},
                   {u"ImgBottomOrange"_qs, {8, 216, 137, 55}, {}},
               });
        QCOMPARE(tabChain(s, s), controlsNamed(s, {u"OptDefault"_qs, u"OptRed"_qs, u"OptBlack"_qs,
                                                   u"OptOrangeCream"_qs, u"ChkMin"_qs}));
        const QList<QWidget*> fromTop = controlsNamed(
            s, {u"ChkMin"_qs, u"OptOrangeCream"_qs, u"OptBlack"_qs, u"OptRed"_qs, u"OptDefault"_qs,
                u"ImgExit"_qs, u"ImgTopOrange"_qs, u"ImgTopBlack"_qs, u"ImgTopRed"_qs,
                u"ImgTopDefault"_qs, u"ImgBottomRed"_qs, u"ImgBottomBlack"_qs,
                u"ImgBottomDefault"_qs, u"ImgBottomOrange"_qs});
        QCOMPARE(zOrder(s, fromTop), fromTop);
        const auto picture = [s](const QString& name) { return s->findChild<QLabel*>(name); };
        QVERIFY(sameImage(picture(u"ImgExit"_qs)->pixmap(), assets::Exit));
        QVERIFY(!picture(u"ImgExit"_qs)->hasScaledContents());
        QVERIFY(picture(u"ImgTopRed"_qs)->hasScaledContents());
        QVERIFY(sameImage(picture(u"ImgTopRed"_qs)->pixmap(), assets::TopRed));
        QVERIFY(sameImage(picture(u"ImgBottomOrange"_qs)->pixmap(), assets::BottomOrange));
    }

    void aboutWindowAsDesigned() {
        FakeDesktop desktop;
        FakeDialogs dialogs;
        AboutWindow a(desktop, dialogs);
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
        QVERIFY(paintsWhite(panel));
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
        AboutWindow a(desktop, dialogs);
        const auto* credit = a.findChild<QLabel*>(u"Label1"_qs);
        // Two or three lines, never cut off at the bottom.
        const int height = credit->heightForWidth(credit->width());
        const int lines = height / QFontMetrics(credit->font()).lineSpacing();
        QVERIFY2(lines >= 2 && lines <= 3, qPrintable(QString::number(lines)));
        QVERIFY(height <= credit->height());
    }
};

QTEST_MAIN(TestLayouts)
#include "tst_layouts.moc"
