#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Whole-file reads and writes for setting up and checking data files. The writes say whether
// they worked, for a test to QVERIFY.
inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes,
                       QIODevice::OpenMode mode = QIODevice::Truncate) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | mode) && file.write(bytes) == bytes.size();
}

inline bool appendBytes(const QString& path, const QByteArray& bytes) {
    return writeBytes(path, bytes, QIODevice::Append);
}
