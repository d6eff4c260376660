#include "storage/ansitext.h"
#include "storage/projectlistfile.h"
#include "tests/support/faultfs.h"
#include "tests/support/files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestProjectListFile : public QObject {
    Q_OBJECT

private slots:
    void loadsEveryLineAsAnEntry_data();
    void loadsEveryLineAsAnEntry();
    void missingFileIsAnEmptyList();
    void keepsLongNamesWhole();
    void refusesNamesWithLineBreaks();
    void unicodeFilesKeepTheirEncoding_data();
    void unicodeFilesKeepTheirEncoding();
    void namesThatLookLikeAMarkReadBackAsWritten();
    void folderInPlaceOfFileFailsNamingIt();
    void unreadableFileFailsNamingIt();
};

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
    QVERIFY(writeBytes(path, content));
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

void TestProjectListFile::unicodeFilesKeepTheirEncoding_data() {
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QStringList>("entries");
    const QString omega = QStringLiteral("\u03a9mega");
    for (const auto& [name, encoding] : {std::pair{"UTF-16LE", ansi::Encoding::Utf16LE},
                                         {"UTF-16BE", ansi::Encoding::Utf16BE},
                                         {"UTF-8", ansi::Encoding::Utf8}}) {
        QTest::addRow("%s", name) << int(encoding) << u"Beta\r\n"_qs + omega + u"\r\n"_qs
                                  << QStringList{u"Beta"_qs, omega};
        QTest::addRow("%s, no final line end", name)
            << int(encoding) << u"Beta\r\n"_qs + omega << QStringList{u"Beta"_qs, omega};
        QTest::addRow("%s, only the mark", name) << int(encoding) << QString() << QStringList();
    }
}

void TestProjectListFile::unicodeFilesKeepTheirEncoding() {
    QFETCH(int, encoding);
    QFETCH(QString, before);
    QFETCH(QStringList, entries);
    const auto inFile = [encoding](const QString& text) {
        return ansi::encodeFile(text, ansi::Encoding(encoding));
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Projects.txt"));
    QVERIFY(writeBytes(path, inFile(before)));
    QCOMPARE(loadProjectList(path).entries, entries);

    const QString added = QStringLiteral("\u65e5\u672c");
    QVERIFY(AppendProject(path, added).ok());
    const QString lineEnd = before.isEmpty() || before.endsWith(u'\n') ? QString() : u"\r\n"_qs;
    QCOMPARE(readBytes(path), inFile(before + lineEnd + added + u"\r\n"_qs));
    QCOMPARE(loadProjectList(path).entries, entries + QStringList{added});

    QVERIFY(SaveProjectList(path, {added, u"Beta"_qs}).ok());
    QCOMPARE(readBytes(path), inFile(added + u"\r\nBeta\r\n"_qs));
}

// In Windows-1252 these names would begin the file with the bytes of a byte-order mark, and
// the file would read as Unicode.
void TestProjectListFile::namesThatLookLikeAMarkReadBackAsWritten() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Projects.txt"));
    const QString first = QStringLiteral("\u00fe\u00ffZulu");
    QVERIFY(AppendProject(path, first).ok());
    QVERIFY(AppendProject(path, u"Beta"_qs).ok());
    QCOMPARE(loadProjectList(path).entries, QStringList({first, u"Beta"_qs}));

    const QString other = QStringLiteral("\u00ef\u00bb\u00bfx");
    QVERIFY(SaveProjectList(path, {other}).ok());
    QCOMPARE(loadProjectList(path).entries, QStringList{other});
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
    QVERIFY(writeBytes(path, "Alpha\r\n"));
    faultfs::ObeyPermissions obey;
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    if (QFile(path).open(QIODevice::ReadOnly))
        QSKIP("File permissions do not apply to this user.");

    const ProjectListLoad loaded = loadProjectList(path);
    QVERIFY(!loaded.result.ok());
    QCOMPARE(loaded.result.path(), path);
    QVERIFY(loaded.entries.isEmpty());
}

QTEST_GUILESS_MAIN(TestProjectListFile)
#include "tst_projectlistfile.moc"
