#include "reports/logprinter.h"
#include "tests/support/files.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

qsizetype pageCount(const QByteArray& pdf) {
    return pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page ") +
           pdf.count("/Type /Page/") + pdf.count("/Type /Page>");
}

QString lines(int count) {
    QString text;
    for (int i = 1; i <= count; ++i)
        text += QStringLiteral("6/3/2008 9:00:05 AM [Notes] line %1\n").arg(i);
    return text;
}

} // namespace

class TestLogPrinter : public QObject {
    Q_OBJECT
private slots:
    void printsTheTextIntoAPdf();
    void longTextRunsOverSeveralPages();
    void aPdfThatCannotBeWrittenIsAFailure();
};

void TestLogPrinter::printsTheTextIntoAPdf() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("log.pdf"));
    const QString text = QStringLiteral("\n\nTyped by hand: Grüße\n") + lines(3);
    QVERIFY(QtLogPrinter::toPdf(pdf).print(text).ok());

    const QByteArray bytes = readBytes(pdf);
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    QCOMPARE(pageCount(bytes), 1);

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the printed words were not read back");
    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished());
    const QString printed = QString::fromUtf8(reader.readAllStandardOutput());
    QVERIFY2(printed.contains(QStringLiteral("Typed by hand: Grüße")), qPrintable(printed));
    QVERIFY(printed.contains(QStringLiteral("[Notes] line 3")));
    // Nothing of our own on the page: no heading, footer or page number.
    QVERIFY(!printed.contains(
        QRegularExpression(QStringLiteral("^\\s*1\\s*$"), QRegularExpression::MultilineOption)));
}

void TestLogPrinter::longTextRunsOverSeveralPages() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
    QVERIFY(QtLogPrinter::toPdf(pdf).print(lines(400)).ok());
    QVERIFY(pageCount(readBytes(pdf)) > 3);
}

void TestLogPrinter::aPdfThatCannotBeWrittenIsAFailure() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("missing/log.pdf"));
    const FileResult result = QtLogPrinter::toPdf(pdf).print(QStringLiteral("text"));
    QVERIFY(!result.ok());
    QVERIFY(result.message(u"print to").contains(pdf));
    QVERIFY(!QFile::exists(pdf));
}

QTEST_MAIN(TestLogPrinter)
#include "tst_logprinter.moc"
