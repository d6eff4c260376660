#include "session/logeditor.h"
#include "tests/support/localzone.h"

#include <QtTest>

namespace {

const QLocale UnitedStates(QStringLiteral("en_US"));

QDateTime at(int day, int hour, int minute, int second = 0) {
    return QDateTime(QDate(2008, 6, day), QTime(hour, minute, second));
}

// A log as users have them: a whole record, one the program never stopped, one written with
// LF only, a record with a note over two lines and an empty line in it, and a note saved after
// its session stopped.
const QByteArray Alpha = "<!--  BEGIN SESSION //-->\r\n"
                         "6/3/2008 9:00:05 AM [Started] Alpha\r\n"
                         "6/3/2008 9:00:05 AM [Starting Comments] Mock-ups\r\n"
                         "6/3/2008 10:15:40 AM [Stopped] Alpha\r\n"
                         "[Total Time] 0d 1h 15m 35s\r\n"
                         "<!--  END SESSION  -->\r\n";
const QByteArray Killed = "<!--  BEGIN SESSION //-->\r\n"
                          "6/3/2008 11:00:00 AM [Started] Killed\r\n";
const QByteArray LfOnly = "<!--  BEGIN SESSION //-->\n"
                          "6/4/2008 8:00:00 AM [Started] Lf\n"
                          "6/4/2008 8:30:00 AM [Stopped] Lf\n"
                          "[Total Time] 0d 0h 30m 0s\n"
                          "<!--  END SESSION  -->\n";
const QByteArray Beta = "<!--  BEGIN SESSION //-->\r\n"
                        "6/5/2008 1:00:00 PM [Started] Beta\r\n"
                        "6/5/2008 1:10:00 PM [Notes] first line\r\n"
                        "\r\n"
                        "second line\r\n"
                        "6/5/2008 2:00:00 PM [Stopped] Beta\r\n"
                        "[Total Time] 0d 1h 0m 0s\r\n"
                        "<!--  END SESSION  -->\r\n";
const QByteArray Late = "6/5/2008 3:00:00 PM [Notes] said after the stop\r\n";

QByteArray sampleLog() {
    return Alpha + "\r\n\r\n" + Killed + LfOnly + "\n\n" + Beta + "\r\n\r\n" + Late;
}

RecordRef refTo(const QByteArray& log, const QByteArray& record) {
    return {log.indexOf(record), record};
}

LogEditor::Moments now() {
    return {at(10, 12, 0), std::nullopt};
}

QByteArray applied(const QByteArray& log, const LogEditor::Result& result) {
    if (const QString* why = std::get_if<QString>(&result)) {
        qWarning("%s", qPrintable(*why));
        return {};
    }
    return std::get<LogEdit>(result).applyTo(log).value_or(QByteArray());
}

QString refusal(const LogEditor::Result& result) {
    const QString* why = std::get_if<QString>(&result);
    return why ? *why : QString();
}

} // namespace

Q_DECLARE_METATYPE(SessionFields)

class TestLogEditor : public QObject {
    Q_OBJECT
private slots:
    void correctingARecordRewritesItAndKeepsEveryOtherByte() {
        const LogEditor editor(UnitedStates);
        const QByteArray log = sampleLog();
        const SessionFields fields{u"Beta"_qs, at(5, 13, 0), at(5, 15, 30, 5), u"Review"_qs};
        const QByteArray corrected =
            applied(log, editor.correct(log, refTo(log, Beta), fields, now()));
        const QByteArray record = "<!--  BEGIN SESSION //-->\r\n"
                                  "6/5/2008 1:00:00 PM [Started] Beta\r\n"
                                  "6/5/2008 1:00:00 PM [Starting Comments] Review\r\n"
                                  "6/5/2008 1:10:00 PM [Notes] first line\r\n"
                                  "\r\n"
                                  "second line\r\n"
                                  "6/5/2008 3:30:05 PM [Stopped] Beta\r\n"
                                  "[Total Time] 0d 2h 30m 5s\r\n"
                                  "<!--  END SESSION  -->\r\n";
        QCOMPARE(corrected,
                 Alpha + "\r\n\r\n" + Killed + LfOnly + "\n\n" + record + "\r\n\r\n" + Late);
    }

    void whatCannotBeRecordedIsRefused_data() {
        QTest::addColumn<SessionFields>("fields");
        QTest::addColumn<QString>("why");
        QTest::newRow("overlap")
            << SessionFields{u"Beta"_qs, at(4, 8, 15), at(5, 14, 0), {}}
            << u"It would overlap Session #3, Lf from 6/4/2008 8:00:00 AM to 6/4/2008 8:30:00 AM."_qs;
        QTest::newRow("future") << SessionFields{u"Beta"_qs, at(5, 13, 0), at(10, 12, 0, 1), {}}
                                << u"6/10/2008 12:00:01 PM is in the future."_qs;
        QTest::newRow("stop before start")
            << SessionFields{u"Beta"_qs, at(5, 13, 0), at(5, 12, 0), {}}
            << u"The stop comes before the start."_qs;
        QTest::newRow("no name") << SessionFields{QString(), at(5, 13, 0), at(5, 14, 0), {}}
                                 << u"Please enter a project name"_qs;
    }
    void whatCannotBeRecordedIsRefused() {
        QFETCH(SessionFields, fields);
        QFETCH(QString, why);
        const LogEditor editor(UnitedStates);
        const QByteArray log = sampleLog();
        QCOMPARE(refusal(editor.correct(log, refTo(log, Beta), fields, now())), why);
        QCOMPARE(refusal(editor.add(log, fields, now())), why);
    }

    void aRecordThatDoesNotReadCanOnlyBeDeleted() {
        const LogEditor editor(UnitedStates);
        const QByteArray log = sampleLog();
        const auto read = editor.read(log, refTo(log, Killed));
        QVERIFY(std::holds_alternative<QString>(read));
        QVERIFY(std::get<QString>(read).contains(u"cannot be corrected"_qs));
        // Deleted with nothing of it left, the cut record had no empty lines of its own.
        QCOMPARE(applied(log, editor.remove(log, refTo(log, Killed))),
                 Alpha + "\r\n\r\n" + LfOnly + "\n\n" + Beta + "\r\n\r\n" + Late);
        // A whole record goes with the two empty lines that close it.
        QCOMPARE(applied(log, editor.remove(log, refTo(log, Alpha))),
                 Killed + LfOnly + "\n\n" + Beta + "\r\n\r\n" + Late);
    }

    void aRecordTheLogNoLongerHoldsIsLeftAlone() {
        const LogEditor editor(UnitedStates);
        const QByteArray log = sampleLog();
        RecordRef stale = refTo(log, Beta);
        stale.bytes.replace("Beta", "Gamm");
        QVERIFY(refusal(editor.remove(log, stale)).contains(u"has changed"_qs));
    }

    void anAddedSessionGoesWhereItsStartBelongs() {
        const LogEditor editor(UnitedStates);
        const QByteArray log = sampleLog();
        const SessionFields forgotten{u"Meeting"_qs, at(4, 9, 0), at(4, 10, 0), {}};
        const QByteArray record = "<!--  BEGIN SESSION //-->\r\n"
                                  "6/4/2008 9:00:00 AM [Started] Meeting\r\n"
                                  "6/4/2008 10:00:00 AM [Stopped] Meeting\r\n"
                                  "[Total Time] 0d 1h 0m 0s\r\n"
                                  "<!--  END SESSION  -->\r\n\r\n\r\n";
        QCOMPARE(applied(log, editor.add(log, forgotten, now())),
                 Alpha + "\r\n\r\n" + Killed + LfOnly + "\n\n" + record + Beta + "\r\n\r\n" + Late);
        // After every record, at the end; after a last line without its line end, on a line
        // of its own.
        const SessionFields last{u"Meeting"_qs, at(9, 9, 0), at(9, 10, 0), {}};
        QVERIFY(applied(log.chopped(2), editor.add(log.chopped(2), last, now()))
                    .endsWith("after the stop\r\n<!--  BEGIN SESSION //-->\r\n"
                              "6/9/2008 9:00:00 AM [Started] Meeting\r\n"
                              "6/9/2008 10:00:00 AM [Stopped] Meeting\r\n"
                              "[Total Time] 0d 1h 0m 0s\r\n"
                              "<!--  END SESSION  -->\r\n\r\n\r\n"));
    }

    void theRunningSessionsStartLinesAreWrittenAnew() {
        const LogEditor editor(UnitedStates);
        const QByteArray running = "<!--  BEGIN SESSION //-->\r\n"
                                   "6/10/2008 11:00:00 AM [Started] Now\r\n"
                                   "6/10/2008 11:00:00 AM [Starting Comments] Work\r\n"
                                   "6/10/2008 11:30:00 AM [Notes] half way\r\n";
        const QByteArray log = Alpha + "\r\n\r\n" + running;
        const LogEditor::Moments moments{at(10, 12, 0), at(10, 11, 0)};
        QCOMPARE(applied(log, editor.moveRunningStart(log, at(10, 11, 0), at(10, 10, 40), moments)),
                 Alpha + "\r\n\r\n" +
                     "<!--  BEGIN SESSION //-->\r\n"
                     "6/10/2008 10:40:00 AM [Started] Now\r\n"
                     "6/10/2008 10:40:00 AM [Starting Comments] Work\r\n"
                     "6/10/2008 11:30:00 AM [Notes] half way\r\n");
        QCOMPARE(refusal(editor.moveRunningStart(log, at(10, 11, 0), at(3, 10, 0), moments)),
                 u"6/3/2008 10:00:00 AM is before the end of Session #1, Alpha from 6/3/2008 "
                 "9:00:05 AM to 6/3/2008 10:15:40 AM."_qs);
    }

    // In the hour that repeats when summer time ends, a stamp names the first of its two
    // moments: a session stamped 2:10 to 2:40 there overlaps one of 2:20 to 2:30.
    void aStampInTheRepeatedHourNamesItsFirstMoment() {
        const LocalZone berlin("Europe/Berlin");
        const LogEditor editor(UnitedStates);
        const QByteArray log = "<!--  BEGIN SESSION //-->\r\n"
                               "10/26/2008 2:10:00 AM [Started] Night\r\n"
                               "10/26/2008 2:40:00 AM [Stopped] Night\r\n"
                               "[Total Time] 0d 0h 30m 0s\r\n"
                               "<!--  END SESSION  -->\r\n\r\n\r\n";
        const QDateTime first = QDateTime(QDate(2008, 10, 26), QTime(2, 20)).addSecs(-3600);
        QCOMPARE(first.offsetFromUtc(), 7200);
        const SessionFields inside{u"Other"_qs, first, first.addSecs(600), {}};
        QVERIFY(refusal(editor.add(log, inside, {QDateTime(QDate(2008, 11, 1), QTime(9, 0)), {}}))
                    .contains(u"overlap Session #1"_qs));
    }
};

QTEST_GUILESS_MAIN(TestLogEditor)
#include "tst_logeditor.moc"
