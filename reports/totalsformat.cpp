#include "reports/totalsformat.h"

namespace totalsformat {

std::optional<Format> named(QStringView name) {
    if (name == u"text")
        return Format::Text;
    if (name == u"csv")
        return Format::Csv;
    if (name == u"json")
        return Format::Json;
    if (name == u"html")
        return Format::Html;
    return std::nullopt;
}

QString write(const TotalsTable& table, Format format, const QString& subtitle) {
    switch (format) {
    case Format::Text:
        break;
    case Format::Csv:
        return csv(table);
    case Format::Json:
        return json(table);
    case Format::Html:
        return html(table, subtitle);
    }
    return text(table);
}

} // namespace totalsformat
