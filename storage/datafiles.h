#pragma once

#include <QString>

// The three data files live in the application folder, beside the executable.
namespace datafiles {

inline constexpr QStringView Tasks = u"Tasks.txt";
inline constexpr QStringView Projects = u"Projects.txt";
inline constexpr QStringView Settings = u"Settings.ini";

// The folder joined with the file name by the platform's separator.
QString path(const QString& folder, QStringView fileName);

// True when the file's length can be read: the file exists, also when it is empty.
bool FileExists(const QString& path);

} // namespace datafiles
