#pragma once

#include "storage/fileresult.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// Where the data files of a run live. A program started from the folder it was installed into
// cannot write beside itself, so it keeps its data in the user's data folder; a program started
// from anywhere else (its build folder, an unpacked copy, a test) keeps its data beside itself.
namespace datafolder {

// The folder's name under the user's data home. Fixed, so that the data stays where it is
// whatever application or organisation name the program is given later.
inline constexpr QStringView Name = u"tallyhawk";

// Everything the choice depends on.
struct Situation {
    QString executableFolder;
    // The folders an install puts the program into; fixed when the program is built.
    QStringList installBinFolders;
    // The values of XDG_DATA_HOME and HOME, empty when unset.
    QString xdgDataHome;
    QString home;
};

struct Choice {
    // Empty when the program is installed but neither XDG_DATA_HOME nor HOME names a folder.
    QString folder;
    // True when the folder is the user's data folder, which may still have to be created.
    bool userFolder = false;
};

// True when the executable's folder is one of the install folders, also when either is reached
// through a symbolic link.
bool runsFromInstallFolder(const QString& executableFolder, const QStringList& installBinFolders);

// $XDG_DATA_HOME/tallyhawk, or $HOME/.local/share/tallyhawk when XDG_DATA_HOME is unset or not
// an absolute path; empty when neither names a folder.
QString userDataFolder(const QString& xdgDataHome, const QString& home);

Choice choose(const Situation& situation);

// Makes the chosen folder, with its parents, when it is the user's folder and does not exist
// yet. A folder beside the executable is used as it is.
FileResult prepare(const Choice& choice);

// The folders this build installs the program into: the configured prefix's and the Debian
// package's.
QStringList installBinFolders();

// The situation of this process: its executable's folder, this build's install folders and the
// environment.
Situation currentSituation(const QString& executableFolder);

} // namespace datafolder
