#include "storage/onelinetext.h"
#include "storage/textlines.h"

#include <QtTest>

using textlines::LineEnd;

class TestTextLines : public QObject {
    Q_OBJECT
private slots:
    void splitsAtEveryKindOfLineEnd_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<int>>("ends");
        const auto end = [](LineEnd e) { return int(e); };
        QTest::newRow("empty") << QString() << QStringList() << QList<int>();
        QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n") << QStringList{u"a"_qs, u"b"_qs}
                              << QList<int>{end(LineEnd::CrLf), end(LineEnd::CrLf)};
        QTest::newRow("lf only") << QStringLiteral("a\nb\n") << QStringList{u"a"_qs, u"b"_qs}
                                 << QList<int>{end(LineEnd::Lf), end(LineEnd::Lf)};
        QTest::newRow("cr only") << QStringLiteral("a\rb\r") << QStringList{u"a"_qs, u"b"_qs}
                                 << QList<int>{end(LineEnd::Cr), end(LineEnd::Cr)};
        QTest::newRow("no final line end")
            << QStringLiteral("a\r\nb") << QStringList{u"a"_qs, u"b"_qs}
            << QList<int>{end(LineEnd::CrLf), end(LineEnd::None)};
        QTest::newRow("empty lines kept")
            << QStringLiteral("\r\na\r\n\r\n") << QStringList{QString(), u"a"_qs, QString()}
            << QList<int>{end(LineEnd::CrLf), end(LineEnd::CrLf), end(LineEnd::CrLf)};
        QTest::newRow("lf cr is two line ends")
            << QStringLiteral("a\n\rb") << QStringList{u"a"_qs, QString(), u"b"_qs}
            << QList<int>{end(LineEnd::Lf), end(LineEnd::Cr), end(LineEnd::None)};
        QTest::newRow("cr at the very end")
            << QStringLiteral("a\r") << QStringList{u"a"_qs} << QList<int>{end(LineEnd::Cr)};
    }
    // Text and bytes are split by the same rule, and each line knows how it ended.
    void splitsAtEveryKindOfLineEnd() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QFETCH(QList<int>, ends);
        QCOMPARE(textlines::split(text), lines);

        const QByteArray bytes = text.toLatin1();
        QStringList byteLines;
        QList<int> byteEnds;
        textlines::forEach(bytes, [&](textlines::Line line) {
            byteLines.append(QString::fromLatin1(bytes.sliced(line.start, line.length)));
            byteEnds.append(int(line.end));
        });
        QCOMPARE(byteLines, lines);
        QCOMPARE(byteEnds, ends);
    }

    void makesEveryLineEndCrLf_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("normalised");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("one line, no end") << u"a"_qs << u"a"_qs;
        QTest::newRow("final lf") << u"a\n"_qs << u"a\r\n"_qs;
        QTest::newRow("mixed") << u"a\r\nb\rc\nd"_qs << u"a\r\nb\r\nc\r\nd"_qs;
        QTest::newRow("lf cr is two") << u"a\n\rb"_qs << u"a\r\n\r\nb"_qs;
        QTest::newRow("only line ends") << u"\n\r\n\r"_qs << u"\r\n\r\n\r\n"_qs;
    }
    void makesEveryLineEndCrLf() {
        QFETCH(QString, text);
        QFETCH(QString, normalised);
        QCOMPARE(textlines::withCrLf(text), normalised);
    }

    void findsLineBreaks() {
        QVERIFY(textlines::hasBreak(u"a\rb"));
        QVERIFY(textlines::hasBreak(u"\n"));
        QVERIFY(!textlines::hasBreak(u"a\u2028b\u0085"));
        QVERIFY(!textlines::hasBreak(QStringView()));
    }

    // A project name or a comment pasted with line breaks stays one line wherever it goes.
    void eachRunOfLineBreaksBecomesOneSpace_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("line");
        QTest::newRow("LF") << u"Two\nLines"_qs << u"Two Lines"_qs;
        QTest::newRow("CR LF") << u"Two\r\nLines"_qs << u"Two Lines"_qs;
        QTest::newRow("a run of CR and LF") << u"Two\r\r\n\n\rLines"_qs << u"Two Lines"_qs;
        QTest::newRow("two runs") << u"A\nB\r\nC"_qs << u"A B C"_qs;
        QTest::newRow("leading and trailing") << u"\r\nMid\n"_qs << u" Mid "_qs;
        QTest::newRow("only a break") << u"\r\n"_qs << u" "_qs;
        QTest::newRow("none") << u"As typed "_qs << u"As typed "_qs;
    }
    void eachRunOfLineBreaksBecomesOneSpace() {
        QFETCH(QString, pasted);
        QFETCH(QString, line);
        QCOMPARE(oneLineText(pasted), line);
    }
};

QTEST_GUILESS_MAIN(TestTextLines)
#include "tst_textlines.moc"
