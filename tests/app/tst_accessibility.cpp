// What the keyboard and a screen reader get from the windows: names, links in the tab order
// that open on Enter or Space, the spin arrows' keys, and what is announced and what is not.
#include "tests/support/apprig.h"
#include "ui/linklabel.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QtTest>

#include <algorithm>

namespace {

// Every accessibility event the program raises, as the bridge to screen readers gets it.
struct Raised {
    QAccessible::Event type;
    QAccessible::Role role;
    QString name;
};
QList<Raised> raised;

void record(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    raised.append({event->type(), iface ? iface->role() : QAccessible::NoRole,
                   iface ? iface->text(QAccessible::Name) : QString()});
}

QString accessibleText(QWidget* control, QAccessible::Text which) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    return iface ? iface->text(which) : QString();
}

// The main window shown and active, as after a start on a desktop.
MainWindow& shownWindow(AppRig& rig) {
    MainWindow& window = rig.load();
    window.show();
    QApplication::setActiveWindow(&window);
    return window;
}

void pressTab(int times) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

void awayAndBack(AppRig& rig) {
    rig.writeFile(u"Settings.ini"_qs, "[Away]\r\nMinutes=5\r\n");
    shownWindow(rig);
    rig.typeProject(u"Alpha"_qs);
    rig.dialogs.answerInput(std::nullopt);
    rig.click(u"CmdStartStop"_qs);
    rig.idle.input();
    rig.runMinutes(60);
    raised.clear();
    rig.idle.input();
    rig.runSeconds(1);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QAccessible::installUpdateHandler(record);
        // As a screen reader's bridge does once one listens; Qt has no public call for it.
        QPlatformAccessibility* bridge =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(bridge);
        bridge->setActive(true);
    }
    void init() { raised.clear(); }

    void controlsAreNamedAfterWhatTheUserReads_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("project box") << u"CboProject"_qs << u"The Project"_qs;
        QTest::newRow("+") << u"CmdAdd"_qs << u"Add project"_qs;
        QTest::newRow("-") << u"CmdRemove"_qs << u"Remove project"_qs;
        QTest::newRow("interval") << u"TxtAsk"_qs << u"minutes"_qs;
        QTest::newRow("arrows") << u"UpDown"_qs << u"minutes up or down"_qs;
        QTest::newRow("a link") << u"LblSettings"_qs << u"Settings"_qs;
        QTest::newRow("a time") << u"LblTotalTime"_qs << u"Total Time: N/A"_qs;
    }
    void controlsAreNamedAfterWhatTheUserReads() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        AppRig rig;
        rig.load();
        QCOMPARE(accessibleText(rig.find(control), QAccessible::Name), name);
    }

    void plusAndMinusSayWhatTheyDo() {
        AppRig rig;
        rig.load();
        for (const QString& name : {u"CmdAdd"_qs, u"CmdRemove"_qs}) {
            QWidget* button = rig.find(name);
            QVERIFY2(!button->toolTip().isEmpty(), qPrintable(name));
            QCOMPARE(accessibleText(button, QAccessible::Description), button->toolTip());
        }
    }

    void theReportsPaneAndTreeAreNamed() {
        AppRig rig;
        rig.load();
        QTest::mouseClick(rig.find(u"LblReports"_qs), Qt::LeftButton);
        QCOMPARE(accessibleText(rig.find(u"Text1"_qs), QAccessible::Name), u"Session log"_qs);
        QCOMPARE(accessibleText(rig.find(u"TV1"_qs), QAccessible::Name), u"Sessions"_qs);
    }

    void linksOpenOnEnterOrSpaceAfterTab_data() {
        QTest::addColumn<int>("tabs");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("opened");
        // Tab runs Start, project box, Notes (disabled), +, Reports ... -, arrows, Settings,
        // About.
        QTest::newRow("Reports by Enter") << 3 << int(Qt::Key_Return) << u"FrmLog"_qs;
        QTest::newRow("Settings by Space") << 8 << int(Qt::Key_Space) << u"FrmSettings"_qs;
        QTest::newRow("About by keypad Enter") << 9 << int(Qt::Key_Enter) << u"FrmAbout"_qs;
    }
    void linksOpenOnEnterOrSpaceAfterTab() {
        QFETCH(int, tabs);
        QFETCH(int, key);
        QFETCH(QString, opened);
        AppRig rig;
        shownWindow(rig);
        pressTab(tabs);
        QVERIFY(qobject_cast<LinkLabel*>(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QWidget* window = rig.find(opened);
        QVERIFY(window && window->isVisible());
    }

    void aClickOnALinkLeavesTheFocusWhereItWas() {
        AppRig rig;
        shownWindow(rig);
        QTest::mouseClick(rig.find(u"LblAbout"_qs), Qt::LeftButton);
        QVERIFY(rig.find(u"FrmAbout"_qs));
        QCOMPARE(rig.window->focusWidget(), rig.find(u"CmdStartStop"_qs));
    }

    void aboutLinksOpenFromTheKeyboard() {
        AppRig rig;
        shownWindow(rig);
        QTest::mouseClick(rig.find(u"LblAbout"_qs), Qt::LeftButton);
        QWidget* about = rig.find(u"FrmAbout"_qs);
        QApplication::setActiveWindow(about);
        QCOMPARE(about->focusWidget(), about->findChild<QWidget*>(u"Label2"_qs));
        QTest::keyClick(about->focusWidget(), Qt::Key_Space);
        pressTab(1);
        QTest::keyClick(about->focusWidget(), Qt::Key_Return);
        QCOMPARE(rig.desktop.opened, (QList<QUrl>{QUrl(u"https://www.example.com/tallyhawk"_qs),
                                                  QUrl(u"mailto:tallyhawk@example.com"_qs)}));
    }

    void theArrowKeysStepTheInterval() {
        AppRig rig;
        shownWindow(rig);
        QWidget* arrows = rig.find(u"UpDown"_qs);
        QTest::keyClick(arrows, Qt::Key_Up);
        QCOMPARE(rig.find<QLineEdit>(u"TxtAsk"_qs)->text(), u"31"_qs);
        QTest::keyClick(arrows, Qt::Key_Down);
        QTest::keyClick(arrows, Qt::Key_Down);
        QCOMPARE(rig.find<QLineEdit>(u"TxtAsk"_qs)->text(), u"29"_qs);
        QCOMPARE(accessibleText(arrows, QAccessible::Value), u"29"_qs);
    }

    void thePromptIsAnnouncedWithoutTakingTheFocus() {
        AppRig rig;
        MainWindow& window = shownWindow(rig);
        rig.typeProject(u"Alpha"_qs);
        rig.dialogs.answerInput(std::nullopt);
        rig.click(u"CmdStartStop"_qs);
        QWidget* focused = QApplication::focusWidget();
        raised.clear();
        rig.runMinutes(30);
        QVERIFY(rig.find(u"FrmNotes"_qs));
        QCOMPARE(QApplication::activeWindow(), &window);
        QCOMPARE(QApplication::focusWidget(), focused);
        const auto spoken = std::count_if(raised.cbegin(), raised.cend(), [](const Raised& r) {
            return r.type == QAccessible::ObjectShow && r.role == QAccessible::Notification &&
                   r.name == u"What are you doing now?"_qs;
        });
        QCOMPARE(spoken, 1);
    }

    void theAwayQuestionIsAnnouncedWithoutTakingTheFocus() {
        AppRig rig;
        awayAndBack(rig);
        QVERIFY(rig.find(u"FrmAway"_qs));
        QCOMPARE(QApplication::activeWindow(), rig.window.get());
        const auto spoken = std::count_if(raised.cbegin(), raised.cend(), [](const Raised& r) {
            return r.type == QAccessible::ObjectShow && r.role == QAccessible::Notification &&
                   r.name.contains(u"Alpha ran on while you were away"_qs) &&
                   r.name.contains(u"0d 1h 0m 0s"_qs);
        });
        QCOMPARE(spoken, 1);
    }

    void theRunningClockTellsScreenReadersNothing() {
        AppRig rig;
        shownWindow(rig);
        rig.typeProject(u"Alpha"_qs);
        rig.dialogs.answerInput(std::nullopt);
        rig.click(u"CmdStartStop"_qs);
        rig.runSeconds(1);
        raised.clear();
        rig.runSeconds(5);
        QCOMPARE(rig.find<QLabel>(u"LblTotalTime"_qs)->text(), u"0d 0h 0m 6s"_qs);
        QVERIFY2(raised.isEmpty(), qPrintable(raised.isEmpty() ? QString() : raised.first().name));
        QCOMPARE(accessibleText(rig.find(u"LblTotalTime"_qs), QAccessible::Name),
                 u"Total Time: 0d 0h 0m 6s"_qs);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
