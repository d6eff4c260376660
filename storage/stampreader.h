#pragma once

#include "storage/datetimetext.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

#include <optional>
#include <vector>

// Reads the date-time text of log stamps back as a wall-clock date and time, as DateTimeText
// does, but fast enough for a log of a hundred thousand sessions: the text is matched against
// the fields of the locale's formats directly. Only text exactly as the program writes it is
// read that way; anything else goes to DateTimeText, so both read every text alike.
class StampReader {
public:
    struct Stamp {
        QDate date;
        QTime time;
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };

    explicit StampReader(const QLocale& locale = QLocale::system());

    std::optional<Stamp> read(QStringView text) const;

private:
    enum class Kind : quint8 { Text, Day, Month, Year, Hour12, Hour24, Minute, Second, AmPm };
    struct Field {
        Kind kind = Kind::Text;
        bool padded = false; // two digits always, rather than no leading zero
        QString text;
    };
    struct Values {
        int year = -1, month = -1, day = -1;
        int hour = 0, minute = 0, second = 0;
        int pm = -1;
    };

    static std::optional<std::vector<Field>> fields(QStringView format);
    bool match(const std::vector<Field>& fields, QStringView text, qsizetype& at,
               Values& values) const;
    qsizetype number(QStringView text, qsizetype at, qsizetype width, bool padded,
                     int& value) const;
    std::optional<Stamp> readFast(QStringView text) const;

    DateTimeText m_text;
    std::vector<Field> m_dateFields;
    std::vector<Field> m_timeFields;
    bool m_fast = false;
    char16_t m_zero = u'0';
    QString m_am;
    QString m_pm;
};
