#include "reports/totalsformat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace totalsformat {
namespace {

QJsonValue isoDate(QDate date) {
    return date.isValid() ? QJsonValue(date.toString(Qt::ISODate)) : QJsonValue();
}

} // namespace

QString json(const TotalsTable& table) {
    QJsonArray rows;
    for (const TotalsRow& row : table.rows()) {
        QJsonObject object{
            {QStringLiteral("project"), row.project},
            {QStringLiteral("seconds"), row.seconds},
            {QStringLiteral("sessions"), row.sessions},
            {QStringLiteral("incomplete"), row.incomplete},
        };
        if (table.byPeriod()) {
            object.insert(QStringLiteral("period"), table.periodLabel(row));
            object.insert(QStringLiteral("from"), isoDate(row.first));
            object.insert(QStringLiteral("to"), isoDate(row.last));
        }
        rows.append(object);
    }
    return QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Indented));
}

} // namespace totalsformat
