#include "storage/ansitext.h"

#include <QtTest>

class TestAnsiText : public QObject {
    Q_OBJECT
private slots:
    void everyByteSurvivesDecodeAndEncode() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        QCOMPARE(ansi::encode(ansi::decode(all)), all);
    }

    void encodesWindows1252Characters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("Alpha 1") << QByteArray("Alpha 1");
        QTest::newRow("latin-1") << QStringLiteral("caf\u00e9 \u00df")
                                 << QByteArray("caf\xe9 \xdf");
        QTest::newRow("euro and quotes")
            << QStringLiteral("\u20ac \u201cq\u201d \u2013") << QByteArray("\x80 \x93q\x94 \x96");
        QTest::newRow("outside the code page is ?")
            << QStringLiteral("\u65e5\u672c x") << QByteArray("?? x");
        QTest::newRow("astral character is one ?")
            << QString::fromUcs4(U"\U0001F600!") << QByteArray("?!");
    }
    void encodesWindows1252Characters() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(ansi::encode(text), bytes);
    }

    // What a Windows-1252 file would lose is named, so that nothing becomes '?' unsaid.
    void namesWhatWindows1252CannotHold_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");
        QTest::newRow("code page only") << QStringLiteral("Caf\u00e9 \u20ac ?") << QString();
        QTest::newRow("Japanese, each once") << QStringLiteral("\u65e5\u672c\u65e5")
                                             << u"\"\u65e5\" (U+65E5), \"\u672c\" (U+672C)"_qs;
        QTest::newRow("Greek") << QStringLiteral("\u03a9") << u"\"\u03a9\" (U+03A9)"_qs;
        QTest::newRow("Arabic") << QStringLiteral("\u0633") << u"\"\u0633\" (U+0633)"_qs;
        QTest::newRow("emoji is one character")
            << QString::fromUcs4(U"\U0001F600") << u"\"\U0001F600\" (U+1F600)"_qs;
        QTest::newRow("combining accent") << QStringLiteral("e\u0301") << u"\"\u0301\" (U+0301)"_qs;
        QTest::newRow("five named, the rest counted")
            << QStringLiteral("\u0391\u0392\u0393\u0394\u0395\u0396\u0397")
            << u"\"\u0391\" (U+0391), \"\u0392\" (U+0392), \"\u0393\" (U+0393), \"\u0394\" "
               "(U+0394), \"\u0395\" (U+0395), and 2 more"_qs;
    }
    void namesWhatWindows1252CannotHold() {
        QFETCH(QString, text);
        QFETCH(QString, named);
        QCOMPARE(ansi::cannotHold(text, ansi::Encoding::Windows1252).value_or(QString()), named);
        QVERIFY(!ansi::cannotHold(text, ansi::Encoding::Utf8));
    }

    void recognisesTheByteOrderMark_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QString>("text");
        QTest::newRow("no mark") << QByteArray("\xef\xbb[A]") << int(ansi::Encoding::Windows1252)
                                 << QStringLiteral("\u00ef\u00bb[A]");
        QTest::newRow("UTF-8") << QByteArray("\xef\xbb\xbf[A]\xc3\xa9") << int(ansi::Encoding::Utf8)
                               << QStringLiteral("[A]\u00e9");
        QTest::newRow("UTF-16LE") << QByteArray("\xff\xfe[\0\xac\x20", 6)
                                  << int(ansi::Encoding::Utf16LE) << QStringLiteral("[\u20ac");
        QTest::newRow("UTF-16BE") << QByteArray("\xfe\xff\0[\x20\xac", 6)
                                  << int(ansi::Encoding::Utf16BE) << QStringLiteral("[\u20ac");
        QTest::newRow("a second mark is text")
            << QByteArray("\xef\xbb\xbf\xef\xbb\xbfx") << int(ansi::Encoding::Utf8)
            << QStringLiteral("\ufeffx");
    }
    void recognisesTheByteOrderMark() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, encoding);
        QFETCH(QString, text);
        const ansi::DecodedFile decoded = ansi::decodeFile(bytes);
        QCOMPARE(int(decoded.encoding), encoding);
        QCOMPARE(decoded.text, text);
        QCOMPARE(ansi::encodeFile(decoded.text, decoded.encoding), bytes);
    }
};

QTEST_GUILESS_MAIN(TestAnsiText)
#include "tst_ansitext.moc"
