#include "reports/reportmodel.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QtTest>

namespace {

ReportTree sampleTree(const QString& name) {
    QFile file(QStringLiteral(TALLYHAWK_TEST_DATA "/logs/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing sample log");
    return ReportTree::build(file.readAll());
}

QString key(const QModelIndex& index) {
    return index.data(ReportModel::KeyRole).toString();
}

} // namespace

class TestReportModel : public QObject {
    Q_OBJECT
private slots:
    void isAConsistentTreeModel_data();
    void isAConsistentTreeModel();
    void showsRootSessionsAndLinesWithTheirKeys();
    void linesNeverHaveChildren();
    void showsOnlyTheStartOfHugeLines();
};

void TestReportModel::isAConsistentTreeModel_data() {
    QTest::addColumn<QString>("log");
    QTest::newRow("usual") << QStringLiteral("two_sessions_and_running.txt");
    QTest::newRow("departures") << QStringLiteral("departures.txt");
}

void TestReportModel::isAConsistentTreeModel() {
    QFETCH(QString, log);
    ReportModel model(sampleTree(log));
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // The tester walks the whole tree, parents included, as a view does.
    QVERIFY(model.rowCount(model.rootIndex()) > 0);
}

void TestReportModel::showsRootSessionsAndLinesWithTheirKeys() {
    ReportModel model(sampleTree(QStringLiteral("departures.txt")));
    QCOMPARE(model.rowCount(), 1);
    const QModelIndex root = model.rootIndex();
    QCOMPARE(key(root), QStringLiteral("main"));
    QCOMPARE(root.data().toString(), QStringLiteral("Session"));

    QStringList sessions;
    for (int s = 0; s < model.rowCount(root); ++s) {
        const QModelIndex session = model.index(s, 0, root);
        sessions += key(session) + u'|' + session.data().toString();
        QCOMPARE(model.parent(session), root);
    }
    QCOMPARE(sessions, (QStringList{QStringLiteral("I1|Session #1- Alpha"),
                                    QStringLiteral("I2|Session #2- Killed"),
                                    QStringLiteral("I3|Session #3- Beta")}));

    const QModelIndex alpha = model.index(0, 0, root);
    QCOMPARE(model.rowCount(alpha), 6);
    const QModelIndex late = model.index(5, 0, alpha);
    QCOMPARE(key(late), QStringLiteral("SI5"));
    QCOMPARE(late.data().toString(),
             QStringLiteral("6/4/2008 9:45:00 AM [Notes] Saved after the stop"));
    QCOMPARE(model.parent(late), alpha);

    const QModelIndex beta = model.index(2, 0, root);
    const QModelIndex firstOfBeta = model.index(0, 0, beta);
    QCOMPARE(key(firstOfBeta), QStringLiteral("SI8"));
    QCOMPARE(model.parent(firstOfBeta), beta);
}

void TestReportModel::linesNeverHaveChildren() {
    ReportModel model(sampleTree(QStringLiteral("two_sessions_and_running.txt")));
    const QModelIndex session = model.index(0, 0, model.rootIndex());
    QVERIFY(!model.flags(session).testFlag(Qt::ItemNeverHasChildren));
    const QModelIndex line = model.index(0, 0, session);
    QVERIFY(model.flags(line).testFlag(Qt::ItemNeverHasChildren));
    QCOMPARE(model.rowCount(line), 0);
}

void TestReportModel::showsOnlyTheStartOfHugeLines() {
    const QString project(30000, u'p');
    const QString log = u"<!--  BEGIN SESSION //-->\r\n1/1/2009 [Started] "_qs + project +
                        u"\r\n[Total Time] N/A\r\n<!--  END SESSION  -->\r\n\r\n\r\n"_qs;
    ReportModel model(ReportTree::fromText(log));
    const QModelIndex session = model.index(0, 0, model.index(0, 0));
    const QString label = session.data().toString();
    QCOMPARE(label.size(), 10000);
    QVERIFY(label.startsWith(u"Session #1- ppp"_qs));
    QCOMPARE(model.index(0, 0, session).data().toString().size(), 10000);
    QCOMPARE(model.index(1, 0, session).data().toString(), u"[Total Time] N/A"_qs);
}

QTEST_GUILESS_MAIN(TestReportModel)
#include "tst_reportmodel.moc"
