// Choosing, saving and restoring the colour scheme and the minimise option.
#include "storage/appsettings.h"
#include "tests/support/apprig.h"
#include "tests/support/faultfs.h"
#include "ui/assets/assets.h"
#include "ui/schemechoice.h"
#include "ui/settingswindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

namespace {

const QString Ini = QStringLiteral("Settings.ini");

QByteArray flags(const char* black, const char* def, const char* orange, const char* red) {
    return QByteArray("[ColorScheme]\r\nBlack=") + black + "\r\nDefault=" + def +
           "\r\nOrangeCreme=" + orange + "\r\nRed=" + red + "\r\n";
}

bool samePicture(const QPixmap& shown, const QString& picture) {
    return shown.toImage().convertToFormat(QImage::Format_RGB32) ==
           QImage(picture).convertToFormat(QImage::Format_RGB32);
}

bool shows(const AppRig& rig, const QString& top, const QString& bottom) {
    return samePicture(rig.find<QLabel>(u"ImgTop"_qs)->pixmap(), top) &&
           samePicture(rig.find<QLabel>(u"ImgBottom"_qs)->pixmap(), bottom);
}

QRadioButton* option(const QWidget* settings, const QString& name) {
    return settings->findChild<QRadioButton*>(name);
}

QCheckBox* minimizeBox(const QWidget* settings) {
    return settings->findChild<QCheckBox*>(u"ChkMin"_qs);
}

// The selected option button's caption, or empty text when none is selected.
QString selected(const QWidget* settings) {
    for (const QRadioButton* b : settings->findChildren<QRadioButton*>()) {
        if (b->isChecked())
            return b->text();
    }
    return {};
}

// The Settings window while it exists.
QWidget* settingsWindow(const AppRig& rig) {
    return rig.window->findChild<SettingsWindow*>(u"FrmSettings"_qs);
}

QWidget* openSettings(const AppRig& rig) {
    QTest::mouseClick(rig.find(u"LblSettings"_qs), Qt::LeftButton);
    return settingsWindow(rig);
}

void closeAndDelete(QWidget* window) {
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestColourSchemes : public QObject {
    Q_OBJECT
private slots:
    void withoutSettingsFileDefaultShowsAndNothingIsWritten() {
        AppRig rig;
        rig.load();
        QVERIFY(shows(rig, assets::TopDefault, assets::BottomDefault));
        QVERIFY(!settingsWindow(rig));
        QWidget* s = openSettings(rig);
        QVERIFY(s && s->isVisible());
        QCOMPARE(selected(s), QString());
        QVERIFY(!minimizeBox(s)->isChecked());
        QVERIFY(!QFile::exists(rig.path(Ini)));
    }

    void choosingSchemeShowsItsPicturesAndWritesAllFourFlags_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("bottom");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("Default") << u"Default"_qs << assets::TopDefault << assets::BottomDefault
                                 << flags("False", "True", "False", "False");
        QTest::newRow("Red") << u"Red"_qs << assets::TopRed << assets::BottomRed
                             << flags("False", "False", "False", "True");
        QTest::newRow("Black") << u"Black"_qs << assets::TopBlack << assets::BottomBlack
                               << flags("True", "False", "False", "False");
        QTest::newRow("Orange Cream")
            << u"Orange Cream"_qs << assets::TopOrange << assets::BottomOrange
            << flags("False", "False", "True", "False");
    }
    void choosingSchemeShowsItsPicturesAndWritesAllFourFlags() {
        QFETCH(QString, caption);
        QFETCH(QString, top);
        QFETCH(QString, bottom);
        QFETCH(QByteArray, file);
        AppRig rig;
        rig.load();
        QWidget* s = openSettings(rig);
        // Another scheme first, so that the change is seen in the pictures and the file.
        QRadioButton* first =
            caption == u"Black" ? option(s, u"OptRed"_qs) : option(s, u"OptBlack"_qs);
        QTest::mouseClick(first, Qt::LeftButton);
        const auto button = s->findChildren<QRadioButton*>();
        const auto it = std::find_if(button.begin(), button.end(),
                                     [&](QRadioButton* b) { return b->text() == caption; });
        QVERIFY(it != button.end());
        QTest::mouseClick(*it, Qt::LeftButton);
        QCOMPARE(selected(s), caption);
        QVERIFY(shows(rig, top, bottom));
        QCOMPARE(rig.file(Ini), file);
    }

    void savedSchemeIsRestoredAtStartUp_data() {
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QByteArray>("after");
        const QByteArray red = flags("False", "False", "False", "True");
        QTest::newRow("Red") << red << u"Red"_qs << assets::TopRed << red;
        QTest::newRow("Default and Red both True")
            << flags("False", "True", "False", "True") << u"Default"_qs << assets::TopDefault
            << flags("False", "True", "False", "False");
        QTest::newRow("Black and Orange Cream both True")
            << flags("True", "False", "True", "False") << u"Orange Cream"_qs << assets::TopOrange
            << flags("False", "False", "True", "False");
        const QByteArray none = flags("False", "False", "False", "False");
        QTest::newRow("all False") << none << QString() << assets::TopDefault << none;
        const QByteArray noSection = "[Checkboxes]\r\nChkAskMe=1\r\n";
        QTest::newRow("no section") << noSection << QString() << assets::TopDefault << noSection;
        // Hand-edited flags: letter case does not matter, other words are skipped.
        QTest::newRow("hand-edited") << QByteArray("[ColorScheme]\r\nDefault=yes\r\nRed=true\r\n")
                                     << u"Red"_qs << assets::TopRed
                                     << QByteArray("[ColorScheme]\r\nDefault=False\r\nRed=True"
                                                   "\r\nBlack=False\r\nOrangeCreme=False\r\n");
    }
    void savedSchemeIsRestoredAtStartUp() {
        QFETCH(QByteArray, saved);
        QFETCH(QString, chosen);
        QFETCH(QString, top);
        QFETCH(QByteArray, after);
        AppRig rig;
        rig.writeFile(Ini, saved);
        rig.load();
        QCOMPARE(rig.find<QLabel>(u"ImgTop"_qs)
                     ->pixmap()
                     .toImage()
                     .convertToFormat(QImage::Format_RGB32),
                 QImage(top).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(rig.file(Ini), after);
        // Start-up needs no Settings window for it; the first one shows the saved scheme.
        QVERIFY(!settingsWindow(rig));
        QWidget* s = openSettings(rig);
        QVERIFY(s->isVisible());
        QCOMPARE(selected(s), chosen);
        QCOMPARE(rig.file(Ini), after);
    }

    void minimiseOptionIsRestoredAtStartUp_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("1") << QByteArray("1") << true << QByteArray("1");
        QTest::newRow("leading zero") << QByteArray("01") << true << QByteArray("1");
        QTest::newRow("0") << QByteArray("0") << false << QByteArray("0");
        QTest::newRow("not a number") << QByteArray("yes") << false << QByteArray("yes");
        QTest::newRow("out of range") << QByteArray("2") << false << QByteArray("2");
    }
    void minimiseOptionIsRestoredAtStartUp() {
        QFETCH(QByteArray, value);
        QFETCH(bool, checked);
        QFETCH(QByteArray, after);
        AppRig rig;
        rig.writeFile(Ini, "[Checkboxes]\r\nChkMin=" + value + "\r\n");
        rig.load();
        QCOMPARE(rig.file(Ini), "[Checkboxes]\r\nChkMin=" + after + "\r\n");
        QCOMPARE(minimizeBox(openSettings(rig))->isChecked(), checked);
        QCOMPARE(rig.file(Ini), "[Checkboxes]\r\nChkMin=" + after + "\r\n");
    }

    void minimiseOptionIsWrittenAtOnce() {
        AppRig rig;
        rig.load();
        QWidget* s = openSettings(rig);
        QTest::mouseClick(minimizeBox(s), Qt::LeftButton);
        QCOMPARE(rig.file(Ini), QByteArray("[Checkboxes]\r\nChkMin=1\r\n"));
        QTest::mouseClick(minimizeBox(s), Qt::LeftButton);
        QCOMPARE(rig.file(Ini), QByteArray("[Checkboxes]\r\nChkMin=0\r\n"));
    }

    void reopenedSettingsWindowStartsAfresh_data() {
        QTest::addColumn<bool>("byExitPicture");
        QTest::newRow("Exit picture") << true;
        QTest::newRow("close box") << false;
    }
    void reopenedSettingsWindowStartsAfresh() {
        QFETCH(bool, byExitPicture);
        AppRig rig;
        rig.load();
        QWidget* s = openSettings(rig);
        QTest::mouseClick(option(s, u"OptOrangeCream"_qs), Qt::LeftButton);
        QTest::mouseClick(minimizeBox(s), Qt::LeftButton);
        const QByteArray saved = rig.file(Ini);
        if (byExitPicture) {
            QTest::mouseClick(s->findChild<QLabel*>(u"ImgExit"_qs), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } else {
            closeAndDelete(s);
        }
        QVERIFY(!settingsWindow(rig));
        s = openSettings(rig);
        QCOMPARE(selected(s), QString());
        QVERIFY(!minimizeBox(s)->isChecked());
        QVERIFY(shows(rig, assets::TopOrange, assets::BottomOrange));
        QCOMPARE(rig.file(Ini), saved);
    }

    void openSettingsWindowIsOnlyBroughtForward() {
        AppRig rig;
        rig.load();
        QWidget* s = openSettings(rig);
        QTest::mouseClick(option(s, u"OptRed"_qs), Qt::LeftButton);
        QCOMPARE(openSettings(rig), s);
        QCOMPARE(selected(s), u"Red"_qs);
    }

    void arrowKeysStepThroughSchemesAndChooseEach_data() {
        QTest::addColumn<int>("from"); // index in tab order, -1: none selected, focus on Default
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("top");
        QTest::newRow("right from nothing")
            << -1 << int(Qt::Key_Right) << u"Red"_qs << assets::TopRed;
        QTest::newRow("left round the start")
            << 0 << int(Qt::Key_Left) << u"Orange Cream"_qs << assets::TopOrange;
        QTest::newRow("down from Black")
            << 2 << int(Qt::Key_Down) << u"Orange Cream"_qs << assets::TopOrange;
        QTest::newRow("down round the end")
            << 3 << int(Qt::Key_Down) << u"Default"_qs << assets::TopDefault;
        QTest::newRow("up from Red") << 1 << int(Qt::Key_Up) << u"Default"_qs << assets::TopDefault;
    }
    void arrowKeysStepThroughSchemesAndChooseEach() {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(QString, chosen);
        QFETCH(QString, top);
        AppRig rig;
        rig.load();
        QWidget* s = openSettings(rig);
        const QList<QRadioButton*> order{option(s, u"OptDefault"_qs), option(s, u"OptRed"_qs),
                                         option(s, u"OptBlack"_qs),
                                         option(s, u"OptOrangeCream"_qs)};
        QRadioButton* start = order[std::max(from, 0)];
        if (from >= 0)
            start->setChecked(true);
        QTest::keyClick(start, Qt::Key(key));
        QCOMPARE(selected(s), chosen);
        QCOMPARE(rig.find<QLabel>(u"ImgTop"_qs)
                     ->pixmap()
                     .toImage()
                     .convertToFormat(QImage::Format_RGB32),
                 QImage(top).convertToFormat(QImage::Format_RGB32));
    }

    // The file already holds what start-up writes back, so a file that cannot be written is
    // no reason for a warning.
    void readOnlySettingsHoldingTheSchemeStartWithoutWarning() {
        AppRig rig;
        const QByteArray saved =
            flags("False", "False", "False", "True") + "[Checkboxes]\r\nChkMin=1\r\n";
        rig.writeFile(Ini, saved);
        faultfs::ReadOnlyFolder readOnly(rig.dir.path());
        QVERIFY2(readOnly.unavailableReason().isEmpty(), qPrintable(readOnly.unavailableReason()));
        rig.load();
        QWidget* settings = openSettings(rig);
        QVERIFY(option(settings, u"OptRed"_qs)->isChecked());
        QVERIFY(minimizeBox(settings)->isChecked());
        QCOMPARE(rig.dialogs.messageTexts(), QStringList());
        QCOMPARE(rig.file(Ini), saved);
    }

    // The four flags are saved together: a disk that fills part-way through leaves either the
    // new flags or the old ones, never a file without a "True".
    void schemeIsSavedWholeOrNotAtAll_data() {
        QTest::addColumn<qint64>("freeBytes");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("warnings");
        const QByteArray red = flags("False", "False", "False", "True");
        QTest::newRow("room for one rewrite") << qint64(red.size() + 10) << red << 0;
        QTest::newRow("no room") << qint64(10) << flags("True", "False", "False", "False") << 1;
    }
    void schemeIsSavedWholeOrNotAtAll() {
        QFETCH(qint64, freeBytes);
        QFETCH(QByteArray, after);
        QFETCH(int, warnings);
        AppRig rig;
        rig.writeFile(Ini, flags("True", "False", "False", "False"));
        rig.load();
        QWidget* settings = openSettings(rig);
        faultfs::SmallDisk disk(rig.dir.path(), freeBytes);
        QTest::mouseClick(option(settings, u"OptRed"_qs), Qt::LeftButton);
        QCOMPARE(rig.file(Ini), after);
        QCOMPARE(rig.dialogs.messageTexts().size(), warnings);
    }

    void unwritableSettingsFileIsReportedOnceAndSchemeStillApplies() {
        FakeDialogs dialogs;
        QTemporaryDir dir;
        const QString path = dir.filePath(u"missing/Settings.ini"_qs);
        const AppSettings settings(path);
        QWidget owner;
        SchemeChoice choice(settings, dialogs, &owner);
        SettingsWindow s(choice);
        QList<QPixmap> shown;
        connect(&choice, &SchemeChoice::schemeApplied, this,
                [&shown](const QPixmap& top, const QPixmap&) { shown.append(top); });
        option(&s, u"OptRed"_qs)->setChecked(true);
        option(&s, u"OptBlack"_qs)->setChecked(true);
        minimizeBox(&s)->setChecked(true);
        QCOMPARE(shown.size(), 2);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::Warning);
        QVERIFY(dialogs.messages[0].text.contains(QDir::toNativeSeparators(path)) ||
                dialogs.messages[0].text.contains(path));
    }
};

QTEST_MAIN(TestColourSchemes)
#include "tst_colourschemes.moc"
