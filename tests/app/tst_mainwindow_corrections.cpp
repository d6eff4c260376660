// The Start/Stop button's menu: a session started, stopped or begun at another moment.
#include "tests/support/apprig.h"
#include "tests/support/menus.h"
#include "ui/momentdialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// Chooses the item of the Start/Stop button's menu and answers its box with the moment.
void chooseWithMoment(AppRig& rig, const QString& item, const QString& moment) {
    auto* button = rig.find(u"CmdStartStop"_qs);
    QVERIFY(chooseFromContextMenu(button, item, button->rect().center()));
    auto* box = openWindowOf<MomentDialog>();
    QVERIFY(box);
    box->findChild<QLineEdit*>(u"TxtMoment"_qs)->setText(moment);
    box->accept();
}

QString why() {
    auto* box = openWindowOf<MomentDialog>();
    return box ? box->findChild<QLabel*>(u"LblWhy"_qs)->text() : QString();
}

} // namespace

class TestMainWindowCorrections : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        if (auto* box = openWindowOf<MomentDialog>())
            box->reject();
    }

    void theMenuOffersWhatFitsTheSession() {
        AppRig rig;
        rig.load();
        auto* button = rig.find(u"CmdStartStop"_qs);
        const auto texts = [&] {
            QStringList shown;
            for (QAction* a : contextMenuItems(button, button->rect().center()))
                shown.append(a->text());
            if (auto* menu = openWindowOf<QMenu>())
                menu->close();
            return shown;
        };
        QCOMPARE(texts(), QStringList{u"Start at…"_qs});
        rig.typeProject(u"Alpha"_qs);
        rig.click(u"CmdStartStop"_qs);
        QCOMPARE(texts(), (QStringList{u"Stop at…"_qs, u"Change start time…"_qs}));
    }

    // Started at an earlier moment: the stamp, the clock and the record all count from there.
    void startAtStampsTheChosenMoment() {
        AppRig rig;
        rig.load();
        rig.clock.advanceSecs(3600);
        rig.typeProject(u"Alpha"_qs);
        rig.dialogs.answerInput(u"Late"_qs);
        chooseWithMoment(rig, u"Start at…"_qs, u"6/3/2008 9:30 AM"_qs);
        QVERIFY(!openWindowOf<MomentDialog>());
        QCOMPARE(rig.find<QLabel>(u"LblStartTime"_qs)->text(), u"6/3/2008 9:30:00 AM"_qs);
        rig.runSeconds(1);
        QCOMPARE(rig.find<QLabel>(u"LblTotalTime"_qs)->text(), u"0d 0h 30m 6s"_qs);
        QCOMPARE(rig.log(), QByteArray("<!--  BEGIN SESSION //-->\r\n"
                                       "6/3/2008 9:30:00 AM [Started] Alpha\r\n"
                                       "6/3/2008 9:30:00 AM [Starting Comments] Late\r\n"));
    }

    void aRefusedMomentSaysWhyAndChangesNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("why");
        QTest::newRow("in the future")
            << u"6/3/2008 11:00 AM"_qs << u"6/3/2008 11:00:00 AM is in the future."_qs;
        QTest::newRow("unreadable")
            << u"soon"_qs << u"\"soon\" does not read as a date and time."_qs;
    }
    void aRefusedMomentSaysWhyAndChangesNothing() {
        QFETCH(QString, typed);
        QFETCH(QString, why);
        AppRig rig;
        rig.load();
        rig.typeProject(u"Alpha"_qs);
        chooseWithMoment(rig, u"Start at…"_qs, typed);
        QCOMPARE(::why(), why);
        QVERIFY(!rig.session().isRunning());
        QVERIFY(rig.log().isEmpty());
    }

    void stopAtAndChangeStartRewriteTheRecord() {
        AppRig rig;
        rig.load();
        rig.typeProject(u"Alpha"_qs);
        rig.dialogs.answerInput(std::nullopt);
        rig.click(u"CmdStartStop"_qs);
        rig.runMinutes(90);
        chooseWithMoment(rig, u"Change start time…"_qs, u"6/3/2008 8:45:05 AM"_qs);
        QCOMPARE(rig.find<QLabel>(u"LblStartTime"_qs)->text(), u"6/3/2008 8:45:05 AM"_qs);
        chooseWithMoment(rig, u"Stop at…"_qs, u"6/3/2008 10:00:05 AM"_qs);
        QVERIFY(!rig.session().isRunning());
        QCOMPARE(rig.log(), QByteArray("<!--  BEGIN SESSION //-->\r\n"
                                       "6/3/2008 8:45:05 AM [Started] Alpha\r\n"
                                       "6/3/2008 10:00:05 AM [Stopped] Alpha\r\n"
                                       "[Total Time] 0d 1h 15m 0s\r\n"
                                       "<!--  END SESSION  -->\r\n\r\n\r\n"));
    }
};

QTEST_MAIN(TestMainWindowCorrections)
#include "tst_mainwindow_corrections.moc"
