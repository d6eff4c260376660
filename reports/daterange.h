#pragma once

#include <QDate>

// The spans of days the Totals window offers, from its first day to its last, both included.
// Weeks are ISO weeks, Monday to Sunday, as the totals group them.
struct DateRange {
    enum class Choice : quint8 { ThisWeek, LastWeek, ThisMonth, LastMonth, Chosen, Everything };

    QDate from; // invalid for no limit
    QDate to;

    // The whole week or month around today, or before it; Chosen and Everything give no
    // limits, the first because the user sets them.
    static DateRange of(Choice choice, QDate today);
};
