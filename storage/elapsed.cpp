#include "storage/elapsed.h"

#include <array>

namespace elapsed {
namespace {

struct Unit {
    qint64 seconds;
    QChar letter;
};

constexpr std::array<Unit, 5> Units = {{
    {7 * 24 * 3600, u'w'},
    {24 * 3600, u'd'},
    {3600, u'h'},
    {60, u'm'},
    {1, u's'},
}};

} // namespace

QString FormatElapsed(const QDateTime& start, const QDateTime& end) {
    if (!start.isValid() || !end.isValid())
        return {};
    qint64 span = start.secsTo(end);
    QString result;
    for (const Unit& unit : Units) {
        const qint64 count = span / unit.seconds;
        span %= unit.seconds;
        if (count == 0)
            continue;
        // Leading spaces go before each part is added, not after, which is why a lone
        // part keeps its space. readParts() accepts both forms.
        result = result.trimmed() + u' ' + QString::number(count) + unit.letter;
    }
    return result;
}

Fields readParts(QStringView formatted) {
    Fields fields;
    for (QStringView piece : formatted.split(u' ')) {
        if (piece.isEmpty())
            continue;
        bool ok = false;
        const qint64 value = piece.chopped(1).toLongLong(&ok);
        if (!ok)
            continue;
        switch (piece.back().unicode()) {
        case u'w':
            fields.days += 7 * value;
            break;
        case u'd':
            fields.days += value;
            break;
        case u'h':
            fields.hours = value;
            break;
        case u'm':
            fields.minutes = value;
            break;
        case u's':
            fields.seconds = value;
            break;
        default:
            break;
        }
    }
    return fields;
}

QString text(const Fields& f) {
    return QStringLiteral("%1d %2h %3m %4s").arg(f.days).arg(f.hours).arg(f.minutes).arg(f.seconds);
}

} // namespace elapsed
