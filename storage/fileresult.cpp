#include "storage/fileresult.h"

FileResult FileResult::failure(QString path, QString reason, int code) {
    FileResult r;
    r.m_ok = false;
    r.m_code = code;
    r.m_path = std::move(path);
    r.m_reason = reason.isEmpty() ? QStringLiteral("unknown error") : std::move(reason);
    return r;
}

QString FileResult::message(QStringView verb) const {
    if (m_ok)
        return {};
    return QStringLiteral("Could not %1 \"%2\": %3.").arg(verb, m_path, m_reason);
}
