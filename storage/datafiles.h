#pragma once

#include <QString>

// The names of the three data files, which live together in the data folder that
// datafolder::choose() picks.
namespace datafiles {

inline constexpr QStringView Tasks = u"Tasks.txt";
inline constexpr QStringView Projects = u"Projects.txt";
inline constexpr QStringView Settings = u"Settings.ini";

// The folder joined with the file name by the platform's separator.
QString path(const QString& folder, QStringView fileName);

// True when the file's length can be read: the file exists, also when it is empty.
bool FileExists(const QString& path);

} // namespace datafiles
