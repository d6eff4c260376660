#pragma once

#include <QString>

// Ways to make real files fail for the fault tests. Root ignores permission bits, so each
// fault uses what still stops root (the immutable attribute, a tiny tmpfs, /dev/full) and
// says why when the machine allows none of them, for the test to skip with that reason.
namespace faultfs {

bool isRoot();

// Gives the test process a mount namespace of its own, so that the tmpfs of a SmallDisk is
// seen by nobody else and vanishes with the process even when a test crashes. Call from
// main() before any thread starts; without the right to do so SmallDisk is unavailable.
void isolateMounts();

// The folder and every file in it can be read but neither written nor added to, for as long
// as the object lives.
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
    QString m_folder;
    QString m_reason;
    bool m_held = false;
};

// A file system of a few pages mounted on an empty folder, which can be filled to the last
// byte.
class SmallDisk {
public:
    SmallDisk(QString mountPoint, int kilobytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    const QString& unavailableReason() const { return m_reason; }

    // Writes a filler file until the disk is full.
    void fill();
    // Deletes the filler.
    void freeSpace();

private:
    QString m_mountPoint;
    QString m_reason;
    bool m_mounted = false;
};

} // namespace faultfs

// main() of a fault test: the mounts of its tests stay private to its process.
#define TALLYHAWK_FAULT_TEST_MAIN(Application, TestClass)                                          \
    int main(int argc, char** argv) {                                                              \
        faultfs::isolateMounts();                                                                  \
        Application app(argc, argv);                                                               \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
