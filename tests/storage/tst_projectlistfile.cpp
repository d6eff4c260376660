#include "storage/projectlistfile.h"
#include "tests/support/files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {} // namespace

class TestProjectListFile : public QObject {
    Q_OBJECT

private slots:
    void keepsEntriesSortedIgnoringCase_data();
    void keepsEntriesSortedIgnoringCase();
    void addsOnlyTextNoEntryEqualsExactly_data();
    void addsOnlyTextNoEntryEqualsExactly();
    void loadsEveryLineAsAnEntry_data();
    void loadsEveryLineAsAnEntry();
    void missingFileIsAnEmptyList();
    void appendsInArrivalOrderAndRewritesSorted();
    void removingAnEntryRewritesTheRest();
    void removingTheLastEntryLeavesAnEmptyFile();
    void keepsLongNamesWhole();
    void refusesNamesWithLineBreaks();
    void folderInPlaceOfFileFailsNamingIt();
    void unreadableFileFailsNamingIt();
};

void TestProjectListFile::keepsEntriesSortedIgnoringCase_data() {
    QTest::addColumn<QStringList>("arrivals");
    QTest::addColumn<QStringList>("sorted");

    QTest::newRow("empty line first")
        << QStringList{QStringLiteral("Beta"), QString(), QStringLiteral("Alpha")}
        << QStringList{QString(), QStringLiteral("Alpha"), QStringLiteral("Beta")};
    QTest::newRow("case ignored") << QStringList{QStringLiteral("beta"), QStringLiteral("Charlie"),
                                                 QStringLiteral("alpha")}
                                  << QStringList{QStringLiteral("alpha"), QStringLiteral("beta"),
                                                 QStringLiteral("Charlie")};
    QTest::newRow("duplicates kept")
        << QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Alpha")}
        << QStringList{QStringLiteral("Alpha"), QStringLiteral("Alpha"), QStringLiteral("Beta")};
    QTest::newRow("ties keep arrival, lower first")
        << QStringList{QStringLiteral("alpha"), QStringLiteral("Alpha")}
        << QStringList{QStringLiteral("alpha"), QStringLiteral("Alpha")};
    QTest::newRow("ties keep arrival, upper first")
        << QStringList{QStringLiteral("Alpha"), QStringLiteral("alpha")}
        << QStringList{QStringLiteral("Alpha"), QStringLiteral("alpha")};
    QTest::newRow("leading space sorts first")
        << QStringList{QStringLiteral("Alpha"), QStringLiteral(" Zulu")}
        << QStringList{QStringLiteral(" Zulu"), QStringLiteral("Alpha")};
}

void TestProjectListFile::keepsEntriesSortedIgnoringCase() {
    QFETCH(QStringList, arrivals);
    QFETCH(QStringList, sorted);

    ProjectList list;
    for (const QString& name : arrivals) {
        const qsizetype index = list.insertSorted(name);
        QCOMPARE(list.entries().at(index), name);
    }
    QCOMPARE(list.entries(), sorted);
    QCOMPARE(ProjectList(arrivals).entries(), sorted);
}

void TestProjectListFile::addsOnlyTextNoEntryEqualsExactly_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("added");

    const QStringList alpha{QStringLiteral("Alpha")};
    QTest::newRow("listed") << alpha << QStringLiteral("Alpha") << false;
    QTest::newRow("listed twice") << QStringList{QStringLiteral("Alpha"), QStringLiteral("Alpha")}
                                  << QStringLiteral("Alpha") << false;
    QTest::newRow("other case") << alpha << QStringLiteral("alpha") << true;
    QTest::newRow("leading space") << alpha << QStringLiteral(" Alpha") << true;
    QTest::newRow("trailing space") << alpha << QStringLiteral("Alpha ") << true;
    QTest::newRow("empty") << QStringList() << QString() << false;
    QTest::newRow("spaces only") << alpha << QStringLiteral("  ") << true;
    QTest::newRow("empty list") << QStringList() << QStringLiteral("Alpha") << true;
}

void TestProjectListFile::addsOnlyTextNoEntryEqualsExactly() {
    QFETCH(QStringList, entries);
    QFETCH(QString, text);
    QFETCH(bool, added);

    QCOMPARE(shouldAddProject(entries, text), added);
    QCOMPARE(ProjectList(entries).contains(text), entries.contains(text));
}

void TestProjectListFile::loadsEveryLineAsAnEntry_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("blank line kept")
        << QByteArray("Beta\r\n\r\nAlpha\r\n")
        << QStringList{QStringLiteral("Beta"), QString(), QStringLiteral("Alpha")};
    QTest::newRow("duplicates kept")
        << QByteArray("Alpha\r\nAlpha\r\n")
        << QStringList{QStringLiteral("Alpha"), QStringLiteral("Alpha")};
    QTest::newRow("blanks not trimmed")
        << QByteArray("  Alpha \t\r\n") << QStringList{QStringLiteral("  Alpha \t")};
    QTest::newRow("LF only") << QByteArray("a\nb\n")
                             << QStringList{QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("CR only") << QByteArray("a\rb\r")
                             << QStringList{QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("no final line end")
        << QByteArray("a\r\nb") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList{QString()};
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("Windows-1252") << QByteArray("Caf\xe9 \x80\r\n")
                                  << QStringList{QStringLiteral("Café €")};
}

void TestProjectListFile::loadsEveryLineAsAnEntry() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, entries);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Projects.txt"));
    writeBytes(path, content);
    const ProjectListLoad loaded = loadProjectList(path);
    QVERIFY(loaded.result.ok());
    QCOMPARE(loaded.entries, entries);
}

void TestProjectListFile::missingFileIsAnEmptyList() {
    QTemporaryDir dir;
    const ProjectListLoad loaded = loadProjectList(dir.filePath(QStringLiteral("Projects.txt")));
    QVERIFY(loaded.result.ok());
    QVERIFY(loaded.entries.isEmpty());
}

void TestProjectListFile::appendsInArrivalOrderAndRewritesSorted() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Projects.txt"));
    ProjectList list;
    for (const QString& name : {QStringLiteral("Charlie"), QStringLiteral("Alpha")}) {
        QVERIFY(shouldAddProject(list.entries(), name));
        list.insertSorted(name);
        QVERIFY(AppendProject(path, name).ok());
    }
    QCOMPARE(readBytes(path), QByteArray("Charlie\r\nAlpha\r\n"));
    QCOMPARE(list.entries(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("Charlie")}));

    QVERIFY(SaveProjectList(path, list.entries()).ok());
    QCOMPARE(readBytes(path), QByteArray("Alpha\r\nCharlie\r\n"));
}

void TestProjectListFile::removingAnEntryRewritesTheRest() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Projects.txt"));
    writeBytes(path, "Beta\r\n\r\nAlpha\r\n");
    ProjectList list(loadProjectList(path).entries);

    list.removeAt(list.entries().indexOf(QStringLiteral("Beta")));
    QVERIFY(SaveProjectList(path, list.entries()).ok());
    QCOMPARE(readBytes(path), QByteArray("\r\nAlpha\r\n"));
    QCOMPARE(loadProjectList(path).entries, (QStringList{QString(), QStringLiteral("Alpha")}));
}

void TestProjectListFile::removingTheLastEntryLeavesAnEmptyFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Projects.txt"));
    QVERIFY(AppendProject(path, QStringLiteral("Alpha")).ok());
    ProjectList list(loadProjectList(path).entries);

    list.removeAt(0);
    QVERIFY(SaveProjectList(path, list.entries()).ok());
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
    const ProjectListLoad loaded = loadProjectList(path);
    QVERIFY(loaded.result.ok());
    QVERIFY(loaded.entries.isEmpty());
}

void TestProjectListFile::keepsLongNamesWhole() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Projects.txt"));
    const QString name(300, u'x');
    QVERIFY(AppendProject(path, name).ok());
    QCOMPARE(loadProjectList(path).entries, QStringList{name});
}

void TestProjectListFile::refusesNamesWithLineBreaks() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Projects.txt"));
    QVERIFY(AppendProject(path, QStringLiteral("Alpha")).ok());

    const FileResult appended = AppendProject(path, QStringLiteral("Beta\r\nGamma"));
    QVERIFY(!appended.ok());
    QCOMPARE(appended.path(), path);
    const FileResult saved =
        SaveProjectList(path, {QStringLiteral("Alpha"), QStringLiteral("Beta\nGamma")});
    QVERIFY(!saved.ok());
    QCOMPARE(readBytes(path), QByteArray("Alpha\r\n"));
}

void TestProjectListFile::folderInPlaceOfFileFailsNamingIt() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Projects.txt"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Projects.txt")));

    const ProjectListLoad loaded = loadProjectList(path);
    QVERIFY(!loaded.result.ok());
    QVERIFY(loaded.result.message(u"read").contains(path));
    QVERIFY(!AppendProject(path, QStringLiteral("Alpha")).ok());
    const FileResult saved = SaveProjectList(path, {QStringLiteral("Alpha")});
    QVERIFY(!saved.ok());
    QCOMPARE(saved.path(), path);
    QVERIFY(QFileInfo(path).isDir());
}

void TestProjectListFile::unreadableFileFailsNamingIt() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Projects.txt"));
    writeBytes(path, "Alpha\r\n");
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    if (QFile(path).open(QIODevice::ReadOnly))
        QSKIP("File permissions do not apply to this user (root).");

    const ProjectListLoad loaded = loadProjectList(path);
    QVERIFY(!loaded.result.ok());
    QCOMPARE(loaded.result.path(), path);
    QVERIFY(loaded.entries.isEmpty());
}

QTEST_GUILESS_MAIN(TestProjectListFile)
#include "tst_projectlistfile.moc"
