#include "storage/stampreader.h"

StampReader::StampReader(const QLocale& locale)
    : m_text(locale)
    , m_am(locale.amText())
    , m_pm(locale.pmText()) {
    const QString zero = locale.zeroDigit();
    auto date = fields(m_text.dateFormat());
    auto time = fields(m_text.timeFormat());
    // Digits outside the Basic Multilingual Plane, or formats with names of days and months,
    // are left to the locale's own parser.
    m_fast = zero.size() == 1 && date && time && !m_am.isEmpty() && !m_pm.isEmpty();
    if (!m_fast)
        return;
    m_zero = zero.front().unicode();
    m_dateFields = std::move(*date);
    m_timeFields = std::move(*time);
    bool twelveHour = false;
    for (const Field& field : m_timeFields)
        twelveHour = twelveHour || field.kind == Kind::AmPm;
    for (Field& field : m_timeFields) {
        if (field.kind == Kind::Hour12 && !twelveHour)
            field.kind = Kind::Hour24;
    }
}

// The fields of a QLocale date or time format: "h", "hh", "H", "HH", "m", "mm", "s", "ss", "d",
// "dd", "M", "MM", "yyyy", "AP" in any case, and literal text, quoted or not. Nothing for any
// other field.
std::optional<std::vector<StampReader::Field>> StampReader::fields(QStringView format) {
    std::vector<Field> out;
    auto literal = [&out](QStringView text) {
        if (out.empty() || out.back().kind != Kind::Text)
            out.push_back({Kind::Text, false, {}});
        out.back().text += text;
    };
    const qsizetype n = format.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = format[i];
        if (c == u'\'') {
            if (i + 1 < n && format[i + 1] == u'\'') {
                literal(u"'");
                i += 2;
                continue;
            }
            qsizetype close = format.indexOf(u'\'', i + 1);
            if (close < 0)
                close = n;
            literal(format.sliced(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < n && format[i + run] == c)
            ++run;
        const char16_t u = c.unicode();
        if (u == u'a' || u == u'A') {
            const bool pair = i + 1 < n && (format[i + 1] == u'p' || format[i + 1] == u'P');
            out.push_back({Kind::AmPm, false, {}});
            i += pair ? 2 : 1;
            continue;
        }
        if (u == u'y') {
            if (run != 4)
                return std::nullopt;
            out.push_back({Kind::Year, true, {}});
            i += run;
            continue;
        }
        Kind kind = Kind::Text;
        switch (u) {
        case u'd':
            kind = Kind::Day;
            break;
        case u'M':
            kind = Kind::Month;
            break;
        case u'h':
            kind = Kind::Hour12;
            break;
        case u'H':
            kind = Kind::Hour24;
            break;
        case u'm':
            kind = Kind::Minute;
            break;
        case u's':
            kind = Kind::Second;
            break;
        case u'z':
        case u't':
            return std::nullopt;
        default:
            literal(format.sliced(i, run));
            i += run;
            continue;
        }
        if (run > 2)
            return std::nullopt;
        out.push_back({kind, run == 2, {}});
        i += run;
    }
    return out;
}

// The length of the number at the text's position, or 0 when there is none of the field's
// shape: two digits when padded, else one digit or two without a leading zero.
qsizetype StampReader::number(QStringView text, qsizetype at, qsizetype width, bool padded,
                              int& value) const {
    value = 0;
    qsizetype length = 0;
    while (length < width && at + length < text.size()) {
        const int digit = int(text[at + length].unicode()) - int(m_zero);
        if (digit < 0 || digit > 9)
            break;
        if (length == 1 && !padded && value == 0)
            return 0;
        value = value * 10 + digit;
        ++length;
    }
    return (padded && length != width) ? 0 : length;
}

bool StampReader::match(const std::vector<Field>& fields, QStringView text, qsizetype& at,
                        Values& values) const {
    for (const Field& field : fields) {
        if (field.kind == Kind::Text) {
            if (!text.sliced(at).startsWith(field.text))
                return false;
            at += field.text.size();
            continue;
        }
        if (field.kind == Kind::AmPm) {
            const QStringView rest = text.sliced(at);
            if (rest.startsWith(m_am, Qt::CaseInsensitive)) {
                values.pm = 0;
                at += m_am.size();
            } else if (rest.startsWith(m_pm, Qt::CaseInsensitive)) {
                values.pm = 1;
                at += m_pm.size();
            } else {
                return false;
            }
            continue;
        }
        int value = 0;
        const qsizetype width = field.kind == Kind::Year ? 4 : 2;
        const qsizetype length = number(text, at, width, field.padded, value);
        if (length == 0)
            return false;
        at += length;
        switch (field.kind) {
        case Kind::Day:
            values.day = value;
            break;
        case Kind::Month:
            values.month = value;
            break;
        case Kind::Year:
            values.year = value;
            break;
        case Kind::Hour12:
            if (value < 1 || value > 12)
                return false;
            values.hour = value % 12;
            break;
        case Kind::Hour24:
            values.hour = value;
            break;
        case Kind::Minute:
            values.minute = value;
            break;
        case Kind::Second:
            values.second = value;
            break;
        case Kind::Text:
        case Kind::AmPm:
            break;
        }
    }
    return true;
}

std::optional<StampReader::Stamp> StampReader::readFast(QStringView text) const {
    Values values;
    qsizetype at = 0;
    if (!match(m_dateFields, text, at, values))
        return std::nullopt;
    if (at < text.size()) {
        if (text[at] != u' ')
            return std::nullopt;
        ++at;
        if (!match(m_timeFields, text, at, values) || at != text.size())
            return std::nullopt;
    }
    if (values.pm == 1)
        values.hour += 12;
    const QDate date(values.year, values.month, values.day);
    const QTime time(values.hour, values.minute, values.second);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return Stamp{date, time};
}

std::optional<StampReader::Stamp> StampReader::read(QStringView text) const {
    const QStringView trimmed = text.trimmed();
    if (m_fast) {
        if (auto stamp = readFast(trimmed))
            return stamp;
    }
    const std::optional<QDateTime> value = m_text.parse(trimmed);
    if (!value)
        return std::nullopt;
    return Stamp{value->date(), value->time()};
}
