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

    void lineBreakReasonNamesTheValue() {
        QCOMPARE(textfile::lineBreakReason(u"a project name"),
                 u"a project name cannot hold a line break"_qs);
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
