#include "session/sessioncontrol.h"
#include "tests/support/apprig.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QByteArray Utf8Mark = "\xef\xbb\xbf";

enum class Where { Project, Comment, Note };

// Starts a session with the texts given; where a text is outside Windows-1252, the question
// that comes for it is answered as given.
void startAndNote(AppRig& rig, const QString& project, const QString& comment, const QString& note,
                  Where unusual, Dialogs::Answer answer) {
    rig.typeProject(project);
    if (unusual == Where::Project)
        rig.dialogs.answerQuestion(answer);
    rig.dialogs.answerInput(comment);
    if (unusual == Where::Comment)
        rig.dialogs.answerQuestion(answer);
    rig.click(u"CmdStartStop"_qs);
    if (note.isEmpty())
        return;
    rig.click(u"CmdNotes"_qs);
    auto* notes = rig.find<QWidget>(u"FrmNotes"_qs);
    notes->findChild<QPlainTextEdit*>(u"Text1"_qs)->setPlainText(note);
    if (unusual == Where::Note)
        rig.dialogs.answerQuestion(answer);
    notes->findChild<QPushButton*>(u"CmdOk"_qs)->click();
}

} // namespace

class TestMainWindowUnicode : public QObject {
    Q_OBJECT
private slots:
    // Text in any script reaches the log as typed, once the user chooses to keep the files as
    // UTF-8; what was in the log before says the same as before.
    void yesKeepsTheFilesAsUtf8AndTheText_data() {
        QTest::addColumn<int>("where");
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("Japanese project")
            << int(Where::Project) << u"\u65e5\u672c\u8a9e"_qs << u"Plan"_qs << QString()
            << QByteArray("[Started] \xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\r\n");
        QTest::newRow("Greek comment")
            << int(Where::Comment) << u"Alpha"_qs << u"\u0391\u03b8\u03ae\u03bd\u03b1"_qs
            << QString()
            << QByteArray("[Starting Comments] \xce\x91\xce\xb8\xce\xae\xce\xbd\xce\xb1\r\n");
        QTest::newRow("Arabic note")
            << int(Where::Note) << u"Alpha"_qs << u"Plan"_qs << u"\u0633\u0644\u0627\u0645"_qs
            << QByteArray("[Notes] \xd8\xb3\xd9\x84\xd8\xa7\xd9\x85\r\n");
        QTest::newRow("emoji note") << int(Where::Note) << u"Alpha"_qs << u"Plan"_qs
                                    << QString::fromUcs4(U"done \U0001F389")
                                    << QByteArray("[Notes] done \xf0\x9f\x8e\x89\r\n");
        QTest::newRow("combining accent")
            << int(Where::Comment) << u"Alpha"_qs << u"Cafe\u0301"_qs << QString()
            << QByteArray("[Starting Comments] Cafe\xcc\x81\r\n");
    }
    void yesKeepsTheFilesAsUtf8AndTheText() {
        QFETCH(int, where);
        QFETCH(QString, project);
        QFETCH(QString, comment);
        QFETCH(QString, note);
        QFETCH(QByteArray, expected);
        AppRig rig;
        rig.writeFile(u"Tasks.txt"_qs, "Caf\xe9 \x80\r\n");
        rig.load();
        startAndNote(rig, project, comment, note, Where(where), Dialogs::Answer::Yes);
        rig.dialogs.verifyAllAnswered();
        const QByteArray log = rig.log();
        QVERIFY2(log.startsWith(Utf8Mark + "Caf\xc3\xa9 \xe2\x82\xac\r\n"), log.constData());
        QVERIFY2(log.contains(expected), log.constData());
        QVERIFY(rig.file(u"Projects.txt"_qs).startsWith(Utf8Mark));
        // Asked once: from now on the files hold every script.
        QVERIFY(rig.window->control().note(u"\u05e9\u05dc\u05d5\u05dd"_qs) == std::nullopt);
    }

    // No leaves every file as it was, and says which characters were refused.
    void noWritesNothingAndSaysWhy() {
        AppRig rig;
        rig.load();
        rig.typeProject(u"\u65e5\u672c"_qs);
        rig.dialogs.answerQuestion(Dialogs::Answer::No);
        rig.click(u"CmdStartStop"_qs);
        rig.dialogs.verifyAllAnswered();
        QVERIFY(rig.log().isNull());
        QVERIFY(rig.file(u"Projects.txt"_qs).isNull());
        QVERIFY(rig.dialogs.messageTexts().last().contains(u"(U+65E5)"));
        QVERIFY(rig.dialogs.messageTexts().last().contains(u"Nothing was written."));
    }

    // A comment refused by No is asked for again; the session starts with the next answer.
    void noToACommentAsksForItAgain() {
        AppRig rig;
        rig.load();
        rig.typeProject(u"Alpha"_qs);
        rig.dialogs.answerInput(u"\u65e5\u672c"_qs);
        rig.dialogs.answerQuestion(Dialogs::Answer::No);
        rig.dialogs.answerOk();
        rig.dialogs.answerInput(u"Plain"_qs);
        rig.click(u"CmdStartStop"_qs);
        rig.dialogs.verifyAllAnswered();
        QVERIFY(!rig.log().startsWith(Utf8Mark));
        QVERIFY(rig.log().endsWith("[Starting Comments] Plain\r\n"));
    }
};

QTEST_MAIN(TestMainWindowUnicode)
#include "tst_mainwindow_unicode.moc"
