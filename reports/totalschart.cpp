#include "reports/totalschart.h"

#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// Room above the longest bar for its time.
constexpr double PlotTop = 24;
constexpr double PlotHeight = 240;
constexpr double MinimumLeft = 56;
constexpr double Right = 16;
constexpr double BarWidth = 28;
constexpr double BarGap = 14;
constexpr qsizetype LabelLength = 24;
// Labels run up to the left at 40 degrees, in characters about 6.2 pixels wide.
constexpr double CharacterWidth = 6.2;
constexpr double LabelCos = 0.766;
constexpr double LabelSin = 0.643;

QString number(double value) {
    return QString::number(value, 'f', 2);
}

// A step of 1, 2, 2.5 or 5 times a power of ten that cuts the axis into about four parts.
double niceStep(double top) {
    const double rough = top / 4;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 2.5, 5.0}) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10 * power;
}

QString shortLabel(const QString& text) {
    return text.size() <= LabelLength ? text : text.left(LabelLength - 1) + QChar(0x2026);
}

double labelWidth(const QString& text) {
    return double(text.size()) * CharacterWidth;
}

// A bar's time, short enough to stand over it: "0:04", "120:00", or "40 s" under a minute,
// which "0:00" would hide.
QString barTime(qint64 seconds) {
    if (seconds < 60)
        return QStringLiteral("%1 s").arg(seconds);
    return QStringLiteral("%1:%2")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
}

QString colourRules() {
    QString rules;
    for (int i = 0; i < TotalsChart::Colours; ++i)
        rules +=
            QStringLiteral(".c%1 { fill: %2; }\n").arg(i).arg(TotalsChart::BarColours[size_t(i)]);
    return rules;
}

} // namespace

TotalsChart::TotalsChart(const TotalsTable& table)
    : m_byPeriod(table.byPeriod()) {
    std::map<QString, qint64> perProject;
    for (const TotalsRow& row : table.rows()) {
        perProject[row.project] += row.seconds;
        // Rows come grouped by period, so each period's rows follow one another.
        if (!m_byPeriod || m_bars.empty() || m_bars.back().label != table.periodLabel(row))
            m_bars.push_back({m_byPeriod ? table.periodLabel(row) : row.project, {}, 0});
        m_bars.back().segments.push_back({row.project, row.seconds});
        m_bars.back().seconds += row.seconds;
    }
    std::vector<std::pair<QString, qint64>> order(perProject.begin(), perProject.end());
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    for (const auto& [project, seconds] : order) {
        m_place.insert(project, int(m_projects.size()));
        m_projects.append(project);
    }
    // Room for the labels: the first one reaches furthest to the left, the longest furthest down.
    double longest = 0;
    for (Bar& bar : m_bars) {
        bar.label = shortLabel(m_byPeriod ? bar.label : totalstext::shownName(bar.label));
        longest = std::max(longest, labelWidth(bar.label));
    }
    if (!m_bars.empty())
        m_left = std::max(MinimumLeft, LabelCos * labelWidth(m_bars.front().label) - 21);
    m_labelSpace = 24 + LabelSin * longest;
}

int TotalsChart::colour(const QString& project) const {
    return m_place.value(project) % Colours;
}

QString TotalsChart::colourClass(const QString& project) const {
    return u'c' + QString::number(colour(project));
}

void TotalsChart::write(QXmlStreamWriter& xml) const {
    writeSvg(xml, QString());
}

QByteArray TotalsChart::document(const Ink& ink) const {
    const QString styleSheet =
        QStringLiteral("text { fill: %1; font-family: sans-serif; font-size: 11px; }\n"
                       ".tick { fill: %2; text-anchor: end; }\n"
                       ".label { text-anchor: end; }\n"
                       ".value { text-anchor: middle; }\n"
                       ".grid { stroke: %3; stroke-width: 1; }\n"
                       ".axis { stroke: %2; stroke-width: 1; }\n"
                       ".bar { stroke: %4; stroke-width: 1; }\n")
            .arg(ink.text, ink.muted, ink.grid, ink.background) +
        colourRules();
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument();
    writeSvg(xml, styleSheet);
    xml.writeEndDocument();
    return out;
}

void TotalsChart::writeSvg(QXmlStreamWriter& xml, const QString& styleSheet) const {
    qint64 longest = 0;
    for (const Bar& bar : m_bars)
        longest = std::max(longest, bar.seconds);
    const double longestHours = std::max(double(longest) / 3600.0, 1.0);
    const double step = niceStep(longestHours);
    const double topHours = std::ceil(longestHours / step - 1e-9) * step;
    const double width = m_left + double(m_bars.size()) * (BarWidth + BarGap) + Right;
    const double height = PlotTop + PlotHeight + m_labelSpace;

    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("width"), number(std::max(width, 320.0)));
    xml.writeAttribute(QStringLiteral("height"), number(height));
    xml.writeAttribute(QStringLiteral("role"), QStringLiteral("img"));
    xml.writeTextElement(QStringLiteral("title"), m_byPeriod ? QStringLiteral("Hours per period")
                                                             : QStringLiteral("Hours per project"));
    if (!styleSheet.isEmpty())
        xml.writeTextElement(QStringLiteral("style"), styleSheet);
    writeAxis(xml, topHours, step);
    for (size_t i = 0; i < m_bars.size(); ++i)
        writeBar(xml, m_bars[i], int(i), topHours * 3600.0);
    xml.writeEndElement();
}

void TotalsChart::writeAxis(QXmlStreamWriter& xml, double topHours, double stepHours) const {
    const double right = m_left + double(m_bars.size()) * (BarWidth + BarGap);
    const int steps = int(std::lround(topHours / stepHours));
    for (int i = 0; i <= steps; ++i) {
        const double hours = stepHours * i;
        const double y = PlotTop + PlotHeight * (1.0 - hours / topHours);
        xml.writeEmptyElement(QStringLiteral("line"));
        xml.writeAttribute(QStringLiteral("class"),
                           i == 0 ? QStringLiteral("axis") : QStringLiteral("grid"));
        xml.writeAttribute(QStringLiteral("x1"), number(m_left - 4));
        xml.writeAttribute(QStringLiteral("x2"), number(right));
        xml.writeAttribute(QStringLiteral("y1"), number(y));
        xml.writeAttribute(QStringLiteral("y2"), number(y));
        xml.writeStartElement(QStringLiteral("text"));
        xml.writeAttribute(QStringLiteral("class"), QStringLiteral("tick"));
        xml.writeAttribute(QStringLiteral("x"), number(m_left - 8));
        xml.writeAttribute(QStringLiteral("y"), number(y + 4));
        xml.writeCharacters(QString::number(hours, 'g', 4) + QStringLiteral(" h"));
        xml.writeEndElement();
    }
}

void TotalsChart::writeBar(QXmlStreamWriter& xml, const Bar& bar, int index,
                           double topSeconds) const {
    const double x = m_left + BarGap / 2 + index * (BarWidth + BarGap);
    double base = PlotTop + PlotHeight;
    for (const Segment& segment : bar.segments) {
        // A few minutes beside a hundred hours would be drawn a fraction of a pixel high.
        const double share = PlotHeight * double(segment.seconds) / topSeconds;
        const double height = segment.seconds > 0 ? std::max(share, ShortestBar) : 0.0;
        base -= height;
        xml.writeStartElement(QStringLiteral("rect"));
        xml.writeAttribute(QStringLiteral("class"),
                           QStringLiteral("bar ") + colourClass(segment.project));
        xml.writeAttribute(QStringLiteral("x"), number(x));
        xml.writeAttribute(QStringLiteral("y"), number(base));
        xml.writeAttribute(QStringLiteral("width"), number(BarWidth));
        xml.writeAttribute(QStringLiteral("height"), number(height));
        const QString what =
            m_byPeriod ? bar.label + QStringLiteral(", ") + totalstext::shownName(segment.project)
                       : totalstext::shownName(segment.project);
        xml.writeTextElement(QStringLiteral("title"),
                             what + QStringLiteral(": ") + totalstext::duration(segment.seconds));
        xml.writeEndElement();
    }
    if (bar.seconds > 0) {
        xml.writeStartElement(QStringLiteral("text"));
        xml.writeAttribute(QStringLiteral("class"), QStringLiteral("value"));
        xml.writeAttribute(QStringLiteral("x"), number(x + BarWidth / 2));
        xml.writeAttribute(QStringLiteral("y"), number(base - 4));
        xml.writeCharacters(barTime(bar.seconds));
        xml.writeEndElement();
    }
    const double labelX = x + BarWidth / 2 + 4;
    const double labelY = PlotTop + PlotHeight + 12;
    xml.writeStartElement(QStringLiteral("text"));
    xml.writeAttribute(QStringLiteral("class"), QStringLiteral("label"));
    xml.writeAttribute(
        QStringLiteral("transform"),
        QStringLiteral("translate(%1 %2) rotate(-40)").arg(number(labelX), number(labelY)));
    xml.writeCharacters(bar.label);
    xml.writeEndElement();
}
