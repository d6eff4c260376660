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

// A file of the user's data folder that belongs to one log: "<name> <id><suffix>", the id
// taken from the log's absolute path, so that copies of the program kept in different folders
// each have their own. Empty without a data folder.
QString perLog(const QString& dataFolder, const QString& logPath, QStringView name,
               QStringView suffix);

// True when the file's length can be read: the file exists, also when it is empty.
bool FileExists(const QString& path);

} // namespace datafiles
