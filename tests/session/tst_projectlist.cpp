#include "session/projectlist.h"
#include "tests/support/files.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

struct ListRig {
    QTemporaryDir dir;
    QString path = dir.filePath(u"Projects.txt"_qs);
    ProjectList list{path};
};

} // namespace

class TestProjectList : public QObject {
    Q_OBJECT
private slots:
    void keepsNamesSortedIgnoringCase_data() {
        QTest::addColumn<QStringList>("arrivals");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("case ignored") << QStringList{u"beta"_qs, u"Charlie"_qs, u"alpha"_qs}
                                      << QStringList{u"alpha"_qs, u"beta"_qs, u"Charlie"_qs};
        QTest::newRow("ties keep arrival, lower first")
            << QStringList{u"alpha"_qs, u"Alpha"_qs} << QStringList{u"alpha"_qs, u"Alpha"_qs};
        QTest::newRow("ties keep arrival, upper first")
            << QStringList{u"Alpha"_qs, u"alpha"_qs} << QStringList{u"Alpha"_qs, u"alpha"_qs};
        QTest::newRow("leading space sorts first")
            << QStringList{u"Alpha"_qs, u" Zulu"_qs} << QStringList{u" Zulu"_qs, u"Alpha"_qs};
    }
    // Added one by one, and read from a file written in arrival order, alike.
    void keepsNamesSortedIgnoringCase() {
        QFETCH(QStringList, arrivals);
        QFETCH(QStringList, sorted);
        ListRig rig;
        QSignalSpy inserted(&rig.list, &QAbstractItemModel::rowsInserted);
        for (const QString& name : arrivals)
            QVERIFY(rig.list.add(name).ok());
        QCOMPARE(rig.list.names(), sorted);
        QCOMPARE(inserted.size(), arrivals.size());
        QCOMPARE(readBytes(rig.path), arrivals.join(u"\r\n"_qs).toLatin1() + "\r\n");

        ProjectList again(rig.path);
        QVERIFY(again.load().ok());
        QCOMPARE(again.names(), sorted);
    }

    void addsOnlyANameNoEntryEqualsExactly_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("added");
        QTest::newRow("listed") << u"Alpha"_qs << false;
        QTest::newRow("other case") << u"alpha"_qs << true;
        QTest::newRow("leading space") << u" Alpha"_qs << true;
        QTest::newRow("trailing space") << u"Alpha "_qs << true;
        QTest::newRow("spaces only") << u"  "_qs << true;
        QTest::newRow("empty") << QString() << false;
    }
    void addsOnlyANameNoEntryEqualsExactly() {
        QFETCH(QString, name);
        QFETCH(bool, added);
        ListRig rig;
        QVERIFY(writeBytes(rig.path, "Alpha\r\nAlpha\r\n"));
        QVERIFY(rig.list.load().ok());
        QVERIFY(rig.list.add(name).ok());
        QCOMPARE(rig.list.names().size(), added ? 3 : 2);
        QCOMPARE(readBytes(rig.path).count("\r\n"), added ? 3 : 2);
    }

    // Blank and repeated lines are names too; a removal writes the rest in list order.
    void removingANameRewritesTheRest() {
        ListRig rig;
        QVERIFY(writeBytes(rig.path, "Beta\r\n\r\nAlpha\r\nAlpha\r\n"));
        QVERIFY(rig.list.load().ok());
        QCOMPARE(rig.list.names(), (QStringList{QString(), u"Alpha"_qs, u"Alpha"_qs, u"Beta"_qs}));
        QVERIFY(rig.list.removeAt(3).ok());
        QCOMPARE(readBytes(rig.path), QByteArray("\r\nAlpha\r\nAlpha\r\n"));
        // No row: nothing removed, and the file written again all the same.
        QVERIFY(writeBytes(rig.path, "hand-edited\r\n"));
        QVERIFY(rig.list.removeAt(-1).ok());
        QCOMPARE(readBytes(rig.path), QByteArray("\r\nAlpha\r\nAlpha\r\n"));
    }

    void aNameTheFileCannotTakeStaysListedForTheRun() {
        ListRig rig;
        QVERIFY(QDir(rig.dir.path()).mkdir(u"Projects.txt"_qs));
        const FileResult added = rig.list.add(u"Alpha"_qs);
        QVERIFY(!added.ok());
        QCOMPARE(added.path(), rig.path);
        QCOMPARE(rig.list.names(), QStringList{u"Alpha"_qs});
    }

    void withoutAFileTheListIsEmpty() {
        ListRig rig;
        QVERIFY(rig.list.load().ok());
        QCOMPARE(rig.list.rowCount(), 0);
        QVERIFY(!QFile::exists(rig.path));
    }
};

QTEST_GUILESS_MAIN(TestProjectList)
#include "tst_projectlist.moc"
