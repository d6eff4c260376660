#include "reports/loggedsessions.h"
#include "tests/support/sessionlogtext.h"

#include <QtTest>

using namespace sessionlogtext;

namespace {

const QLocale UnitedStates(QLocale::English, QLocale::UnitedStates);

QString stateName(LoggedSession::State state) {
    switch (state) {
    case LoggedSession::State::Counted:
        return u"counted"_qs;
    case LoggedSession::State::NotStopped:
        return u"not stopped"_qs;
    case LoggedSession::State::NoDuration:
        return u"no duration"_qs;
    }
    return {};
}

// "Alpha|2008-06-03|4535|counted" per session, in log order.
QStringList dump(const QByteArray& bytes) {
    const LoggedSessions log = LoggedSessions::read(bytes, UnitedStates);
    QStringList out;
    for (const LoggedSession& session : log.sessions()) {
        const QString date =
            session.date.isValid() ? session.date.toString(Qt::ISODate) : u"undated"_qs;
        out += log.projects()[session.project] + u'|' + date + u'|' +
               QString::number(session.seconds) + u'|' + stateName(session.state);
    }
    return out;
}

const QString Start = u"6/3/2008 9:00:05 AM"_qs;
const QString Stop = u"6/3/2008 10:15:40 AM"_qs;
// 1 h 15 min 35 s
constexpr qint64 Span = 1 * 3600 + 15 * 60 + 35;

} // namespace

class TestLoggedSessions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_zone = std::make_unique<LocalZone>("UTC0"); }
    void cleanupTestCase() { m_zone.reset(); }

    void readsSessions_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QStringList>("sessions");
        const QString alpha = u"Alpha|2008-06-03|%1|counted"_qs.arg(Span);

        QTest::newRow("complete records")
            << bytes(record(u"Alpha"_qs, Start, Stop, u"0d 1h 15m 35s"_qs,
                            {Start + u" [Starting Comments] Mock-ups"_qs,
                             u"6/3/2008 9:30:06 AM [Notes] Call"_qs}) +
                     record(u"Beta"_qs, u"6/4/2008 11:00:00 AM"_qs, u"6/4/2008 11:20:10 AM"_qs,
                            u"0d 0h 20m 10s"_qs))
            << QStringList{alpha, u"Beta|2008-06-04|%1|counted"_qs.arg(20 * 60 + 10)};
        QTest::newRow("days in the total")
            << bytes(record(u"Alpha"_qs, Start, Stop, u"2d 1h 0m 5s"_qs))
            << QStringList{u"Alpha|2008-06-03|%1|counted"_qs.arg(2 * 86400 + 3600 + 5)};
        QTest::newRow("N/A total counts from the stamps")
            << bytes(record(u"Alpha"_qs, Start, Stop, u"N/A"_qs)) << QStringList{alpha};
        QTest::newRow("a total that is no time counts from the stamps")
            << bytes(record(u"Alpha"_qs, Start, Stop, u"about an hour"_qs)) << QStringList{alpha};
        QTest::newRow("missing total line counts from the stamps")
            << bytes({Begin, Start + u" [Started] Alpha"_qs, Stop + u" [Stopped] Alpha"_qs, End})
            << QStringList{alpha};
        QTest::newRow("N/A across midnight counts on the start day")
            << bytes(record(u"Alpha"_qs, u"12/31/2023 11:30:00 PM"_qs, u"1/1/2024 12:45:00 AM"_qs,
                            u"N/A"_qs))
            << QStringList{u"Alpha|2023-12-31|%1|counted"_qs.arg(75 * 60)};
        QTest::newRow("a stamp at midnight is the date alone")
            << bytes(record(u"Alpha"_qs, u"1/1/2024"_qs, u"1/1/2024 1:00:00 AM"_qs, u"N/A"_qs))
            << QStringList{u"Alpha|2024-01-01|3600|counted"_qs};
        QTest::newRow("LF line ends")
            << bytes(record(u"Alpha"_qs, Start, Stop, u"0d 1h 15m 35s"_qs), u"\n"_qs)
            << QStringList{alpha};
        QTest::newRow("CR line ends")
            << bytes(record(u"Alpha"_qs, Start, Stop, u"0d 1h 15m 35s"_qs), u"\r"_qs)
            << QStringList{alpha};
        QTest::newRow("names are exact: a trailing space is another project")
            << bytes(record(u"Alpha"_qs, Start, Stop, u"0d 1h 15m 35s"_qs) +
                     record(u"Alpha "_qs, Start, Stop, u"0d 0h 0m 1s"_qs) +
                     record(u"alpha"_qs, Start, Stop, u"0d 0h 0m 2s"_qs))
            << QStringList{alpha, u"Alpha |2008-06-03|1|counted"_qs,
                           u"alpha|2008-06-03|2|counted"_qs};
    }
    void readsSessions() {
        QFETCH(QByteArray, log);
        QFETCH(QStringList, sessions);
        QCOMPARE(dump(log), sessions);
    }

    // Logs that the program's end, a kill, a clear or an editor left in a state the main
    // window never writes. No session time may vanish, none may be counted twice.
    void readsDamagedLogs_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QStringList>("sessions");
        const QString alpha = u"Alpha|2008-06-03|%1|counted"_qs.arg(Span);
        const QStringList beta = record(u"Beta"_qs, u"6/4/2008 11:00:00 AM"_qs,
                                        u"6/4/2008 11:20:10 AM"_qs, u"0d 0h 20m 10s"_qs);
        const QString betaCounted = u"Beta|2008-06-04|%1|counted"_qs.arg(20 * 60 + 10);

        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("cleared log") << QByteArray("\r\n") << QStringList();
        QTest::newRow("running at the end of the log")
            << bytes(record(u"Alpha"_qs, Start, Stop, u"0d 1h 15m 35s"_qs) +
                     running(u"Gamma"_qs, u"6/4/2008 1:00:00 PM"_qs))
            << QStringList{alpha, u"Gamma|2008-06-04|0|not stopped"_qs};
        QTest::newRow("killed while running, then a new session")
            << bytes(running(u"Gamma"_qs, u"6/4/2008 9:00:00 AM"_qs) + beta)
            << QStringList{u"Gamma|2008-06-04|0|not stopped"_qs, betaCounted};
        QTest::newRow("killed in the middle of a line")
            << bytes(QStringList{Begin, u"6/4/2008 9:00:00 AM [Started] Gamma"_qs,
                                 u"6/4/2008 9:30:00 AM [No"_qs + beta.front()} +
                     beta.mid(1))
            << QStringList{u"Gamma|2008-06-04|0|not stopped"_qs, betaCounted};
        QTest::newRow("cleared while running: the stop lines count back from the stop")
            << bytes({QString(), u"6/4/2008 12:10:00 AM [Stopped] Alpha"_qs,
                      u"[Total Time] 0d 0h 20m 0s"_qs, End, QString(), QString()})
            << QStringList{u"Alpha|2008-06-03|1200|counted"_qs};
        QTest::newRow("a note after its session stopped belongs to no session")
            << bytes(record(u"Alpha"_qs, Start, Stop, u"0d 1h 15m 35s"_qs) +
                     QStringList{u"6/3/2008 10:20:00 AM [Notes] Forgot this"_qs} + beta)
            << QStringList{alpha, betaCounted};
        QTest::newRow("notes quoting tags are notes")
            << bytes(running(u"Gamma"_qs, u"6/4/2008 9:00:00 AM"_qs) +
                     QStringList{u"6/4/2008 9:10:00 AM [Notes] Said [Stopped] Gamma"_qs,
                                 u"6/4/2008 9:20:00 AM [Notes] and [Started] Other"_qs})
            << QStringList{u"Gamma|2008-06-04|0|not stopped"_qs};
        QTest::newRow("another locale's stamps are undated, their totals still count")
            << bytes(record(u"Alpha"_qs, u"03.06.2008 09:00:05"_qs, u"03.06.2008 10:15:40"_qs,
                            u"0d 1h 15m 35s"_qs))
            << QStringList{u"Alpha|undated|%1|counted"_qs.arg(Span)};
        QTest::newRow("no total and stamps that do not read back")
            << bytes(record(u"Alpha"_qs, u"03.06.2008 09:00:05"_qs, u"03.06.2008 10:15:40"_qs,
                            u"N/A"_qs))
            << QStringList{u"Alpha|undated|0|no duration"_qs};
        QTest::newRow("a stop before the start has no duration")
            << bytes(record(u"Alpha"_qs, Stop, Start, u"N/A"_qs))
            << QStringList{u"Alpha|2008-06-03|0|no duration"_qs};
    }
    void readsDamagedLogs() {
        QFETCH(QByteArray, log);
        QFETCH(QStringList, sessions);
        QCOMPARE(dump(log), sessions);
    }

    // An incomplete session names the line that left it so, for the user to mend in an editor.
    void namesTheLineThatLeftASessionIncomplete_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QString>("place");
        const QString started = Start + u" [Started] Alpha"_qs;
        QTest::newRow("a stopped line whose tag was mistyped")
            << bytes({Begin, started, Stop + u" [Stoped] Alpha"_qs, u"[Total Time] N/A"_qs, End})
            << u"2 not stopped 3 %1 [Stoped] Alpha"_qs.arg(Stop);
        QTest::newRow("a stopped line mistyped, and no total")
            << bytes({Begin, started, Stop + u" Stopped Alpha"_qs, End})
            << u"2 not stopped 3 %1 Stopped Alpha"_qs.arg(Stop);
        QTest::newRow("still running: nothing unread")
            << bytes(running(u"Alpha"_qs, Start)) << u"2 not stopped 0 "_qs;
        QTest::newRow("killed, then another session: nothing unread")
            << bytes(running(u"Alpha"_qs, Start) + record(u"Beta"_qs, Start, Stop, u"N/A"_qs))
            << u"2 not stopped 0 "_qs;
        QTest::newRow("a total that is no time, and stamps that do not read")
            << bytes(record(u"Alpha"_qs, u"03.06.2008 09:00:05"_qs, u"03.06.2008 10:00:05"_qs,
                            u"about an hour"_qs))
            << u"2 no duration 4 [Total Time] about an hour"_qs;
        QTest::newRow("N/A, and a stop stamp that does not read")
            << bytes(record(u"Alpha"_qs, Start, u"03.06.2008 10:00:05"_qs, u"N/A"_qs))
            << u"2 no duration 3 03.06.2008 10:00:05 [Stopped] Alpha"_qs;
        QTest::newRow("a long line is cut short")
            << bytes({Begin, started, Stop + u" [Stoped] "_qs + QString(200, u'x'), End})
            << u"2 not stopped 3 %1 [Stoped] %2…"_qs.arg(Stop, QString(79 - 30, u'x'));
    }
    void namesTheLineThatLeftASessionIncomplete() {
        QFETCH(QByteArray, log);
        QFETCH(QString, place);
        const LoggedSessions read = LoggedSessions::read(log, UnitedStates);
        QVERIFY(!read.sessions().empty());
        const LoggedSession& session = read.sessions().front();
        QCOMPARE(u"%1 %2 %3 %4"_qs.arg(session.lineNumber)
                     .arg(stateName(session.state))
                     .arg(session.unreadLine)
                     .arg(session.unreadText),
                 place);
    }

    void findsProjectsThatDifferOnlyInCaseOrSpaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("like");
        QTest::newRow("letter case") << u"alpha"_qs << QStringList{u"Alpha"_qs, u"ALPHA "_qs};
        QTest::newRow("spaces at the ends")
            << u" Alpha"_qs << QStringList{u"Alpha"_qs, u"ALPHA "_qs};
        QTest::newRow("the exact name is left out") << u"Alpha"_qs << QStringList{u"ALPHA "_qs};
        QTest::newRow("inner letters differ") << u"Alpah"_qs << QStringList();
    }
    void findsProjectsThatDifferOnlyInCaseOrSpaces() {
        QFETCH(QString, name);
        QFETCH(QStringList, like);
        const LoggedSessions log =
            LoggedSessions::read(bytes(record(u"Alpha"_qs, Start, Stop, u"N/A"_qs) +
                                       record(u"ALPHA "_qs, Start, Stop, u"N/A"_qs) +
                                       record(u"Beta"_qs, Start, Stop, u"N/A"_qs)),
                                 UnitedStates);
        QCOMPARE(log.projectsLike(name), like);
    }

    void decodesNamesAsWindows1252() {
        const LoggedSessions log = LoggedSessions::read(
            bytes(record(u"Café €"_qs, Start, Stop, u"0d 0h 0m 1s"_qs)), UnitedStates);
        QCOMPARE(log.projects(), QStringList{u"Café €"_qs});
    }

    void keepsTheStampOfAnUndatedStart() {
        const LoggedSessions log = LoggedSessions::read(
            bytes(running(u"Gamma"_qs, u"03.06.2008 09:00:05"_qs)), UnitedStates);
        QCOMPARE(log.sessions().size(), size_t(1));
        QCOMPARE(log.sessions().front().stampText, u"03.06.2008 09:00:05"_qs);
    }

private:
    std::unique_ptr<LocalZone> m_zone;
};

QTEST_GUILESS_MAIN(TestLoggedSessions)
#include "tst_loggedsessions.moc"
