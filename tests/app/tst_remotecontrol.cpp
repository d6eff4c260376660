// Commands from outside, in the running program: the window shows what they did, as it shows
// its own Start and Stop, and a command never cuts into a box the window is asking.
#include "app/remotecontrol.h"
#include "session/sessioncontrol.h"
#include "tests/support/apprig.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

using commandprotocol::Reply;
using commandprotocol::Request;
using commandprotocol::Verb;

namespace {

struct RemoteRig : AppRig {
    RemoteRig() {
        load();
        remote = std::make_unique<RemoteControl>(
            window->control(), RemoteControl::Window{[this] { return window->shownProject(); },
                                                     [this] { ++broughtForward; },
                                                     [this] { return window->isClosing(); }});
    }
    QString send(const Request& request) { return remote->handle(request).failure; }
    QString button() const { return find<QPushButton>(u"CmdStartStop"_qs)->text(); }

    std::unique_ptr<RemoteControl> remote;
    int broughtForward = 0;
};

} // namespace

class TestRemoteControl : public QObject {
    Q_OBJECT
private slots:
    void aStartFromOutsideShowsInTheWindowAndIsWhatToggleStartsNext() {
        RemoteRig rig;
        rig.typeProject(u"Alpha"_qs);
        QCOMPARE(rig.send({Verb::Start, u"Beta"_qs, u"Planning"_qs, {}, {}}), QString());
        QCOMPARE(rig.button(), u"&Stop"_qs);
        QCOMPARE(rig.find<QComboBox>(u"CboProject"_qs)->currentText(), u"Beta"_qs);
        QVERIFY(!rig.find<QComboBox>(u"CboProject"_qs)->isEnabled());
        QCOMPARE(rig.find<QLabel>(u"LblStartTime"_qs)->text(), u"6/3/2008 9:00:05 AM"_qs);
        QVERIFY(rig.dialogs.inputs.isEmpty());
        QCOMPARE(rig.remote->handle({Verb::Status, {}, {}, {}, {}}).status->project, u"Beta"_qs);

        rig.runSeconds(10);
        QCOMPARE(rig.send({Verb::Toggle, {}, {}, {}, {}}), QString());
        QCOMPARE(rig.button(), u"&Start"_qs);
        QCOMPARE(rig.send({Verb::Toggle, {}, {}, {}, {}}), QString());
        QCOMPARE(rig.session().project(), u"Beta"_qs);
        QCOMPARE(rig.button(), u"&Stop"_qs);
    }

    // The box's question is answered first; whatever comes meanwhile is told so, and the
    // record keeps its order.
    void aCommandWhileTheCommentBoxIsOpenIsBusy() {
        RemoteRig rig;
        rig.typeProject(u"Alpha"_qs);
        QStringList whileOpen;
        rig.dialogs.answerInput(u"Planning"_qs, [&] {
            for (const Verb verb : {Verb::Stop, Verb::Toggle, Verb::Note})
                whileOpen << rig.send({verb, {}, {}, u"Lunch"_qs, {}});
            whileOpen << rig.send({Verb::Start, u"Beta"_qs, {}, {}, {}});
            QVERIFY(!rig.remote->handle({Verb::Status, {}, {}, {}, {}}).status->running);
        });
        rig.click(u"CmdStartStop"_qs);
        QCOMPARE(whileOpen, QStringList(4, u"Tallyhawk is asking for the starting comment of "
                                           "Alpha."_qs));
        QCOMPARE(rig.log(), QByteArray("<!--  BEGIN SESSION //-->\r\n"
                                       "6/3/2008 9:00:05 AM [Started] Alpha\r\n"
                                       "6/3/2008 9:00:05 AM [Starting Comments] Planning\r\n"));
    }

    // The tray's Notes offers to start the project; a start from outside before the answer
    // is not undone by Yes.
    void aStartWhileTheWindowOffersOneIsKept() {
        RemoteRig rig;
        rig.typeProject(u"Alpha"_qs);
        rig.dialogs.answerQuestion(Dialogs::Answer::Yes, [&] {
            QCOMPARE(rig.send({Verb::Start, u"Beta"_qs, {}, {}, {}}), QString());
        });
        rig.find<QAction>(u"MnuNotes"_qs)->trigger();
        QVERIFY(rig.session().isRunning());
        QCOMPARE(rig.session().project(), u"Beta"_qs);
    }

    void aClosingWindowTakesNoCommand() {
        RemoteRig rig;
        rig.window->close();
        QCOMPARE(rig.send({Verb::Start, u"Beta"_qs, {}, {}, {}}), u"Tallyhawk is closing."_qs);
        QCOMPARE(rig.send({Verb::Activate, {}, {}, {}, {}}), u"Tallyhawk is closing."_qs);
        QCOMPARE(rig.broughtForward, 0);
        QVERIFY(rig.log().isNull());
    }
};

QTEST_MAIN(TestRemoteControl)
#include "tst_remotecontrol.moc"
