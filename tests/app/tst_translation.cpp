#include "app/mainwindowlayout.h"
#include "app/noteswindowlayout.h"
#include "app/translation.h"
#include "away/awayquestionlayout.h"
#include "reports/reportswindowlayout.h"
#include "tests/support/apprig.h"
#include "ui/aboutwindowlayout.h"
#include "ui/settingswindowlayout.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

namespace {

// The room a button leaves its caption once its indicator and margins are drawn, at the size
// the design gives it.
QRect captionRoom(const QAbstractButton& button, const QRect& designed) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = QRect(QPoint(), designed.size());
    option.text = button.text();
    const QStyle::SubElement element =
        qobject_cast<const QCheckBox*>(&button)      ? QStyle::SE_CheckBoxContents
        : qobject_cast<const QRadioButton*>(&button) ? QStyle::SE_RadioButtonContents
                                                     : QStyle::SE_PushButtonContents;
    return button.style()->subElementRect(element, &option, &button);
}

// A text of a designed control: how much room it needs, and how much its design gives it.
struct Measured {
    QString name;
    QString text;
    QSize needed;
    QSize room;
};

// Every designed control of the window that shows a text, measured in its own font.
template <typename Design> QList<Measured> measure(const QWidget& window, const Design& design) {
    QList<Measured> found;
    for (const DesignedControl& designed : design) {
        const auto* control = window.findChild<const QWidget*>(designed.name.toString());
        if (!control)
            continue;
        const QRect rect(QPoint(), designed.rect.pixels().size());
        QString text;
        QRect room;
        bool wraps = false;
        if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            text = button->text();
            room = captionRoom(*button, rect);
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            text = label->text();
            room = rect.marginsRemoved(label->contentsMargins());
            wraps = label->wordWrap();
        }
        text.remove(u'&');
        if (text.isEmpty())
            continue;
        const QFontMetrics metrics(control->font());
        const QSize needed = wraps ? metrics.boundingRect(room, Qt::TextWordWrap, text).size()
                                   : QSize(metrics.horizontalAdvance(text), metrics.height());
        found += {designed.name.toString(), text, needed, QSize(room.width(), rect.height())};
    }
    return found;
}

// Starts a session with the comment box answered as given.
void start(AppRig& rig, const QString& project, const QString& comment) {
    rig.typeProject(project);
    rig.dialogs.answerInput(comment);
    rig.click(u"CmdStartStop"_qs);
}

// Leaves the running session for twenty minutes and comes back.
void awayAndBack(AppRig& rig) {
    rig.idle.input();
    rig.runMinutes(20);
    rig.idle.input();
    rig.runSeconds(1);
}

void writeNote(AppRig& rig, const QString& note) {
    rig.click(u"CmdNotes"_qs);
    QWidget* notes = rig.find(u"FrmNotes"_qs);
    notes->findChild<QPlainTextEdit*>(u"Text1"_qs)->setPlainText(note);
    notes->findChild<QAbstractButton*>(u"CmdOk"_qs)->click();
}

// A whole session with every kind of line the window writes: the comment box's preset answer,
// a note, the away time kept, and the stop; then the program ends.
struct Written {
    QByteArray log;
    QByteArray projects;
    QByteArray settings;
};

Written aSessionUnder(const QString& language) {
    const Translation translation{QLocale(language)};
    AppRig rig;
    rig.load();
    // Enter keeps the preset answer.
    start(rig, u"Website redesign"_qs, u"Default"_qs);
    writeNote(rig, u"Mock-ups reviewed"_qs);
    awayAndBack(rig);
    rig.window->findChild<QWidget*>(u"FrmAway"_qs)
        ->findChild<QAbstractButton*>(u"CmdKeep"_qs)
        ->click();
    rig.runSeconds(30);
    rig.click(u"CmdStartStop"_qs);
    rig.window->close();
    return {rig.log(), rig.file(u"Projects.txt"_qs), rig.file(u"Settings.ini"_qs)};
}

} // namespace

class TestTranslation : public QObject {
    Q_OBJECT
private slots:
    void loadsTheUsersLanguageOrNothing_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("reports");
        QTest::addColumn<QString>("qtCancel");
        QTest::newRow("German") << u"de_DE"_qs << u"de"_qs << u"Berichte"_qs << u"Abbrechen"_qs;
        QTest::newRow("Austrian German")
            << u"de_AT"_qs << u"de"_qs << u"Berichte"_qs << u"Abbrechen"_qs;
        QTest::newRow("Canadian French")
            << u"fr_CA"_qs << u"fr"_qs << u"Rapports"_qs << u"Annuler"_qs;
        QTest::newRow("Mexican Spanish")
            << u"es_MX"_qs << u"es"_qs << u"Informes"_qs << u"Cancelar"_qs;
        QTest::newRow("English") << u"en_GB"_qs << QString() << u"Reports"_qs << u"Cancel"_qs;
        QTest::newRow("not shipped: Italian, Qt's own stays English too")
            << u"it_IT"_qs << QString() << u"Reports"_qs << u"Cancel"_qs;
        QTest::newRow("C") << u"C"_qs << QString() << u"Reports"_qs << u"Cancel"_qs;
    }
    void loadsTheUsersLanguageOrNothing() {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, reports);
        QFETCH(QString, qtCancel);
        {
            const Translation translation{QLocale(locale)};
            QCOMPARE(translation.language(), language);
            QCOMPARE(QCoreApplication::translate("MainWindowControls", "Reports"), reports);
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtCancel);
        }
        // Removed with the object: the next window is English again.
        QCOMPARE(QCoreApplication::translate("MainWindowControls", "Reports"), u"Reports"_qs);
    }

    void theWindowSpeaksTheLanguage() {
        const Translation translation{QLocale(u"de_DE"_qs)};
        AppRig rig;
        rig.load();
        QCOMPARE(rig.find<QAbstractButton>(u"CmdNotes"_qs)->text(), u"&Notizen"_qs);
        QCOMPARE(rig.find<QLabel>(u"LblSettings"_qs)->text(), u"Optionen"_qs);
        start(rig, u"Alpha"_qs, u"Default"_qs);
        QCOMPARE(rig.dialogs.inputs[0].title, u"Was machen Sie gerade?"_qs);
        // The preset answer is what the log will hold, so it stays as it is.
        QCOMPARE(rig.dialogs.inputs[0].preset, u"Default"_qs);
        QCOMPARE(rig.find<QAbstractButton>(u"CmdStartStop"_qs)->text(), u"S&topp"_qs);
    }

    void theFilesAreTheSameInEveryLanguage_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de_DE", "fr_FR", "es_ES"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void theFilesAreTheSameInEveryLanguage() {
        QFETCH(QString, language);
        const Written english = aSessionUnder(u"en_US"_qs);
        QVERIFY(english.log.contains("[Starting Comments] Default\r\n"));
        QVERIFY(english.log.contains("[Notes] Mock-ups reviewed\r\n"));
        QVERIFY(english.log.contains("[Notes] Away from "));
        const Written translated = aSessionUnder(language);
        QCOMPARE(translated.log, english.log);
        QCOMPARE(translated.projects, english.projects);
        QCOMPARE(translated.settings, english.settings);
    }

    // Where the design's own English is wider than its rectangle in this font (the window
    // lets those controls grow), a translation may take as much room as the English.
    void everyTextFitsItsDesignedRectangle_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de_DE", "fr_FR", "es_ES"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void everyTextFitsItsDesignedRectangle() {
        QFETCH(QString, language);
        const QList<Measured> english = everyDesignedText();
        QList<Measured> translated;
        {
            const Translation translation{QLocale(language)};
            translated = everyDesignedText();
        }
        QCOMPARE(translated.size(), english.size());
        QStringList misfits;
        for (qsizetype i = 0; i < translated.size(); ++i) {
            const Measured& shown = translated[i];
            const QSize room = shown.room.expandedTo(english[i].needed);
            if (shown.needed.width() > room.width() || shown.needed.height() > room.height())
                misfits += u"%1: \"%2\" needs %3 pixels, has %4"_qs.arg(shown.name, shown.text)
                               .arg(shown.needed.width())
                               .arg(room.width());
        }
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(u"; "_qs)));
    }

private:
    // Every designed window, idle and running, with a short project name.
    static QList<Measured> everyDesignedText() {
        AppRig rig;
        rig.load();
        QList<Measured> found = measure(*rig.window, mainwindowlayout::Design);
        for (const char* link : {"LblReports", "LblSettings", "LblAbout"})
            QTest::mouseClick(rig.find(QString::fromLatin1(link)), Qt::LeftButton);
        found += measure(*rig.find(u"FrmLog"_qs), reportswindowlayout::Design);
        found += measure(*rig.find(u"FrmSettings"_qs), settingswindowlayout::Design);
        found += measure(*rig.find(u"FrmAbout"_qs), aboutwindowlayout::Design);

        start(rig, u"Alpha"_qs, u"Default"_qs);
        found += measure(*rig.window, mainwindowlayout::Design);
        rig.click(u"CmdNotes"_qs);
        found += measure(*rig.find(u"FrmNotes"_qs), noteswindowlayout::Design);
        awayAndBack(rig);
        found += measure(*rig.find(u"FrmAway"_qs), awayquestionlayout::Design);
        return found;
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
