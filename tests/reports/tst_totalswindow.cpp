// The Totals window, driven through its controls as the user drives it.
#include "reports/totalswindow.h"
#include "session/sessionlog.h"
#include "tests/support/fakeclock.h"
#include "tests/support/fakedialogs.h"
#include "tests/support/files.h"
#include "tests/support/sessionlogtext.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include <memory>

using namespace sessionlogtext;

namespace {

const QLocale UnitedStates(QLocale::English, QLocale::UnitedStates);

QString total(qint64 seconds) {
    return u"0d %1h %2m 0s"_qs.arg(seconds / 3600).arg(seconds / 60 % 60);
}

// Around Wednesday 2024-01-10, the day the window is opened:
//   Wed 2023-12-20  Alpha 45 min                 (last month)
//   Mon 2024-01-01  Alpha 1 h, Beta 30 min       (last week)
//   Tue 2024-01-09  Alpha 2 h                    (this week)
//   Wed 2024-01-10  Beta 15 min, Gamma running   (this week; Gamma starts on line 37)
QByteArray sampleLog() {
    return bytes(
        record(u"Alpha"_qs, u"12/20/2023 9:00:00 AM"_qs, u"12/20/2023 9:45:00 AM"_qs, total(2700)) +
        record(u"Alpha"_qs, u"1/1/2024 9:00:00 AM"_qs, u"1/1/2024 10:00:00 AM"_qs, total(3600)) +
        record(u"Beta"_qs, u"1/1/2024 11:00:00 AM"_qs, u"1/1/2024 11:30:00 AM"_qs, total(1800)) +
        record(u"Alpha"_qs, u"1/9/2024 9:00:00 AM"_qs, u"1/9/2024 11:00:00 AM"_qs, total(7200)) +
        record(u"Beta"_qs, u"1/10/2024 9:00:00 AM"_qs, u"1/10/2024 9:15:00 AM"_qs, total(900)) +
        running(u"Gamma"_qs, u"1/10/2024 1:00:00 PM"_qs));
}

} // namespace

class TestTotalsWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_zone = std::make_unique<LocalZone>("UTC0"); }
    void cleanupTestCase() { m_zone.reset(); }
    void init();
    void cleanup();

    void opensOnThisWeekByProject();
    void showsTheChosenRangeAndGrouping_data();
    void showsTheChosenRangeAndGrouping();
    void editedDatesMakeAChosenRange();
    void savesInTheFormatOfTheFileName_data();
    void savesInTheFormatOfTheFileName();
    void aFailedSaveNamesTheFileAndWhy();
    void aChartOfTooManyPeriodsSaysSo();
    void followsWhatTheLogsOwnerWrites();
    void warnsWhenTheLogCannotBeRead();

private:
    QString logPath() const { return m_dir->filePath(u"Tasks.txt"_qs); }
    TotalsWindow* openWindow();

    template <typename T> T* control(const QString& name) const {
        auto* found = m_window->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    // Chooses the item as the keyboard does, from the top of the list down.
    void choose(const QString& box, const QString& item) const;
    // "Alpha|2:00:00|2.00|1" per row of the table, period first when there is one.
    QStringList rowsShown() const;
    QStringList incompleteShown() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<SessionLog> m_log;
    FakeClock m_clock{QDateTime(QDate(2024, 1, 10), QTime(15, 0))};
    QPointer<TotalsWindow> m_window;
    std::unique_ptr<LocalZone> m_zone;
};

void TestTotalsWindow::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = std::make_unique<FakeDialogs>();
    QVERIFY(writeBytes(logPath(), sampleLog()));
}

void TestTotalsWindow::cleanup() {
    delete m_window;
    m_dialogs->verifyAllAnswered();
}

TotalsWindow* TestTotalsWindow::openWindow() {
    m_log = std::make_unique<SessionLog>(logPath(), QString());
    m_window = new TotalsWindow(*m_log, m_clock, *m_dialogs, UnitedStates);
    m_window->show();
    return m_window;
}

void TestTotalsWindow::choose(const QString& box, const QString& item) const {
    auto* combo = control<QComboBox>(box);
    const int index = combo->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), item);
}

QStringList TestTotalsWindow::rowsShown() const {
    const QAbstractItemModel* shown = control<QTreeView>(u"LvwTotals"_qs)->model();
    QStringList rows;
    for (int r = 0; r < shown->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < shown->columnCount(); ++c)
            cells += shown->index(r, c).data().toString();
        rows += cells.join(u'|');
    }
    return rows;
}

QStringList TestTotalsWindow::incompleteShown() const {
    const auto* list = control<QListWidget>(u"LstIncomplete"_qs);
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines += list->item(i)->text();
    return lines;
}

void TestTotalsWindow::opensOnThisWeekByProject() {
    openWindow();
    QCOMPARE(m_window->windowTitle(), u"Totals"_qs);
    QCOMPARE(control<QComboBox>(u"CboRange"_qs)->currentText(), u"This week"_qs);
    QCOMPARE(control<QComboBox>(u"CboBy"_qs)->currentText(), u"Project"_qs);
    QCOMPARE(control<QDateEdit>(u"DtpFrom"_qs)->text(), u"1/8/2024"_qs);
    QCOMPARE(control<QDateEdit>(u"DtpTo"_qs)->text(), u"1/14/2024"_qs);
    QCOMPARE(rowsShown(), (QStringList{u"Alpha|2:00:00|2.00|1"_qs, u"Beta|0:15:00|0.25|1"_qs,
                                       u"Gamma|0:00:00|0.00|0"_qs}));
    QCOMPARE(control<QLabel>(u"LblTotal"_qs)->text(),
             u"Total: 2:15:00 (2.25 hours) in 2 sessions"_qs);
    QCOMPARE(
        incompleteShown(),
        QStringList{u"Incomplete: Gamma, started 2024-01-10 13:00:00 on line 37, not stopped"_qs});
    const auto* chart = m_window->findChild<QSvgWidget*>();
    QVERIFY(chart->renderer()->isValid());
    QVERIFY(chart->width() > 0 && chart->height() > 0);
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestTotalsWindow::showsTheChosenRangeAndGrouping_data() {
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("grouping");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("total");
    QTest::newRow("last week by day")
        << u"Last week"_qs << u"Day"_qs
        << QStringList{u"2024-01-01|Alpha|1:00:00|1.00|1"_qs, u"2024-01-01|Beta|0:30:00|0.50|1"_qs}
        << u"Total: 1:30:00 (1.50 hours) in 2 sessions"_qs;
    QTest::newRow("everything by month")
        << u"Everything"_qs << u"Month"_qs
        << QStringList{u"2023-12|Alpha|0:45:00|0.75|1"_qs, u"2024-01|Alpha|3:00:00|3.00|2"_qs,
                       u"2024-01|Beta|0:45:00|0.75|2"_qs, u"2024-01|Gamma|0:00:00|0.00|0"_qs}
        << u"Total: 4:30:00 (4.50 hours) in 5 sessions"_qs;
}

void TestTotalsWindow::showsTheChosenRangeAndGrouping() {
    QFETCH(QString, range);
    QFETCH(QString, grouping);
    QFETCH(QStringList, rows);
    QFETCH(QString, total);
    openWindow();
    choose(u"CboRange"_qs, range);
    choose(u"CboBy"_qs, grouping);
    QCOMPARE(rowsShown(), rows);
    QCOMPARE(control<QLabel>(u"LblTotal"_qs)->text(), total);
    // Everything spans the log's first and last day.
    const auto* from = control<QDateEdit>(u"DtpFrom"_qs);
    QCOMPARE(from->isEnabled(), range != u"Everything");
    if (range == u"Everything") {
        QCOMPARE(from->date(), QDate(2023, 12, 20));
        QCOMPARE(control<QDateEdit>(u"DtpTo"_qs)->date(), QDate(2024, 1, 10));
    }
}

void TestTotalsWindow::editedDatesMakeAChosenRange() {
    openWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto* from = control<QDateEdit>(u"DtpFrom"_qs);
    const auto* to = control<QDateEdit>(u"DtpTo"_qs);
    from->setFocus();
    // A year back, in the year's field.
    QTest::keyClick(from, Qt::Key_End);
    QTest::keyClick(from, Qt::Key_Down);
    QCOMPARE(from->text(), u"1/8/2023"_qs);
    QCOMPARE(control<QComboBox>(u"CboRange"_qs)->currentText(), u"Chosen dates"_qs);
    QCOMPARE(control<QLabel>(u"LblTotal"_qs)->text(),
             u"Total: 4:30:00 (4.50 hours) in 5 sessions"_qs);

    // A first day after the last makes a range of that one day.
    QTest::keyClick(from, Qt::Key_Up);
    QTest::keyClick(from, Qt::Key_Up);
    QCOMPARE(to->date(), QDate(2025, 1, 8));
    QCOMPARE(rowsShown(), QStringList());
    QCOMPARE(control<QLabel>(u"LblTotal"_qs)->text(),
             u"Total: 0:00:00 (0.00 hours) in 0 sessions"_qs);
}

void TestTotalsWindow::savesInTheFormatOfTheFileName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("CSV") << u"week.csv"_qs
                         << QByteArray("project,seconds,hours,sessions,incomplete\r\n"
                                       "Alpha,7200,2.00,1,0\r\n"
                                       "Beta,900,0.25,1,0\r\n"
                                       "Gamma,0,0.00,0,1\r\n");
    QTest::newRow("JSON") << u"week.json"_qs << QByteArray("[\n    {\n        \"incomplete\": 0,");
    QTest::newRow("HTML, letter case aside") << u"week.HTM"_qs << QByteArray("<!DOCTYPE html>");
}

void TestTotalsWindow::savesInTheFormatOfTheFileName() {
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    openWindow();
    const QString target = m_dir->filePath(name);
    m_dialogs->answerSave(target);
    control<QPushButton>(u"CmdSaveAs"_qs)->click();
    QCOMPARE(m_dialogs->saveDialogs.size(), 1);
    QCOMPARE(m_dialogs->saveDialogs.front().filter,
             u"CSV (*.csv)|*.csv|JSON (*.json)|*.json|HTML page (*.html)|*.html"_qs);
    QVERIFY(readBytes(target).startsWith(start));
    QVERIFY(m_dialogs->messages.isEmpty());
    if (name.endsWith(u".HTM"))
        QVERIFY(readBytes(target).contains("Tasks.txt, 2024-01-08 to 2024-01-14"));
}

void TestTotalsWindow::aFailedSaveNamesTheFileAndWhy() {
    openWindow();
    const QString other = m_dir->filePath(u"week.txt"_qs);
    const QString unwritable = m_dir->filePath(u"no folder/week.csv"_qs);
    m_dialogs->answerSave(other);
    m_dialogs->answerOk();
    m_dialogs->answerSave(unwritable);
    m_dialogs->answerOk();
    control<QPushButton>(u"CmdSaveAs"_qs)->click();
    control<QPushButton>(u"CmdSaveAs"_qs)->click();
    QVERIFY(!QFile::exists(other));
    const QStringList warnings = m_dialogs->messageTexts();
    QCOMPARE(warnings.size(), 2);
    QCOMPARE(warnings[0], u"The totals are saved as CSV, JSON or an HTML page: end the file name "
                          "with .csv, .json or .html."_qs);
    QVERIFY2(warnings[1].startsWith(u"Could not save the totals as \"%1\": "_qs.arg(unwritable)),
             qPrintable(warnings[1]));
}

void TestTotalsWindow::aChartOfTooManyPeriodsSaysSo() {
    QStringList lines;
    for (QDate day(2022, 1, 1); day <= QDate(2023, 5, 16); day = day.addDays(1)) {
        const QString stamp = day.toString(u"M/d/yyyy"_qs);
        lines +=
            record(u"Alpha"_qs, stamp + u" 9:00:00 AM"_qs, stamp + u" 9:01:00 AM"_qs, total(60));
    }
    QVERIFY(writeBytes(logPath(), bytes(lines)));
    openWindow();
    choose(u"CboRange"_qs, u"Everything"_qs);
    choose(u"CboBy"_qs, u"Day"_qs);
    const auto* area = control<QScrollArea>(u"ChartArea"_qs);
    const auto* note = qobject_cast<QLabel*>(area->widget());
    QVERIFY(note);
    QCOMPARE(note->text(), u"501 days are too many for the chart: choose fewer dates, or show "
                           "them by week or month."_qs);
    choose(u"CboBy"_qs, u"Week"_qs);
    QVERIFY(qobject_cast<QSvgWidget*>(area->widget()));
}

void TestTotalsWindow::followsWhatTheLogsOwnerWrites() {
    openWindow();
    QVERIFY(m_log
                ->write(u"1/10/2024 2:00:00 PM [Stopped] Gamma\r\n[Total Time] 0d 1h 0m 0s\r\n"
                        "<!--  END SESSION  -->\r\n"_qs)
                .ok());
    QCoreApplication::processEvents();
    QCOMPARE(rowsShown(), (QStringList{u"Alpha|2:00:00|2.00|1"_qs, u"Gamma|1:00:00|1.00|1"_qs,
                                       u"Beta|0:15:00|0.25|1"_qs}));
    QCOMPARE(incompleteShown(), QStringList{u"Every session of these dates is counted."_qs});
}

void TestTotalsWindow::warnsWhenTheLogCannotBeRead() {
    QVERIFY(QFile::remove(logPath()));
    QVERIFY(QDir(m_dir->path()).mkdir(u"Tasks.txt"_qs));
    m_dialogs->answerOk();
    openWindow();
    QCOMPARE(m_dialogs->messageTexts(),
             QStringList{u"Could not read \"%1\": it is a folder, not a file."_qs.arg(logPath())});
    QCOMPARE(rowsShown(), QStringList());
}

QTEST_MAIN(TestTotalsWindow)
#include "tst_totalswindow.moc"
