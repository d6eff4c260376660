#pragma once

#include "reports/totalstable.h"

#include <QByteArray>
#include <QHash>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class QXmlStreamWriter;

// The bar chart of the totals, as SVG: one bar of hours per project, or per period with one
// segment per project stacked in it, each bar with its time above it. Every bar with time in
// it stays visible, however short beside the longest. Colours come from a style sheet through
// the classes "c0" to "c9": in an HTML summary the page's, so that the chart follows the page
// into a dark theme and print; in a window, one of the chart's own in the window's colours.
class TotalsChart {
public:
    static constexpr int Colours = 10;
    // The bars' colours, "c0" to "c9": they read on white, on a dark page and in grey print.
    static constexpr std::array<QLatin1StringView, Colours> BarColours{
        QLatin1StringView("#4e79a7"), QLatin1StringView("#f28e2b"), QLatin1StringView("#e15759"),
        QLatin1StringView("#76b7b2"), QLatin1StringView("#59a14f"), QLatin1StringView("#edc948"),
        QLatin1StringView("#b07aa1"), QLatin1StringView("#ff9da7"), QLatin1StringView("#9c755f"),
        QLatin1StringView("#bab0ac")};
    // The least height of a bar or segment with time in it, in pixels.
    static constexpr double ShortestBar = 3;

    // The colours of the text and lines of a chart drawn on its own, as "#rrggbb".
    struct Ink {
        QString text;
        QString muted; // the hours of the axis
        QString grid;
        QString background; // between stacked segments
    };

    explicit TotalsChart(const TotalsTable& table);

    // Into a page whose style sheet gives the colours.
    void write(QXmlStreamWriter& xml) const;
    // A document of its own, for a window to draw.
    QByteArray document(const Ink& ink) const;

    size_t barCount() const { return m_bars.size(); }
    // Projects by their whole time, longest first: the order of colours and of the legend.
    const QStringList& projects() const { return m_projects; }
    // The project's colour, 0 to Colours - 1, and its class, "c0" to "c9".
    int colour(const QString& project) const;
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
    void writeSvg(QXmlStreamWriter& xml, const QString& styleSheet) const;

    std::vector<Bar> m_bars;
    QStringList m_projects;
    QHash<QString, int> m_place;
    bool m_byPeriod = false;
    double m_left = 56;
    double m_labelSpace = 24;
};
