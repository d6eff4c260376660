#include "storage/textfile.h"

#include <QtTest>

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void readsTheWholeFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Projects.txt"_qs);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray bytes("a\r\nb\0c\r", 7);
        file.write(bytes);
        file.close();
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

    void lineBreakReasonNamesTheValue() {
        QCOMPARE(textfile::lineBreakReason(u"a project name"),
                 u"a project name cannot hold a line break"_qs);
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
