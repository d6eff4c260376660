#include "reports/totalsformat.h"
#include "tests/support/sessionlogtext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <QXmlStreamReader>

using namespace sessionlogtext;
using Grouping = TotalsQuery::Grouping;

namespace {

const QLocale UnitedStates(QLocale::English, QLocale::UnitedStates);

QString total(qint64 seconds) {
    return u"0d 0h 0m %1s"_qs.arg(seconds);
}

// Three projects whose names need care, one of them twice, and one session still running:
//   Mon 2024-01-01  Alpha 2 h, Say "hi", then go 30 min
//   Tue 2024-01-02  Alpha 1 h, "Alpha " 45 min, <b>&co 15 min, Gamma running
QByteArray sampleLog() {
    return bytes(
        record(u"Alpha"_qs, u"1/1/2024 9:00:00 AM"_qs, u"1/1/2024 11:00:00 AM"_qs, total(7200)) +
        record(u"Say \"hi\", then go"_qs, u"1/1/2024 1:00:00 PM"_qs, u"1/1/2024 1:30:00 PM"_qs,
               total(1800)) +
        record(u"Alpha"_qs, u"1/2/2024 9:00:00 AM"_qs, u"1/2/2024 10:00:00 AM"_qs, total(3600)) +
        record(u"Alpha "_qs, u"1/2/2024 10:00:00 AM"_qs, u"1/2/2024 10:45:00 AM"_qs, total(2700)) +
        record(u"<b>&co"_qs, u"1/2/2024 11:00:00 AM"_qs, u"1/2/2024 11:15:00 AM"_qs, total(900)) +
        running(u"Gamma"_qs, u"1/2/2024 1:00:00 PM"_qs));
}

TotalsTable sampleTable(Grouping grouping = Grouping::Project) {
    TotalsQuery query;
    query.grouping = grouping;
    return TotalsTable::build(LoggedSessions::read(sampleLog(), UnitedStates), query);
}

struct Bar {
    QString title;
    double height = 0;
};

// The page read as XML; the bars of its chart, and whether anything reaches outside the page.
struct Page {
    bool wellFormed = false;
    bool selfContained = true;
    QString rootNamespace;
    std::vector<Bar> bars;
    QStringList barTimes;
    QStringList cells;
};

Page readPage(const QString& html) {
    Page page;
    QXmlStreamReader xml(html);
    Bar* bar = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QString name = xml.name().toString();
        if (page.rootNamespace.isNull())
            page.rootNamespace = xml.namespaceUri().toString();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (name == u"script" || name == u"link" || name == u"img" || name == u"iframe" ||
            attributes.hasAttribute(u"src"_qs) || attributes.hasAttribute(u"href"_qs))
            page.selfContained = false;
        if (name == u"rect" && attributes.value(u"class"_qs).startsWith(u"bar ")) {
            page.bars.push_back({{}, attributes.value(u"height"_qs).toDouble()});
            bar = &page.bars.back();
        } else if (name == u"title" && bar) {
            bar->title = xml.readElementText();
            bar = nullptr;
        } else if (name == u"td") {
            page.cells += xml.readElementText();
        } else if (name == u"text" && attributes.value(u"class"_qs) == u"value") {
            page.barTimes += xml.readElementText();
        }
    }
    page.wellFormed = !xml.hasError();
    return page;
}

} // namespace

class TestTotalsFormat : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_zone = std::make_unique<LocalZone>("UTC0"); }
    void cleanupTestCase() { m_zone.reset(); }

    void writesAnAlignedTable() {
        QCOMPARE(totalsformat::text(sampleTable()),
                 u"Project               Time  Hours  Sessions\n"
                 "Alpha              3:00:00   3.00         2\n"
                 "\"Alpha \"           0:45:00   0.75         1\n"
                 "Say \"hi\", then go  0:30:00   0.50         1\n"
                 "<b>&co             0:15:00   0.25         1\n"
                 "Gamma              0:00:00   0.00         0\n"
                 "Total              4:30:00   4.50         5\n"
                 "\n"
                 "Incomplete: Gamma, started 2024-01-02 13:00:00 on line 37, not stopped\n"_qs);
    }

    void writesPeriodsInTheTable() {
        const QStringList lines = totalsformat::text(sampleTable(Grouping::Day)).split(u'\n');
        QCOMPARE(lines.value(0), u"Day         Project               Time  Hours  Sessions"_qs);
        QCOMPARE(lines.value(1), u"2024-01-01  Alpha              2:00:00   2.00         1"_qs);
        QCOMPARE(lines.value(7), u"Total                          4:30:00   4.50         5"_qs);
    }

    void quotesCsvFields() {
        const QString csv = totalsformat::csv(sampleTable());
        QCOMPARE(csv, u"project,seconds,hours,sessions,incomplete\r\n"
                      "Alpha,10800,3.00,2,0\r\n"
                      "\"Alpha \",2700,0.75,1,0\r\n"
                      "\"Say \"\"hi\"\", then go\",1800,0.50,1,0\r\n"
                      "<b>&co,900,0.25,1,0\r\n"
                      "Gamma,0,0.00,0,1\r\n"_qs);
        const QStringList weeks = totalsformat::csv(sampleTable(Grouping::Week)).split(u"\r\n"_qs);
        QCOMPARE(weeks.value(0), u"period,from,to,project,seconds,hours,sessions,incomplete"_qs);
        QCOMPARE(weeks.value(1), u"2024-W01,2024-01-01,2024-01-07,Alpha,10800,3.00,2,0"_qs);
    }

    void writesJsonObjects() {
        const QJsonDocument document =
            QJsonDocument::fromJson(totalsformat::json(sampleTable(Grouping::Month)).toUtf8());
        QVERIFY(document.isArray());
        const QJsonArray rows = document.array();
        QCOMPARE(rows.size(), 5);
        const QJsonObject first = rows.at(0).toObject();
        QCOMPARE(first.value(u"project"_qs).toString(), u"Alpha"_qs);
        QCOMPARE(first.value(u"seconds"_qs).toInteger(), 10800);
        QCOMPARE(first.value(u"sessions"_qs).toInteger(), 2);
        QCOMPARE(first.value(u"period"_qs).toString(), u"2024-01"_qs);
        QCOMPARE(first.value(u"from"_qs).toString(), u"2024-01-01"_qs);
        QCOMPARE(first.value(u"to"_qs).toString(), u"2024-01-31"_qs);
        QCOMPARE(rows.at(1).toObject().value(u"project"_qs).toString(), u"Alpha "_qs);
        QCOMPARE(rows.at(4).toObject().value(u"incomplete"_qs).toInteger(), 1);
    }

    // The page is XHTML: any XML reader takes it, and it needs nothing from outside itself.
    void writesASelfContainedPage() {
        const Page page = readPage(totalsformat::html(sampleTable(), u"Tasks.txt, all dates"_qs));
        QVERIFY(page.wellFormed);
        QVERIFY(page.selfContained);
        QCOMPARE(page.rootNamespace, u"http://www.w3.org/1999/xhtml"_qs);
        QVERIFY(page.cells.contains(u"<b>&co"_qs));
        QVERIFY(page.cells.contains(u"Say \"hi\", then go"_qs));
    }

    void drawsOneBarPerProjectInProportion() {
        const Page page = readPage(totalsformat::html(sampleTable(), QString()));
        const QList<std::pair<QString, qint64>> expected = {{u"Alpha"_qs, 10800},
                                                            {u"\"Alpha \""_qs, 2700},
                                                            {u"Say \"hi\", then go"_qs, 1800},
                                                            {u"<b>&co"_qs, 900},
                                                            {u"Gamma"_qs, 0}};
        QCOMPARE(page.bars.size(), size_t(expected.size()));
        const double perSecond = page.bars.front().height / 10800.0;
        QVERIFY(perSecond > 0);
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QVERIFY2(page.bars[size_t(i)].title.startsWith(expected[i].first + u':'),
                     qPrintable(page.bars[size_t(i)].title));
            QVERIFY(qAbs(page.bars[size_t(i)].height - perSecond * double(expected[i].second)) <
                    0.01);
        }
    }

    void stacksProjectsInEachPeriod() {
        const Page page = readPage(totalsformat::html(sampleTable(Grouping::Day), QString()));
        QVERIFY(page.wellFormed);
        QStringList titles;
        for (const Bar& bar : page.bars)
            titles += bar.title;
        QCOMPARE(
            titles,
            (QStringList{u"2024-01-01, Alpha: 2:00:00"_qs,
                         u"2024-01-01, Say \"hi\", then go: 0:30:00"_qs,
                         u"2024-01-02, Alpha: 1:00:00"_qs, u"2024-01-02, \"Alpha \": 0:45:00"_qs,
                         u"2024-01-02, <b>&co: 0:15:00"_qs, u"2024-01-02, Gamma: 0:00:00"_qs}));
        QVERIFY(qAbs(page.bars[0].height / page.bars[2].height - 2.0) < 0.001);
    }

    // A few minutes beside 120 hours would be a fraction of a pixel high.
    void keepsEveryBarWithTimeVisibleAndLabelled() {
        const QByteArray log = bytes(
            record(u"Long"_qs, u"1/1/2024 9:00:00 AM"_qs, u"1/6/2024 9:00:00 AM"_qs,
                   u"5d 0h 0m 0s"_qs) +
            record(u"Short"_qs, u"1/2/2024 9:00:00 AM"_qs, u"1/2/2024 9:04:00 AM"_qs, total(240)) +
            record(u"Shortest"_qs, u"1/2/2024 10:00:00 AM"_qs, u"1/2/2024 10:00:40 AM"_qs,
                   total(40)));
        for (const Grouping grouping : {Grouping::Project, Grouping::Day}) {
            TotalsQuery query;
            query.grouping = grouping;
            const Page page = readPage(totalsformat::html(
                TotalsTable::build(LoggedSessions::read(log, UnitedStates), query), QString()));
            QCOMPARE(page.bars.size(), size_t(3));
            for (const Bar& bar : page.bars)
                QVERIFY2(bar.height >= 3, qPrintable(bar.title));
            const QStringList times = grouping == Grouping::Project
                                          ? QStringList{u"120:00"_qs, u"0:04"_qs, u"40 s"_qs}
                                          : QStringList{u"120:00"_qs, u"0:04"_qs};
            QCOMPARE(page.barTimes, times);
        }
    }

    // Each session left out or not counted names its line, and the text that could not be
    // read; a log written under other date settings names its first places only.
    void placesWhatIsNotCounted() {
        QStringList lines =
            record(u"Alpha"_qs, u"1/1/2024 9:00:00 AM"_qs, u"1/1/2024 10:00:00 AM"_qs, total(3600));
        lines[2].replace(u"[Stopped]"_qs, u"[Stoped]"_qs);
        for (int i = 0; i < 12; ++i) {
            lines +=
                record(u"Beta"_qs, u"02.01.2024 09:00:00"_qs, u"02.01.2024 09:00:01"_qs, total(1));
        }
        TotalsQuery query;
        query.from = QDate(2024, 1, 1);
        const QString text = totalsformat::text(
            TotalsTable::build(LoggedSessions::read(bytes(lines), UnitedStates), query));
        QCOMPARE(text.section(u'\n', 4),
                 u"Incomplete: Alpha, started 2024-01-01 09:00:00 on line 2, not stopped; "
                 "line 3 could not be read: \"1/1/2024 10:00:00 AM [Stoped] Alpha\"\n"
                 "\n"
                 "Left out: 12 session(s) whose start does not read as a date:\n"
                 "  line 9: \"02.01.2024 09:00:00\"\n"
                 "  line 16: \"02.01.2024 09:00:00\"\n"
                 "  line 23: \"02.01.2024 09:00:00\"\n"
                 "  line 30: \"02.01.2024 09:00:00\"\n"
                 "  line 37: \"02.01.2024 09:00:00\"\n"
                 "  line 44: \"02.01.2024 09:00:00\"\n"
                 "  line 51: \"02.01.2024 09:00:00\"\n"
                 "  line 58: \"02.01.2024 09:00:00\"\n"
                 "  line 65: \"02.01.2024 09:00:00\"\n"
                 "  line 72: \"02.01.2024 09:00:00\"\n"
                 "  and 2 more\n"_qs);
    }

private:
    std::unique_ptr<LocalZone> m_zone;
};

QTEST_GUILESS_MAIN(TestTotalsFormat)
#include "tst_totalsformat.moc"
