#pragma once

#include "storage/ansitext.h"
#include "storage/datetimetext.h"
#include "storage/elapsed.h"
#include "storage/logformat.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

// What the log benches share: the words their generated sessions are made of, a heavy user's
// log, and the peak memory a case reports for itself.
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

// Records of seven lines and about 400 bytes, as a heavy user writes them: a starting comment
// and one note, on one of 41 projects, over nineteen years. One session in a hundred was
// stopped before its first tick ("N/A"), so that its time comes from its stamps.
inline void writeHeavyLog(const QString& path, int sessions, const QLocale& locale) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    const DateTimeText stamps(locale);
    QRandomGenerator random(7);
    QDateTime when(QDate(2000, 1, 3), QTime(9, 0, 5));
    QString chunk;
    for (int i = 0; i < sessions; ++i) {
        const QString project = QStringLiteral("Project %1 %2").arg(i % 41).arg(Words[i % 41 % 12]);
        const QString start = stamps.format(when);
        const QDateTime stopped = when.addSecs(1200 + random.bounded(6000));
        const QString total =
            i % 100 == 0 ? elapsed::NotAvailable.toString() : elapsed::text(when, stopped);
        chunk += logformat::startLines(start, project) +
                 logformat::startingCommentLine(start, words(random, 9)) + ansi::LineEnd +
                 logformat::noteLine(stamps.format(when.addSecs(600)), words(random, 11)) +
                 ansi::LineEnd + logformat::stopLines(stamps.format(stopped), project, total) +
                 ansi::LineEnd;
        when = stopped.addSecs(300 + random.bounded(3000));
        if (chunk.size() > (1 << 20)) {
            file.write(ansi::encode(chunk));
            chunk.clear();
        }
    }
    file.write(ansi::encode(chunk));
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
