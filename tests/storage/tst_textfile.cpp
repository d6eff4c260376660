#include "storage/textfile.h"
#include "tests/support/files.h"

#include <QtTest>

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void readsTheWholeFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Projects.txt"_qs);
        const QByteArray bytes("a\r\nb\0c\r", 7);
        QVERIFY(writeBytes(path, bytes));
        const textfile::Read read = textfile::readWhole(path);
        QVERIFY(read.result.ok());
        QCOMPARE(read.bytes, bytes);
    }

    void aMissingFileIsEmpty() {
        QTemporaryDir dir;
        const textfile::Read read = textfile::readWhole(dir.filePath(u"Settings.ini"_qs));
        QVERIFY(read.result.ok());
        QVERIFY(read.bytes.isEmpty());
    }

    void aFolderIsAFailureThatSaysSo() {
        QTemporaryDir dir;
        const textfile::Read read = textfile::readWhole(dir.path());
        QVERIFY(!read.result.ok());
        QCOMPARE(read.result.path(), dir.path());
        QCOMPARE(read.result.reason(), u"it is a folder, not a file"_qs);
        QVERIFY(read.bytes.isEmpty());
    }

    void aMissingFileTheCallerNeedsIsAFailure() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tasks.txt"_qs);
        const textfile::Read read = textfile::readWhole(path, textfile::Missing::IsFailure);
        QVERIFY(!read.result.ok());
        QCOMPARE(read.result.message(u"read"),
                 u"Could not read \"%1\": the file does not exist."_qs.arg(path));
    }

    void writeWholeReplacesTheContent() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Settings.ini"_qs);
        QVERIFY(writeBytes(path, "old and longer\r\n"));
        QVERIFY(textfile::writeWhole(path, "new\r\n").ok());
        QCOMPARE(readBytes(path), QByteArray("new\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"Settings.ini"_qs});
    }

    // A file that ends in a line end of any kind needs no other before what is appended.
    void appendStartsALineOnlyWhereNoneEnded_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("crlf") << QByteArray("old\r\n") << QByteArray("old\r\nnew\r\n");
        QTest::newRow("lf") << QByteArray("old\n") << QByteArray("old\nnew\r\n");
        QTest::newRow("cr") << QByteArray("old\r") << QByteArray("old\rnew\r\n");
        QTest::newRow("none") << QByteArray("old") << QByteArray("old\r\nnew\r\n");
        QTest::newRow("new file") << QByteArray() << QByteArray("new\r\n");
    }
    void appendStartsALineOnlyWhereNoneEnded() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tasks.txt"_qs);
        if (!before.isEmpty())
            QVERIFY(writeBytes(path, before));
        QVERIFY(textfile::appendText(path, u"new\r\n"_qs).ok());
        QCOMPARE(readBytes(path), after);
    }

    // An append never turns text into '?': a Windows-1252 file refuses what it cannot hold and
    // stays as it was; a UTF-8 file takes it.
    void appendKeepsEveryCharacterOrRefuses_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("Windows-1252") << QByteArray("old\r\n") << QByteArray("old\r\n");
        QTest::newRow("UTF-8") << QByteArray("\xef\xbb\xbfold\r\n")
                               << QByteArray("\xef\xbb\xbfold\r\n\xce\xa9\r\n");
    }
    void appendKeepsEveryCharacterOrRefuses() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tasks.txt"_qs);
        QVERIFY(writeBytes(path, before));
        const FileResult result =
            textfile::appendText(path, u"\u03a9\r\n"_qs, textfile::AppendEncoding::AsTheFileIs);
        QCOMPARE(result.ok(), before != after);
        QCOMPARE(readBytes(path), after);
    }

    // Kept as UTF-8, a file says the same as before, whole, with the mark that says how.
    void keepAsUtf8RewritesTheSameText_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("Windows-1252") << QByteArray("Caf\xe9 \x80\r\n")
                                      << QByteArray("\xef\xbb\xbf"
                                                    "Caf\xc3\xa9 \xe2\x82\xac\r\n");
        QTest::newRow("UTF-8 already")
            << QByteArray("\xef\xbb\xbfx\r\n") << QByteArray("\xef\xbb\xbfx\r\n");
        QTest::newRow("not there yet") << QByteArray() << QByteArray("\xef\xbb\xbf");
    }
    void keepAsUtf8RewritesTheSameText() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tasks.txt"_qs);
        if (!before.isEmpty())
            QVERIFY(writeBytes(path, before));
        QVERIFY(textfile::keepAsUtf8(path).ok());
        QCOMPARE(readBytes(path), after);
    }

    void lineBreakReasonNamesTheValue() {
        QCOMPARE(textfile::lineBreakReason(u"a project name"),
                 u"a project name cannot hold a line break"_qs);
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
