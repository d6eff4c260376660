#include "reports/daterange.h"

DateRange DateRange::of(Choice choice, QDate today) {
    const QDate monday = today.addDays(1 - today.dayOfWeek());
    const QDate firstOfMonth(today.year(), today.month(), 1);
    switch (choice) {
    case Choice::ThisWeek:
        return {monday, monday.addDays(6)};
    case Choice::LastWeek:
        return {monday.addDays(-7), monday.addDays(-1)};
    case Choice::ThisMonth:
        return {firstOfMonth, firstOfMonth.addMonths(1).addDays(-1)};
    case Choice::LastMonth:
        return {firstOfMonth.addMonths(-1), firstOfMonth.addDays(-1)};
    case Choice::Chosen:
    case Choice::Everything:
        break;
    }
    return {};
}
