#include "faultfs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <linux/capability.h>
#include <linux/fs.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace faultfs {
namespace {

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

// The rights that let root read, write and search past the permission bits.
constexpr unsigned PermissionOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

// Puts the overrides into or out of the calling thread's effective set. They stay permitted,
// so they can be taken back.
bool setOverridesEffective(bool on) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    if (on)
        data[0].effective |= data[0].permitted & PermissionOverrides;
    else if ((data[0].effective & PermissionOverrides) == 0)
        return false;
    else
        data[0].effective &= ~PermissionOverrides;
    return ::syscall(SYS_capset, &header, data) == 0;
}

// The small disk's state, read by write() below on every call.
struct DiskState {
    // Empty while no SmallDisk lives. Ends with a '/'.
    std::string folder;
    std::atomic<bool> active{false};
    std::atomic<long long> freeBytes{0};
};

DiskState& smallDisk() {
    static DiskState state;
    return state;
}

bool isOnSmallDisk(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[PATH_MAX];
    const ssize_t length = ::readlink(link, target, sizeof target - 1);
    if (length <= 0)
        return false;
    return std::string(target, std::size_t(length)).rfind(smallDisk().folder, 0) == 0;
}

long rawWrite(int fd, const void* data, std::size_t count) {
    return ::syscall(SYS_write, fd, data, count);
}

} // namespace

bool isRoot() {
    return ::geteuid() == 0;
}

ScratchDir::ScratchDir()
    : QTemporaryDir(QFileInfo(QDir::tempPath()).isWritable()
                        ? QDir::tempPath() + QStringLiteral("/tallyhawk-XXXXXX")
                        : QStringLiteral("/tmp/tallyhawk-XXXXXX")) {}

// Nested holders: the rights come back when the outermost one ends.
static int obeyDepth = 0;

ObeyPermissions::ObeyPermissions() {
    m_dropped = obeyDepth > 0 || setOverridesEffective(false);
    if (m_dropped)
        ++obeyDepth;
}

ObeyPermissions::~ObeyPermissions() {
    if (m_dropped && --obeyDepth == 0)
        setOverridesEffective(true);
}

ReadOnlyFolder::ReadOnlyFolder(QString folder)
    : m_folder(std::move(folder)) {
    m_held = true;
    if (isRoot()) {
        m_immutable = protect(true);
        if (!m_immutable) {
            protect(false);
            m_obey = std::make_unique<ObeyPermissions>();
        }
    }
    if (!m_immutable && !protect(true))
        m_reason = QStringLiteral("the permissions could not be changed");
    else if (canWriteSomething(m_folder))
        m_reason = QStringLiteral("the folder stays writable for this user");
    if (!m_reason.isEmpty())
        release();
}

ReadOnlyFolder::~ReadOnlyFolder() {
    release();
}

// Root is first tried with the immutable attribute (m_obey not yet set), which also holds
// against programs the test starts; otherwise the permission bits.
bool ReadOnlyFolder::protect(bool on) {
    const bool immutable = isRoot() && !m_obey;
    const auto apply = [immutable, on](const QString& path, bool isFolder) {
        if (immutable)
            return setImmutable(path, on);
        return setMode(path, isFolder ? (on ? 0555 : 0755) : (on ? 0444 : 0644));
    };
    // The folder last when locking and first when unlocking, so that the files can be changed.
    bool done = on || apply(m_folder, true);
    for (const QString& path : filesIn(m_folder))
        done = apply(path, false) && done;
    if (on)
        done = apply(m_folder, true) && done;
    return done;
}

void ReadOnlyFolder::release() {
    if (!m_held)
        return;
    m_held = false;
    protect(false);
    m_immutable = false;
    m_obey.reset();
}

SmallDisk::SmallDisk(const QString& folder, qint64 freeBytes)
    : m_size(freeBytes) {
    DiskState& state = smallDisk();
    state.folder = QFile::encodeName(QFileInfo(folder).canonicalFilePath()).toStdString() + '/';
    state.freeBytes = freeBytes;
    state.active = true;
}

SmallDisk::~SmallDisk() {
    smallDisk().active = false;
}

void SmallDisk::fill(qint64 bytesLeft) {
    smallDisk().freeBytes = bytesLeft;
}

void SmallDisk::freeSpace() {
    smallDisk().freeBytes = m_size;
}

} // namespace faultfs

// Every write() of the test program, Qt's included, comes here first. Only while a SmallDisk
// lives, and only for files in its folder, does it differ from the system's.
extern "C" ssize_t write(int fd, const void* data, std::size_t count) {
    faultfs::DiskState& disk = faultfs::smallDisk();
    if (!disk.active || count == 0 || !faultfs::isOnSmallDisk(fd))
        return faultfs::rawWrite(fd, data, count);
    const long long available = disk.freeBytes;
    if (available <= 0) {
        errno = ENOSPC;
        return -1;
    }
    const long written = faultfs::rawWrite(fd, data, std::min<std::size_t>(count, available));
    if (written > 0)
        disk.freeBytes -= written;
    return written;
}
