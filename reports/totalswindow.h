#pragma once

#include "reports/daterange.h"
#include "reports/loggedsessions.h"
#include "reports/totalstable.h"

#include <QLocale>
#include <QWidget>

class Clock;
class Dialogs;
class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;
class QSvgWidget;
class QTreeView;
class SessionLog;
class TotalsChart;
class TotalsModel;

// The Totals window: the time per project in a span of days, by project or by day, week or
// month, as a chart and a table, with the sessions that are listed but not counted; and the
// same totals saved as CSV, JSON or an HTML page, written as "--summary" writes them. It
// reads the log when it opens and again whenever the log's owner has written to it. The
// window deletes itself when closed.
class TotalsWindow final : public QWidget {
    Q_OBJECT
public:
    TotalsWindow(SessionLog& log, const Clock& clock, Dialogs& dialogs,
                 const QLocale& locale = QLocale::system(), QWidget* parent = nullptr);
    ~TotalsWindow() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void readLog();
    void rangeChosen();
    void dateEdited(QDateEdit* edited);
    // The first and last day of the range chosen; for everything, of the log's sessions.
    void showDates();
    void showTotals();
    void showChart(const TotalsChart& chart);
    // Puts the chart, or the note said instead of it, in the chart's place.
    void showInChartArea(QWidget* shown);
    void saveAs();
    void warn(const QString& text);

    DateRange::Choice rangeChoice() const;
    TotalsQuery query() const;

    QLabel* const m_rangeLabel;
    QComboBox* const m_rangeBox;
    QLabel* const m_fromLabel;
    QDateEdit* const m_fromDate;
    QLabel* const m_toLabel;
    QDateEdit* const m_toDate;
    QLabel* const m_groupingLabel;
    QComboBox* const m_groupingBox;
    QScrollArea* const m_chartArea;
    QSvgWidget* const m_chart;
    QLabel* const m_chartNote;
    QTreeView* const m_totalsList;
    TotalsModel* const m_totals;
    QListWidget* const m_incompleteList;
    QLabel* const m_totalLabel;
    QPushButton* const m_saveButton;

    SessionLog& m_log;
    const Clock& m_clock;
    Dialogs& m_dialogs;
    QLocale m_locale;
    LoggedSessions m_sessions;
};
