#pragma once

#include <QByteArray>
#include <QString>

// The readers under test take a path, so each input goes through a real file. The folder is
// made once per fuzzing process, in memory where the system offers it, and removed at exit.
namespace scratch {

// A path in the process's scratch folder.
QString path(const QString& fileName);

// Replaces the file with the bytes.
void writeFile(const QString& path, const QByteArray& bytes);

// The file's bytes; empty for a missing file.
QByteArray readFile(const QString& path);

} // namespace scratch
