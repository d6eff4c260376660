#include "reports/totalschart.h"
#include "reports/totalsformat.h"

#include <QXmlStreamWriter>

namespace totalsformat {
namespace {

// Written as element text, so it holds no "<", ">", "&" or quotes: XML would escape them, and a
// browser reading the page as HTML would not read them back.
const QString StyleSheet = QStringLiteral(R"(
:root { color-scheme: light dark; --fg: #1f2328; --muted: #59636e; --bg: #ffffff;
  --rule: #d1d9e0; --grid: #e4e8ec; --stripe: #f6f8fa; }
@media (prefers-color-scheme: dark) {
  :root { --fg: #e6edf3; --muted: #9198a1; --bg: #16191d; --rule: #3d444d; --grid: #2a3038;
    --stripe: #1d2126; }
}
body { margin: 24px; color: var(--fg); background: var(--bg);
  font: 14px/1.45 system-ui, -apple-system, Segoe UI, Roboto, sans-serif; }
h1 { font-size: 20px; margin: 0 0 4px; }
h2 { font-size: 16px; margin: 24px 0 8px; }
.subtitle, .note { color: var(--muted); margin: 0 0 16px; }
.chart { margin: 0 0 16px; overflow-x: auto; }
.chart text { fill: var(--fg); font-size: 11px; }
.chart .tick { fill: var(--muted); text-anchor: end; }
.chart .label { text-anchor: end; }
.chart .value { text-anchor: middle; }
.chart .grid { stroke: var(--grid); stroke-width: 1; }
.chart .axis { stroke: var(--muted); stroke-width: 1; }
.chart .bar { stroke: var(--bg); stroke-width: 1; }
.legend { list-style: none; padding: 0; margin: 0 0 16px; display: flex; flex-wrap: wrap;
  gap: 4px 16px; }
.swatch { display: inline-block; width: 10px; height: 10px; margin-right: 6px;
  border-radius: 2px; vertical-align: baseline; }
table { border-collapse: collapse; font-variant-numeric: tabular-nums; }
th, td { padding: 4px 12px; border-bottom: 1px solid var(--rule); text-align: left;
  white-space: pre; }
th { font-weight: 600; }
td.num, th.num { text-align: right; }
tbody tr:nth-child(even) { background: var(--stripe); }
tfoot td { font-weight: 600; border-top: 2px solid var(--fg); border-bottom: none; }
@media print {
  :root { --fg: #000000; --muted: #444444; --bg: #ffffff; --rule: #999999; --grid: #cccccc;
    --stripe: #ffffff; }
  body { margin: 0; }
  .chart { overflow: visible; }
  .chart .bar { stroke: #000000; stroke-width: 0.5; }
  * { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
)");

// The chart's bar colours, for its bars and for the legend's swatches.
QString colourRules() {
    QString rules;
    for (int i = 0; i < TotalsChart::Colours; ++i) {
        rules += QStringLiteral(".c%1 { fill: %2; background: %2; }\n")
                     .arg(i)
                     .arg(TotalsChart::BarColours[size_t(i)]);
    }
    return rules;
}

void cell(QXmlStreamWriter& xml, const QString& tag, const QString& text, bool number = false) {
    xml.writeStartElement(tag);
    if (number)
        xml.writeAttribute(QStringLiteral("class"), QStringLiteral("num"));
    xml.writeCharacters(text);
    xml.writeEndElement();
}

void writeTable(QXmlStreamWriter& xml, const TotalsTable& table) {
    const QString heading = totalstext::periodHeading(table.query().grouping);
    xml.writeStartElement(QStringLiteral("table"));
    xml.writeStartElement(QStringLiteral("thead"));
    xml.writeStartElement(QStringLiteral("tr"));
    if (table.byPeriod())
        cell(xml, QStringLiteral("th"), heading);
    cell(xml, QStringLiteral("th"), QStringLiteral("Project"));
    cell(xml, QStringLiteral("th"), QStringLiteral("Time"), true);
    cell(xml, QStringLiteral("th"), QStringLiteral("Hours"), true);
    cell(xml, QStringLiteral("th"), QStringLiteral("Sessions"), true);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("tbody"));
    for (const TotalsRow& row : table.rows()) {
        xml.writeStartElement(QStringLiteral("tr"));
        if (table.byPeriod())
            cell(xml, QStringLiteral("td"), table.periodLabel(row));
        cell(xml, QStringLiteral("td"), totalstext::shownName(row.project));
        cell(xml, QStringLiteral("td"), totalstext::duration(row.seconds), true);
        cell(xml, QStringLiteral("td"), totalstext::hours(row.seconds), true);
        cell(xml, QStringLiteral("td"), QString::number(row.sessions), true);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("tfoot"));
    xml.writeStartElement(QStringLiteral("tr"));
    cell(xml, QStringLiteral("td"), QStringLiteral("Total"));
    if (table.byPeriod())
        cell(xml, QStringLiteral("td"), QString());
    cell(xml, QStringLiteral("td"), totalstext::duration(table.totalSeconds()), true);
    cell(xml, QStringLiteral("td"), totalstext::hours(table.totalSeconds()), true);
    cell(xml, QStringLiteral("td"), QString::number(table.totalSessions()), true);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

void writeLegend(QXmlStreamWriter& xml, const TotalsChart& chart) {
    xml.writeStartElement(QStringLiteral("ul"));
    xml.writeAttribute(QStringLiteral("class"), QStringLiteral("legend"));
    for (const QString& project : chart.projects()) {
        xml.writeStartElement(QStringLiteral("li"));
        xml.writeStartElement(QStringLiteral("span"));
        xml.writeAttribute(QStringLiteral("class"),
                           QStringLiteral("swatch ") + chart.colourClass(project));
        xml.writeCharacters(QString());
        xml.writeEndElement();
        xml.writeCharacters(totalstext::shownName(project));
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

void writeIncomplete(QXmlStreamWriter& xml, const TotalsTable& table) {
    if (table.incomplete().empty())
        return;
    xml.writeTextElement(QStringLiteral("h2"), QStringLiteral("Incomplete sessions"));
    xml.writeStartElement(QStringLiteral("ul"));
    for (const IncompleteSession& session : table.incomplete())
        xml.writeTextElement(QStringLiteral("li"), totalstext::incomplete(session));
    xml.writeEndElement();
}

void writeLeftOut(QXmlStreamWriter& xml, const TotalsTable& table) {
    const QStringList lines = totalstext::undatedLeftOut(table);
    if (lines.isEmpty())
        return;
    xml.writeStartElement(QStringLiteral("p"));
    xml.writeAttribute(QStringLiteral("class"), QStringLiteral("note"));
    xml.writeCharacters(lines.front());
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("ul"));
    xml.writeAttribute(QStringLiteral("class"), QStringLiteral("note"));
    for (const QString& line : lines.mid(1))
        xml.writeTextElement(QStringLiteral("li"), line);
    xml.writeEndElement();
}

} // namespace

QString html(const TotalsTable& table, const QString& subtitle) {
    const QString title =
        table.byPeriod() ? QStringLiteral("Time per %1 and project")
                               .arg(totalstext::periodHeading(table.query().grouping).toLower())
                         : QStringLiteral("Time per project");
    QString out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeDTD(QStringLiteral("<!DOCTYPE html>"));
    xml.writeStartElement(QStringLiteral("html"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/1999/xhtml"));
    xml.writeAttribute(QStringLiteral("lang"), QStringLiteral("en"));
    xml.writeStartElement(QStringLiteral("head"));
    xml.writeEmptyElement(QStringLiteral("meta"));
    xml.writeAttribute(QStringLiteral("charset"), QStringLiteral("utf-8"));
    xml.writeEmptyElement(QStringLiteral("meta"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("color-scheme"));
    xml.writeAttribute(QStringLiteral("content"), QStringLiteral("light dark"));
    xml.writeTextElement(QStringLiteral("title"), title + QStringLiteral(" - Tallyhawk"));
    xml.writeTextElement(QStringLiteral("style"), StyleSheet + colourRules());
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("body"));
    xml.writeTextElement(QStringLiteral("h1"), title);
    xml.writeStartElement(QStringLiteral("p"));
    xml.writeAttribute(QStringLiteral("class"), QStringLiteral("subtitle"));
    xml.writeCharacters(subtitle);
    xml.writeEndElement();
    const TotalsChart chart(table);
    xml.writeStartElement(QStringLiteral("div"));
    xml.writeAttribute(QStringLiteral("class"), QStringLiteral("chart"));
    chart.write(xml);
    xml.writeEndElement();
    if (table.byPeriod())
        writeLegend(xml, chart);
    writeTable(xml, table);
    writeIncomplete(xml, table);
    writeLeftOut(xml, table);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    // The writer starts the document type on a line of its own.
    if (out.startsWith(u'\n'))
        out.remove(0, 1);
    return out;
}

} // namespace totalsformat
