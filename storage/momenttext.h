#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

// A moment the user types: in any form the locale writes dates and times (short or long, with
// or without seconds, with a two- or four-digit year), as a stamp of the log shows it, as an
// ISO date and time, or a time alone for that time today. Local time; in the hour that repeats
// when summer time ends, the first of the two moments (Qt reads such a time so).
std::optional<QDateTime> readMoment(QStringView text, const QLocale& locale, QDate today);
