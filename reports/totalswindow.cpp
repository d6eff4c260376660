#include "reports/totalswindow.h"

#include "reports/totalschart.h"
#include "reports/totalsformat.h"
#include "reports/totalsmodel.h"
#include "reports/totalswindowlayout.h"
#include "session/clock.h"
#include "session/sessionlog.h"
#include "storage/datetimetext.h"
#include "storage/textfile.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTreeView>

namespace {

using Choice = DateRange::Choice;
using Grouping = TotalsQuery::Grouping;

// The width of the table's columns but the project's, in pixels: "2024-W01", "1234:56:07".
constexpr int FigureWidth = 96;
// More bars than this, a chart of days over years, would be a strip too long to read, and slow
// to draw: the window says so instead. A year of days fits.
constexpr size_t MostBars = 500;

QString sessionCount(qsizetype count) {
    return count == 1 ? QCoreApplication::translate("TotalsWindow", "1 session")
                      : QCoreApplication::translate("TotalsWindow", "%1 sessions").arg(count);
}

QString periodsName(TotalsQuery::Grouping grouping) {
    switch (grouping) {
    case Grouping::Project:
        break;
    case Grouping::Day:
        return QCoreApplication::translate("TotalsWindow", "days");
    case Grouping::Week:
        return QCoreApplication::translate("TotalsWindow", "weeks");
    case Grouping::Month:
        return QCoreApplication::translate("TotalsWindow", "months");
    }
    return QCoreApplication::translate("TotalsWindow", "projects");
}

// A colour between two others, for lines that should hardly show.
QColor blend(const QColor& from, const QColor& to, double share) {
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                            float(from.greenF() + (to.greenF() - from.greenF()) * share),
                            float(from.blueF() + (to.blueF() - from.blueF()) * share));
}

// The file name's extension says the format, as the save dialog's types offer them.
std::optional<totalsformat::Format> formatOfFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"csv")
        return totalsformat::Format::Csv;
    if (suffix == u"json")
        return totalsformat::Format::Json;
    if (suffix == u"html" || suffix == u"htm")
        return totalsformat::Format::Html;
    return std::nullopt;
}

} // namespace

TotalsWindow::TotalsWindow(SessionLog& log, const Clock& clock, Dialogs& dialogs,
                           const QLocale& locale, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_rangeLabel(new QLabel(this))
    , m_rangeBox(new QComboBox(this))
    , m_fromLabel(new QLabel(this))
    , m_fromDate(new QDateEdit(this))
    , m_toLabel(new QLabel(this))
    , m_toDate(new QDateEdit(this))
    , m_groupingLabel(new QLabel(this))
    , m_groupingBox(new QComboBox(this))
    , m_chartArea(new QScrollArea(this))
    , m_chart(new QSvgWidget)
    , m_chartNote(new QLabel(this))
    , m_totalsList(new QTreeView(this))
    , m_totals(new TotalsModel(this))
    , m_incompleteList(new QListWidget(this))
    , m_totalLabel(new QLabel(this))
    , m_saveButton(new QPushButton(tr("&Save As…"), this))
    , m_log(log)
    , m_clock(clock)
    , m_dialogs(dialogs)
    , m_locale(locale) {
    namespace L = totalswindowlayout;
    setObjectName(QStringLiteral("FrmTotals"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Totals"));
    resize(L::ClientSize);

    const std::pair<QWidget*, QLatin1StringView> names[] = {
        {m_rangeLabel, QLatin1StringView("LblRange")},
        {m_rangeBox, QLatin1StringView("CboRange")},
        {m_fromLabel, QLatin1StringView("LblFrom")},
        {m_fromDate, QLatin1StringView("DtpFrom")},
        {m_toLabel, QLatin1StringView("LblTo")},
        {m_toDate, QLatin1StringView("DtpTo")},
        {m_groupingLabel, QLatin1StringView("LblBy")},
        {m_groupingBox, QLatin1StringView("CboBy")},
        {m_chartArea, QLatin1StringView("ChartArea")},
        {m_totalsList, QLatin1StringView("LvwTotals")},
        {m_incompleteList, QLatin1StringView("LstIncomplete")},
        {m_totalLabel, QLatin1StringView("LblTotal")},
        {m_saveButton, QLatin1StringView("CmdSaveAs")}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(name);
    m_chart->setObjectName(QStringLiteral("Chart"));
    m_chartNote->setObjectName(QStringLiteral("ChartNote"));

    // The design lists the controls from the top of the z-order down; children stack in
    // creation order, so each is raised in turn from the bottom of the list.
    for (auto it = L::Design.rbegin(); it != L::Design.rend(); ++it) {
        auto* control = findChild<QWidget*>(it->name, Qt::FindDirectChildrenOnly);
        place(control, it->rect);
        control->raise();
    }

    m_rangeLabel->setText(tr("&Show:"));
    m_rangeLabel->setBuddy(m_rangeBox);
    m_fromLabel->setText(tr("&From:"));
    m_fromLabel->setBuddy(m_fromDate);
    m_toLabel->setText(tr("&to:"));
    m_toLabel->setBuddy(m_toDate);
    m_groupingLabel->setText(tr("&By:"));
    m_groupingLabel->setBuddy(m_groupingBox);

    for (const auto& [text, choice] : {std::pair{tr("This week"), Choice::ThisWeek},
                                       std::pair{tr("Last week"), Choice::LastWeek},
                                       std::pair{tr("This month"), Choice::ThisMonth},
                                       std::pair{tr("Last month"), Choice::LastMonth},
                                       std::pair{tr("Chosen dates"), Choice::Chosen},
                                       std::pair{tr("Everything"), Choice::Everything}})
        m_rangeBox->addItem(text, int(choice));
    for (const auto& [text, grouping] :
         {std::pair{tr("Project"), Grouping::Project}, std::pair{tr("Day"), Grouping::Day},
          std::pair{tr("Week"), Grouping::Week}, std::pair{tr("Month"), Grouping::Month}})
        m_groupingBox->addItem(text, int(grouping));

    // Dates as the log's stamps write them; a date takes effect once it is typed whole.
    const QString dateFormat = DateTimeText(m_locale).dateFormat();
    for (QDateEdit* edit : {m_fromDate, m_toDate}) {
        edit->setLocale(m_locale);
        edit->setDisplayFormat(dateFormat);
        edit->setCalendarPopup(true);
        edit->setKeyboardTracking(false);
        connect(edit, &QDateEdit::dateChanged, this, [this, edit] { dateEdited(edit); });
    }

    m_chartArea->setWidget(m_chart);
    m_chartArea->setBackgroundRole(QPalette::Base);
    m_chartNote->hide();
    m_chartNote->setWordWrap(true);
    m_chartNote->setAlignment(Qt::AlignCenter);
    m_totalsList->setModel(m_totals);
    m_chartArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_chartArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_totalsList->setRootIsDecorated(false);
    m_totalsList->setUniformRowHeights(true);
    m_totalsList->setAlternatingRowColors(true);
    m_totalsList->setSelectionMode(QAbstractItemView::NoSelection);
    m_totalsList->setItemsExpandable(false);
    m_totalsList->header()->setStretchLastSection(false);
    m_incompleteList->setSelectionMode(QAbstractItemView::NoSelection);

    setTabOrder(m_rangeBox, m_fromDate);
    setTabOrder(m_fromDate, m_toDate);
    setTabOrder(m_toDate, m_groupingBox);
    setTabOrder(m_groupingBox, m_chartArea);
    setTabOrder(m_chartArea, m_totalsList);
    setTabOrder(m_totalsList, m_incompleteList);
    setTabOrder(m_incompleteList, m_saveButton);

    connect(m_rangeBox, &QComboBox::activated, this, &TotalsWindow::rangeChosen);
    connect(m_groupingBox, &QComboBox::activated, this, &TotalsWindow::showTotals);
    connect(m_saveButton, &QPushButton::clicked, this, &TotalsWindow::saveAs);
    // Queued, so that what wrote to the log finishes before the log is read again.
    connect(&m_log, &SessionLog::written, this, &TotalsWindow::readLog, Qt::QueuedConnection);

    readLog();
}

TotalsWindow::~TotalsWindow() = default;

void TotalsWindow::changeEvent(QEvent* event) {
    // The chart is drawn in the window's colours, which a desktop's dark theme changes.
    if (event->type() == QEvent::PaletteChange && m_totals->table())
        showChart(TotalsChart(*m_totals->table()));
    QWidget::changeEvent(event);
}

DateRange::Choice TotalsWindow::rangeChoice() const {
    return Choice(m_rangeBox->currentData().toInt());
}

TotalsQuery TotalsWindow::query() const {
    TotalsQuery asked;
    asked.grouping = Grouping(m_groupingBox->currentData().toInt());
    if (rangeChoice() != Choice::Everything) {
        asked.from = m_fromDate->date();
        asked.to = m_toDate->date();
    }
    return asked;
}

void TotalsWindow::readLog() {
    const textfile::Read read = textfile::readWhole(m_log.path());
    if (!read.result)
        warn(read.result.message(u"read"));
    m_sessions = LoggedSessions::read(read.bytes, m_locale);
    // Today may have become another day, in another week, since the dates were shown.
    showDates();
    showTotals();
}

void TotalsWindow::rangeChosen() {
    showDates();
    showTotals();
}

void TotalsWindow::showDates() {
    const Choice choice = rangeChoice();
    m_fromDate->setEnabled(choice != Choice::Everything);
    m_toDate->setEnabled(choice != Choice::Everything);
    DateRange range = DateRange::of(choice, m_clock.now().date());
    if (choice == Choice::Everything) {
        for (const LoggedSession& session : m_sessions.sessions()) {
            if (!session.date.isValid())
                continue;
            if (!range.from.isValid() || session.date < range.from)
                range.from = session.date;
            if (!range.to.isValid() || session.date > range.to)
                range.to = session.date;
        }
    }
    if (range.from.isValid()) {
        const QSignalBlocker blockFrom(m_fromDate);
        const QSignalBlocker blockTo(m_toDate);
        m_fromDate->setDate(range.from);
        m_toDate->setDate(range.to);
    }
}

void TotalsWindow::dateEdited(QDateEdit* edited) {
    // Dates of the user's own make a chosen range; one that ends before it starts is turned
    // into the one day just set, rather than into no days at all.
    m_rangeBox->setCurrentIndex(m_rangeBox->findData(int(Choice::Chosen)));
    QDateEdit* other = edited == m_fromDate ? m_toDate : m_fromDate;
    if (m_fromDate->date() > m_toDate->date()) {
        const QSignalBlocker block(other);
        other->setDate(edited->date());
    }
    showTotals();
}

void TotalsWindow::showTotals() {
    TotalsTable table = TotalsTable::build(m_sessions, query());
    m_totalLabel->setText(tr("Total: %1 (%2 hours) in %3")
                              .arg(totalstext::duration(table.totalSeconds()),
                                   totalstext::hours(table.totalSeconds()),
                                   sessionCount(table.totalSessions())));
    m_incompleteList->clear();
    for (const IncompleteSession& session : table.incomplete())
        m_incompleteList->addItem(tr("Incomplete: ") + totalstext::incomplete(session));
    m_incompleteList->addItems(totalstext::undatedLeftOut(table));
    if (m_incompleteList->count() == 0)
        m_incompleteList->addItem(tr("Every session of these dates is counted."));

    const TotalsChart chart(table);
    m_totals->show(std::move(table), chart);
    // The project takes the room the periods and the figures leave.
    QHeaderView* header = m_totalsList->header();
    const int project = m_totals->firstFigure() - 1;
    for (int column = 0; column < m_totals->columnCount(); ++column) {
        header->setSectionResizeMode(column, column == project ? QHeaderView::Stretch
                                                               : QHeaderView::Interactive);
        if (column != project)
            header->resizeSection(column, FigureWidth);
    }
    showChart(chart);
}

void TotalsWindow::showInChartArea(QWidget* shown) {
    if (m_chartArea->widget() == shown)
        return;
    // The scroll area gives up the other one, which the window keeps, hidden.
    QWidget* other = m_chartArea->takeWidget();
    other->setParent(this);
    other->hide();
    m_chartArea->setWidget(shown);
    shown->show();
}

void TotalsWindow::showChart(const TotalsChart& chart) {
    if (chart.barCount() > MostBars) {
        m_chartNote->setText(tr("%1 %2 are too many for the chart: choose fewer "
                                "dates, or show them by week or month.")
                                 .arg(chart.barCount())
                                 .arg(periodsName(m_totals->table()->query().grouping)));
        showInChartArea(m_chartNote);
        return;
    }
    showInChartArea(m_chart);
    const QPalette& colours = palette();
    const TotalsChart::Ink ink{
        colours.color(QPalette::Text).name(), colours.color(QPalette::PlaceholderText).name(),
        blend(colours.color(QPalette::Base), colours.color(QPalette::Text), 0.15).name(),
        colours.color(QPalette::Base).name()};
    m_chart->load(chart.document(ink));
    // Drawn whole in the height there is; a long span of days scrolls sideways.
    const QSize natural = m_chart->renderer()->defaultSize();
    const int room = m_chartArea->height() - 2 * m_chartArea->frameWidth() -
                     style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_chartArea);
    const double scale =
        natural.height() > room && natural.height() > 0 ? double(room) / natural.height() : 1.0;
    m_chart->resize(QSize(int(natural.width() * scale), int(natural.height() * scale)));
}

void TotalsWindow::saveAs() {
    const Dialogs::SaveOptions options{
        tr("Save As"), tr("CSV (*.csv)|*.csv|JSON (*.json)|*.json|HTML page (*.html)|*.html")};
    m_dialogs.saveFileName(this, options, [this](const std::optional<QString>& target) {
        const TotalsTable* table = m_totals->table();
        if (!target || target->isEmpty() || !table)
            return;
        const auto format = formatOfFile(*target);
        if (!format) {
            warn(tr("The totals are saved as CSV, JSON or an HTML page: end the file "
                    "name with .csv, .json or .html."));
            return;
        }
        const QString written = totalsformat::write(
            *table, *format, totalstext::subtitle(m_log.path(), table->query()));
        const FileResult saved = textfile::writeWhole(*target, written.toUtf8());
        if (!saved)
            warn(saved.message(u"save the totals as"));
    });
}

void TotalsWindow::warn(const QString& text) {
    m_dialogs.messageBox(this, Dialogs::Message::warning(text));
}
