// Every window as designed: geometry, captions, tab order, z-order, fonts and colours.
#include "app/mainwindowlayout.h"
#include "app/noteswindowlayout.h"
#include "reports/totalswindow.h"
#include "reports/totalswindowlayout.h"
#include "session/sessionlog.h"
#include "tallyhawk/version.h"
#include "tests/support/apprig.h"
#include "ui/aboutwindow.h"
#include "ui/aboutwindowlayout.h"
#include "ui/assets/assets.h"
#include "ui/fonts.h"
#include "ui/settingswindowlayout.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <algorithm>

namespace {

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

// Each control of the design sits where the window's design table puts it, stacked in the
// table's order from the top.
template <std::size_t N>
void checkDesign(QWidget* container, const std::array<DesignedControl, N>& design) {
    QList<QWidget*> fromTop;
    for (const DesignedControl& c : design) {
        auto* widget = container->findChild<QWidget*>(c.name);
        QVERIFY2(widget, c.name.data());
        QVERIFY2(widget->geometry() == c.rect.pixels(),
                 qPrintable(c.name + u": "_qs + QDebug::toString(widget->geometry())));
        fromTop.append(widget);
    }
    QCOMPARE(zOrder(container, fromTop), fromTop);
}

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

// The design's captions, by design name.
void checkCaptions(const QWidget* window, const QList<std::pair<QString, QString>>& captions) {
    for (const auto& [name, caption] : captions) {
        const auto* widget = window->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(captionOf(widget), caption);
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
        QCOMPARE(w.windowTitle(), programversion::Title.toString());
        QCOMPARE(w.size(), mainwindowlayout::ClientSize);
        checkDesign(&w, mainwindowlayout::Design);
        checkCaptions(&w, {{u"CmdRemove"_qs, u"-"_qs},
                           {u"TxtAsk"_qs, u"30"_qs},
                           {u"CmdAdd"_qs, u"+"_qs},
                           {u"CmdNotes"_qs, u"&Notes"_qs},
                           {u"CmdStartStop"_qs, u"&Start"_qs},
                           {u"ChkAskMe"_qs, u"Ask me what I 'am doing every"_qs},
                           {u"LblAbout"_qs, u"About"_qs},
                           {u"LblSettings"_qs, u"Settings"_qs},
                           {u"Label3"_qs, u"minutes"_qs},
                           {u"LblTotalTime"_qs, u"N/A"_qs},
                           {u"LblStopTime"_qs, u"0:00"_qs},
                           {u"LblStartTime"_qs, u"0:00"_qs},
                           {u"LblReports"_qs, u"Reports"_qs}});
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

    void mainWindowTabsFromStartInTheDesignedOrder() {
        AppRig rig;
        auto& w = rig.load();
        QCOMPARE(w.focusWidget(), rig.find(u"CmdStartStop"_qs));
        // The links take the focus at their places in the design's tab order.
        const QList<QWidget*> expected =
            controlsNamed(&w, {u"CmdStartStop"_qs, u"CboProject"_qs, u"CmdNotes"_qs, u"CmdAdd"_qs,
                               u"LblReports"_qs, u"ChkAskMe"_qs, u"TxtAsk"_qs, u"CmdRemove"_qs,
                               u"UpDown"_qs, u"LblSettings"_qs, u"LblAbout"_qs});
        // Tab goes round; read from Start on.
        QList<QWidget*> chain = tabChain(&w, &w);
        std::rotate(chain.begin(), std::find(chain.begin(), chain.end(), expected.first()),
                    chain.end());
        QCOMPARE(chain, expected);
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
        QCOMPARE(n->size(), noteswindowlayout::ClientSize);
        checkDesign(n, noteswindowlayout::Design);
        checkCaptions(n, {{u"CmdOk"_qs, u"&Ok"_qs}, {u"Text1"_qs, QString()}});
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
        QCOMPARE(s->size(), settingswindowlayout::ClientSize);
        QVERIFY(s->minimumSize() != s->maximumSize());
        QVERIFY(!(s->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(s->palette().color(QPalette::Window), QColor(Qt::white));
        checkCaptions(s, {{u"OptOrangeCream"_qs, u"Orange Cream"_qs},
                          {u"OptBlack"_qs, u"Black"_qs},
                          {u"OptRed"_qs, u"Red"_qs},
                          {u"OptDefault"_qs, u"Default"_qs},
                          {u"ChkMin"_qs, u"Minimize to try when project starts"_qs}});
        // The option buttons may grow to show their whole caption; they never move or shrink,
        // nor cover another control. Everything else sits as designed.
        QList<QWidget*> fromTop;
        for (const DesignedControl& c : settingswindowlayout::Design) {
            auto* widget = s->findChild<QWidget*>(c.name);
            QVERIFY2(widget, c.name.data());
            fromTop.append(widget);
            const auto* option = qobject_cast<const QRadioButton*>(widget);
            if (!option) {
                QCOMPARE(widget->geometry(), c.rect.pixels());
                continue;
            }
            QCOMPARE(option->pos(), c.rect.pixels().topLeft());
            QVERIFY(option->width() >= c.rect.pixels().width());
            QVERIFY(option->height() >= c.rect.pixels().height());
            QVERIFY2(option->width() >= option->sizeHint().width(), c.name.data());
            QVERIFY(paintsWhite(option));
            for (const QWidget* other : s->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (other != option)
                    QVERIFY2(!option->geometry().intersects(other->geometry()), c.name.data());
            }
        }
        QCOMPARE(zOrder(s, fromTop), fromTop);
        QVERIFY(paintsWhite(s->findChild<QWidget*>(u"ChkMin"_qs)));
        QCOMPARE(tabChain(s, s), controlsNamed(s, {u"OptDefault"_qs, u"OptRed"_qs, u"OptBlack"_qs,
                                                   u"OptOrangeCream"_qs, u"ChkMin"_qs}));
        const auto picture = [s](const QString& name) { return s->findChild<QLabel*>(name); };
        QVERIFY(sameImage(picture(u"ImgExit"_qs)->pixmap(), assets::Exit));
        QVERIFY(!picture(u"ImgExit"_qs)->hasScaledContents());
        QVERIFY(picture(u"ImgTopRed"_qs)->hasScaledContents());
        QVERIFY(sameImage(picture(u"ImgTopRed"_qs)->pixmap(), assets::TopRed));
        QVERIFY(sameImage(picture(u"ImgBottomOrange"_qs)->pixmap(), assets::BottomOrange));
    }

    void totalsWindowAsDesigned() {
        QTemporaryDir dir;
        SessionLog log(dir.filePath(u"Tasks.txt"_qs), QString());
        FakeClock clock;
        FakeDialogs dialogs;
        TotalsWindow t(log, clock, dialogs);
        QCOMPARE(t.objectName(), u"FrmTotals"_qs);
        QCOMPARE(t.size(), totalswindowlayout::ClientSize);
        QVERIFY(!(t.windowFlags() & Qt::WindowMaximizeButtonHint));
        checkDesign(&t, totalswindowlayout::Design);
        checkCaptions(&t, {{u"LblRange"_qs, u"&Show:"_qs},
                           {u"LblFrom"_qs, u"&From:"_qs},
                           {u"LblTo"_qs, u"&to:"_qs},
                           {u"LblBy"_qs, u"&By:"_qs},
                           {u"CmdSaveAs"_qs, u"&Save As…"_qs}});
        QCOMPARE(tabChain(&t, &t), controlsNamed(&t, {u"CboRange"_qs, u"DtpFrom"_qs, u"DtpTo"_qs,
                                                      u"CboBy"_qs, u"ChartArea"_qs, u"LvwTotals"_qs,
                                                      u"LstIncomplete"_qs, u"CmdSaveAs"_qs}));
    }

    void aboutWindowAsDesigned() {
        FakeDesktop desktop;
        FakeDialogs dialogs;
        AboutWindow a(desktop, dialogs);
        QCOMPARE(a.objectName(), u"FrmAbout"_qs);
        QCOMPARE(a.windowTitle(), u"About"_qs);
        QCOMPARE(a.size(), aboutwindowlayout::ClientSize);
        QCOMPARE(a.minimumSize(), a.maximumSize());
        QVERIFY(!(a.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(a.windowFlags() & Qt::WindowMaximizeButtonHint));
        auto* panel = a.findChild<QWidget*>(u"Picture1"_qs);
        QVERIFY(panel);
        QCOMPARE(panel->parentWidget(), &a);
        QCOMPARE(panel->geometry(), aboutwindowlayout::Panel.pixels());
        QVERIFY(paintsWhite(panel));
        checkDesign(panel, aboutwindowlayout::Design);
        checkCaptions(panel, {{u"Label4"_qs, u"Freeware Edition"_qs},
                              {u"Label3"_qs, u"tallyhawk@example.com"_qs},
                              {u"Label2"_qs, u"www.example.com/tallyhawk"_qs},
                              {u"Label1"_qs, u"Tallyhawk "_qs + programversion::Number.toString() +
                                                 u", the project time tracker, made by "
                                                 "Example Software"_qs}});
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
        QCOMPARE(tabChain(&a, panel), controlsNamed(panel, {u"Label2"_qs, u"Label3"_qs}));
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
