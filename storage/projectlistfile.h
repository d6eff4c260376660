#pragma once

#include "storage/fileresult.h"

#include <QString>
#include <QStringList>

// Projects.txt: one project name per line, Windows-1252, CR LF. Every line is a name exactly
// as typed: not trimmed, case kept, blank lines and repeated names kept. A name is appended
// when it is added; the whole file is rewritten in list order after a removal. A file saved as
// Unicode by another program (with a byte-order mark) is read as such, and appends and
// rewrites keep its encoding. Whether the file exists is datafiles::FileExists.

struct ProjectListLoad {
    FileResult result;
    QStringList entries;
};

// Every line of the file in file order. A missing file is an empty list; a file that cannot be
// read gives a failure and no entries.
ProjectListLoad loadProjectList(const QString& path);

// Appends the name and CR LF, creating the file when missing, and syncs it to disk. A name
// holding a line break is refused, since it would come back as two names.
FileResult AppendProject(const QString& path, const QString& name);

// Rewrites the file with each entry and CR LF; no entries give an empty file. The old file is
// replaced only when the new one is complete.
FileResult SaveProjectList(const QString& path, const QStringList& entries);
