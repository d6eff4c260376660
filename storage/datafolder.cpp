#include "storage/datafolder.h"

#include "tallyhawk/installdirs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace datafolder {
namespace {

// The same text for every way of writing one folder: links resolved where the folder exists,
// "." and ".." segments and a trailing separator removed where it does not.
QString normalised(const QString& folder) {
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

bool runsFromInstallFolder(const QString& executableFolder, const QStringList& installBinFolders) {
    if (executableFolder.isEmpty())
        return false;
    const QString running = normalised(executableFolder);
    for (const QString& folder : installBinFolders) {
        if (!folder.isEmpty() && normalised(folder) == running)
            return true;
    }
    return false;
}

QString userDataFolder(const QString& xdgDataHome, const QString& home) {
    // A relative XDG_DATA_HOME is invalid and to be ignored, as the base directory rules say.
    QString dataHome;
    if (QDir::isAbsolutePath(xdgDataHome))
        dataHome = xdgDataHome;
    else if (QDir::isAbsolutePath(home))
        dataHome = QDir(home).filePath(QStringLiteral(".local/share"));
    if (dataHome.isEmpty())
        return {};
    return QDir::cleanPath(QDir(dataHome).filePath(Name.toString()));
}

Choice choose(const Situation& situation) {
    if (!runsFromInstallFolder(situation.executableFolder, situation.installBinFolders))
        return {situation.executableFolder, false};
    return {userDataFolder(situation.xdgDataHome, situation.home), true};
}

FileResult prepare(const Choice& choice) {
    if (!choice.userFolder)
        return FileResult::success();
    if (choice.folder.isEmpty()) {
        return FileResult::failure(QStringLiteral("$HOME/.local/share/") + Name.toString(),
                                   QStringLiteral("neither XDG_DATA_HOME nor HOME names a folder"));
    }
    if (QFileInfo(choice.folder).isDir())
        return FileResult::success();
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(choice.folder).toStdString(), error);
    if (error)
        return FileResult::failure(choice.folder, QString::fromStdString(error.message()));
    return FileResult::success();
}

QStringList installBinFolders() {
    QStringList folders;
    for (QStringView folder : installdirs::BinFolders)
        folders.append(folder.toString());
    return folders;
}

Situation currentSituation(const QString& executableFolder) {
    return {executableFolder, installBinFolders(), qEnvironmentVariable("XDG_DATA_HOME"),
            qEnvironmentVariable("HOME")};
}

} // namespace datafolder
