#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// Ways to make real files fail for the fault tests, the same for root and for any other user,
// with nothing to mount and no helper program. Where a way is not available on a machine the
// object says why, for the test to skip with that reason.
namespace faultfs {

bool isRoot();

// A temporary folder. It is made in /tmp when the inherited TMPDIR cannot be written, as when
// the tests run as another user than the one the environment belongs to.
class ScratchDir : public QTemporaryDir {
public:
    ScratchDir();
};

// While it lives, the calling thread is held to the permission bits even when it runs as
// root: root's rights to read and write past them are set aside, and given back at the end.
// Without those rights (any other user) it does nothing.
class ObeyPermissions {
public:
    ObeyPermissions();
    ~ObeyPermissions();
    ObeyPermissions(const ObeyPermissions&) = delete;
    ObeyPermissions& operator=(const ObeyPermissions&) = delete;

private:
    bool m_dropped = false;
};

// The folder and every file in it can be read but neither written nor added to, for as long
// as the object lives. Root is stopped by the immutable attribute where the file system has
// it, else by the permission bits with its rights to pass them set aside.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(QString folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // Empty when the folder is read-only, else why it could not be made so.
    const QString& unavailableReason() const { return m_reason; }
    // Makes the folder writable again.
    void release();

private:
    bool protect(bool on);

    QString m_folder;
    QString m_reason;
    bool m_held = false;
    bool m_immutable = false;
    std::unique_ptr<ObeyPermissions> m_obey;
};

// The files in a folder sit on a disk with only so many bytes free: a write that needs more
// gets what is left and then fails with "No space left on device", as on a real full disk.
// The test program stands in for the system's write() to do this, so it works for every user
// and leaves every other file alone. One disk at a time.
class SmallDisk {
public:
    SmallDisk(const QString& folder, qint64 freeBytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Leaves only the given number of bytes free.
    void fill(qint64 bytesLeft = 0);
    // Frees as much as the disk had at the start.
    void freeSpace();

private:
    qint64 m_size;
};

} // namespace faultfs

// main() of a fault test.
#define TALLYHAWK_FAULT_TEST_MAIN(Application, TestClass)                                          \
    int main(int argc, char** argv) {                                                              \
        Application app(argc, argv);                                                               \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
