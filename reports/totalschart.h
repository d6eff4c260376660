#pragma once

#include "reports/totalstable.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

class QXmlStreamWriter;

// The bar chart of an HTML summary, as inline SVG: one bar of hours per project, or per period
// with one segment per project stacked in it. Colours come from the page's style sheet through
// the classes "c0" to "c9", so that the chart follows the page into a dark theme and print.
class TotalsChart {
public:
    static constexpr int Colours = 10;

    explicit TotalsChart(const TotalsTable& table);

    void write(QXmlStreamWriter& xml) const;

    // Projects by their whole time, longest first: the order of colours and of the legend.
    const QStringList& projects() const { return m_projects; }
    QString colourClass(const QString& project) const;

private:
    struct Segment {
        QString project;
        qint64 seconds = 0;
    };
    struct Bar {
        QString label; // as shown under the bar
        std::vector<Segment> segments;
        qint64 seconds = 0;
    };

    void writeAxis(QXmlStreamWriter& xml, double topHours, double stepHours) const;
    void writeBar(QXmlStreamWriter& xml, const Bar& bar, int index, double topSeconds) const;

    std::vector<Bar> m_bars;
    QStringList m_projects;
    QHash<QString, int> m_place;
    bool m_byPeriod = false;
    double m_left = 56;
    double m_labelSpace = 24;
};
