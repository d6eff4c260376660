#pragma once

#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

// What the log benches share: the words their generated sessions are made of, and the peak
// memory a case reports for itself.
namespace benchsupport {

inline const QStringList Words = {
    QStringLiteral("review"),   QStringLiteral("client"),  QStringLiteral("call"),
    QStringLiteral("mock-ups"), QStringLiteral("colours"), QStringLiteral("budget"),
    QStringLiteral("invoice"),  QStringLiteral("meeting"), QStringLiteral("design"),
    QStringLiteral("website"),  QStringLiteral("plan"),    QStringLiteral("fixes"),
};

// Some of the words, picked at random and joined by spaces.
inline QString words(QRandomGenerator& random, int count) {
    QStringList picked;
    for (int i = 0; i < count; ++i)
        picked.append(Words[random.bounded(Words.size())]);
    return picked.join(u' ');
}

// The process's peak resident memory so far, in KiB (VmHWM); 0 where /proc does not say.
inline long peakKib() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

} // namespace benchsupport
