#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <ctime>

// The process's local time zone, as a zone name or a POSIX TZ rule, while the object lives,
// and the old one put back after. A stamp is local wall-clock time, so what it reads back as,
// and the time between two stamps, depend on the zone: each test that cares names its own.
class LocalZone {
public:
    explicit LocalZone(const char* rule)
        : m_old(qgetenv("TZ"))
        , m_hadOld(qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", rule);
        ::tzset();
    }
    ~LocalZone() {
        if (m_hadOld)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        ::tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    QByteArray m_old;
    bool m_hadOld;
};
