#include "storage/datafolder.h"
#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Rows name their folders under "@", the test's temporary root: usr/bin stands for the install
// folder, bin is a link to it as on a merged-/usr system, build for any other folder.
QString at(const QString& root, QString path) {
    return path.replace(QLatin1Char('@'), root);
}

QStringList at(const QString& root, QStringList paths) {
    for (QString& path : paths)
        path = at(root, path);
    return paths;
}

} // namespace

class TestDataFolder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void choosesFolderByWhereTheProgramRuns_data();
    void choosesFolderByWhereTheProgramRuns();
    void createsUserFolderOnFirstUse();
    void leavesFolderBesideExecutableAsItIs();
    void failsNamingFolderThatCannotBeCreated_data();
    void failsNamingFolderThatCannotBeCreated();
    void readsEnvironmentOfThisProcess();

private:
    QTemporaryDir m_root;
};

void TestDataFolder::initTestCase() {
    QVERIFY(m_root.isValid());
    QDir root(m_root.path());
    QVERIFY(root.mkpath(QStringLiteral("usr/bin")));
    QVERIFY(root.mkpath(QStringLiteral("usr/bin2")));
    QVERIFY(root.mkpath(QStringLiteral("usr/lib")));
    QVERIFY(root.mkpath(QStringLiteral("build")));
    QVERIFY(QFile::link(QStringLiteral("usr/bin"), root.filePath(QStringLiteral("bin"))));
    QVERIFY(QFile::link(root.filePath(QStringLiteral("usr/bin")),
                        root.filePath(QStringLiteral("installed"))));
}

void TestDataFolder::choosesFolderByWhereTheProgramRuns_data() {
    QTest::addColumn<QString>("executableFolder");
    QTest::addColumn<QStringList>("installFolders");
    QTest::addColumn<QString>("xdgDataHome");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("userFolder");

    const QStringList installed{QStringLiteral("@/usr/local/bin"), QStringLiteral("@/usr/bin")};
    const QString home = QStringLiteral("@/home/ann");
    const QString userData = QStringLiteral("@/home/ann/.local/share/tallyhawk");

    QTest::newRow("install folder") << "@/usr/bin" << installed << "" << home << userData << true;
    QTest::newRow("install folder written differently")
        << "@/usr/./lib/../bin/" << installed << "" << home << userData << true;
    QTest::newRow("executable reached through a link")
        << "@/installed" << installed << "" << home << userData << true;
    QTest::newRow("install folder named through a link")
        << "@/usr/bin" << QStringList{QStringLiteral("@/bin")} << "" << home << userData << true;
    QTest::newRow("install folder, XDG_DATA_HOME set")
        << "@/usr/bin" << installed << "@/data" << home << "@/data/tallyhawk" << true;
    QTest::newRow("install folder, relative XDG_DATA_HOME ignored")
        << "@/usr/bin" << installed << "data" << home << userData << true;
    QTest::newRow("install folder, neither XDG_DATA_HOME nor HOME")
        << "@/usr/bin" << installed << ""
        << ""
        << "" << true;
    QTest::newRow("build folder") << "@/build" << installed << "@/data" << home << "@/build"
                                  << false;
    QTest::newRow("folder whose name starts like the install folder")
        << "@/usr/bin2" << installed << "" << home << "@/usr/bin2" << false;
    QTest::newRow("parent of the install folder")
        << "@/usr" << installed << "" << home << "@/usr" << false;
    QTest::newRow("install folder missing on this machine")
        << "@/usr/bin" << QStringList{QStringLiteral("@/opt/tallyhawk/bin")} << "" << home
        << "@/usr/bin" << false;
}

void TestDataFolder::choosesFolderByWhereTheProgramRuns() {
    QFETCH(QString, executableFolder);
    QFETCH(QStringList, installFolders);
    QFETCH(QString, xdgDataHome);
    QFETCH(QString, home);
    QFETCH(QString, folder);
    QFETCH(bool, userFolder);
    const QString root = m_root.path();

    const datafolder::Choice choice =
        datafolder::choose({at(root, executableFolder), at(root, installFolders),
                            at(root, xdgDataHome), at(root, home)});

    QCOMPARE(choice.userFolder, userFolder);
    if (userFolder)
        QCOMPARE(choice.folder, at(root, folder));
    else
        QCOMPARE(QDir::cleanPath(choice.folder), QDir::cleanPath(at(root, folder)));
}

void TestDataFolder::createsUserFolderOnFirstUse() {
    const QString folder = m_root.filePath(QStringLiteral("first/.local/share/tallyhawk"));

    QVERIFY(datafolder::prepare({folder, true}).ok());
    QVERIFY(QFileInfo(folder).isDir());

    QVERIFY(writeBytes(QDir(folder).filePath(QStringLiteral("Tasks.txt")), "kept\r\n"));
    QVERIFY(datafolder::prepare({folder, true}).ok());
    QCOMPARE(readBytes(QDir(folder).filePath(QStringLiteral("Tasks.txt"))), "kept\r\n");
}

void TestDataFolder::leavesFolderBesideExecutableAsItIs() {
    const QString folder = m_root.filePath(QStringLiteral("unpacked"));

    QVERIFY(datafolder::prepare({folder, false}).ok());
    QVERIFY(!QFileInfo::exists(folder));
}

void TestDataFolder::failsNamingFolderThatCannotBeCreated_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("named");

    // A file stands where a folder should be; root may write anywhere, so read-only folders
    // would not fail here.
    QTest::newRow("file in place of a parent") << "@/plain/.local/share/tallyhawk"
                                               << "@/plain/.local/share/tallyhawk";
    QTest::newRow("file in place of the folder") << "@/plain"
                                                 << "@/plain";
    QTest::newRow("no data home") << ""
                                  << "$HOME/.local/share/tallyhawk";
}

void TestDataFolder::failsNamingFolderThatCannotBeCreated() {
    QFETCH(QString, folder);
    QFETCH(QString, named);
    const QString root = m_root.path();
    QVERIFY(writeBytes(m_root.filePath(QStringLiteral("plain")), "not a folder\n"));

    const FileResult result = datafolder::prepare({at(root, folder), true});

    QVERIFY(!result.ok());
    QCOMPARE(result.path(), at(root, named));
    QVERIFY(!result.reason().isEmpty());
    QCOMPARE(readBytes(m_root.filePath(QStringLiteral("plain"))), "not a folder\n");
}

void TestDataFolder::readsEnvironmentOfThisProcess() {
    const QString home = m_root.filePath(QStringLiteral("home/ann"));
    qputenv("HOME", QFile::encodeName(home));
    qunsetenv("XDG_DATA_HOME");

    datafolder::Situation situation = datafolder::currentSituation(m_root.path());
    QCOMPARE(situation.executableFolder, m_root.path());
    QCOMPARE(situation.installBinFolders, datafolder::installBinFolders());
    QVERIFY(!situation.installBinFolders.isEmpty());
    QCOMPARE(situation.home, home);
    QCOMPARE(situation.xdgDataHome, QString());

    qputenv("XDG_DATA_HOME", QFile::encodeName(m_root.filePath(QStringLiteral("data"))));
    situation = datafolder::currentSituation(m_root.path());
    QCOMPARE(situation.xdgDataHome, m_root.filePath(QStringLiteral("data")));
}

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
