#include "faultfs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace faultfs {
namespace {

QString lastError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool setImmutable(const QString& path, bool on) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

bool setMode(const QString& path, mode_t mode) {
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

// Root is stopped only by the immutable attribute; anyone else by the permission bits.
bool protect(const QString& path, bool isFolder, bool on) {
    if (isRoot())
        return setImmutable(path, on);
    const mode_t mode = isFolder ? (on ? 0555 : 0755) : (on ? 0444 : 0644);
    return setMode(path, mode);
}

QStringList filesIn(const QString& folder) {
    QStringList paths;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden))
        paths.append(info.filePath());
    return paths;
}

bool canWriteSomething(const QString& folder) {
    QFile probe(QDir(folder).filePath(QStringLiteral(".probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        return true;
    }
    for (const QString& path : filesIn(folder)) {
        QFile file(path);
        if (file.open(QIODevice::Append))
            return true;
    }
    return false;
}

} // namespace

bool isRoot() {
    return ::geteuid() == 0;
}

void isolateMounts() {
    if (::unshare(CLONE_NEWNS) == 0)
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
}

ReadOnlyFolder::ReadOnlyFolder(QString folder)
    : m_folder(std::move(folder)) {
    m_held = true;
    bool done = true;
    for (const QString& path : filesIn(m_folder))
        done = protect(path, false, true) && done;
    done = protect(m_folder, true, true) && done;
    if (!done) {
        m_reason = isRoot() ? QStringLiteral("running as root, and the file system does not "
                                             "take the immutable attribute here")
                            : QStringLiteral("the permissions could not be changed");
    } else if (canWriteSomething(m_folder)) {
        m_reason = QStringLiteral("the folder stays writable for this user");
    }
    if (!m_reason.isEmpty())
        release();
}

ReadOnlyFolder::~ReadOnlyFolder() {
    release();
}

void ReadOnlyFolder::release() {
    if (!m_held)
        return;
    m_held = false;
    protect(m_folder, true, false);
    for (const QString& path : filesIn(m_folder))
        protect(path, false, false);
}

SmallDisk::SmallDisk(QString mountPoint, int kilobytes)
    : m_mountPoint(std::move(mountPoint)) {
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0777";
    if (::mount("tallyhawk-test", QFile::encodeName(m_mountPoint).constData(), "tmpfs",
                MS_NOSUID | MS_NODEV, options.constData()) != 0) {
        m_reason = QStringLiteral("a tmpfs cannot be mounted here (%1)").arg(lastError());
        return;
    }
    m_mounted = true;
}

SmallDisk::~SmallDisk() {
    if (m_mounted)
        ::umount2(QFile::encodeName(m_mountPoint).constData(), MNT_DETACH);
}

void SmallDisk::fill() {
    QFile filler(QDir(m_mountPoint).filePath(QStringLiteral(".filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return;
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size()) {
    }
    // The last block may have gone in part; byte by byte up to the very end.
    while (filler.write("x", 1) == 1) {
    }
}

void SmallDisk::freeSpace() {
    QFile::remove(QDir(m_mountPoint).filePath(QStringLiteral(".filler")));
}

} // namespace faultfs
