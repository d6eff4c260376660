#include "gifwriter.h"

#include <QPainter>
#include <QtTest>

#include <stdexcept>

class TestGifWriter : public QObject {
    Q_OBJECT
private slots:
    void readsBackPixelForPixel_data();
    void readsBackPixelForPixel();
    void refusesImagesItCannotWrite();
    void quantiseKeepsInksExact();
};

namespace {

QImage patterned(int width, int height, int colours) {
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i) {
        table.append(qRgb(i, 255 - i, (i * 37) % 256));
    }
    image.setColorTable(table);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, uint((x * 7 + y * 13) % colours));
        }
    }
    return image;
}

} // namespace

void TestGifWriter::readsBackPixelForPixel_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("colours");
    QTest::newRow("one pixel, two colours") << 1 << 1 << 2;
    QTest::newRow("three colours padded to four") << 5 << 3 << 3;
    QTest::newRow("sixteen colours, odd width") << 17 << 9 << 16;
    QTest::newRow("seventeen colours need five bits") << 33 << 4 << 17;
    QTest::newRow("full palette, many table clears") << 300 << 7 << 256;
    QTest::newRow("logo size, several sub-blocks") << 234 << 60 << 200;
}

void TestGifWriter::readsBackPixelForPixel() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, colours);
    const QImage original = patterned(width, height, colours);

    const QByteArray bytes = gif::encode(original);
    QVERIFY(bytes.startsWith("GIF89a"));
    QVERIFY(bytes.endsWith(';'));
    const QImage back = QImage::fromData(bytes, "GIF");

    QCOMPARE(back.size(), original.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (back.pixel(x, y) != original.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
        }
    }
}

void TestGifWriter::refusesImagesItCannotWrite() {
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             gif::encode(QImage(4, 4, QImage::Format_RGB32)));
    QImage noPalette(4, 4, QImage::Format_Indexed8);
    noPalette.setColorTable({});
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, gif::encode(noPalette));
}

void TestGifWriter::quantiseKeepsInksExact() {
    const QRgb navy = qRgb(0x24, 0x3b, 0x5a);
    const QRgb amber = qRgb(0xf0, 0x8a, 0x24);
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(navy));
    painter.drawEllipse(QRectF(2.3, 2.3, 15, 15));
    painter.fillRect(QRect(22, 4, 12, 12), QColor(amber));
    painter.end();

    const QImage indexed = gif::quantise(picture, {qRgb(255, 255, 255), navy, amber});

    QVERIFY(indexed.colorCount() <= 256);
    QCOMPARE(indexed.pixel(10, 10), navy);
    QCOMPARE(indexed.pixel(28, 10), amber);
    QCOMPARE(indexed.pixel(38, 18), qRgb(255, 255, 255));
    // An anti-aliased edge finds a blend close to what was drawn.
    const QRgb drawn = picture.pixel(2, 10);
    const QRgb kept = indexed.pixel(2, 10);
    QVERIFY(qAbs(qRed(drawn) - qRed(kept)) <= 8);
    QVERIFY(qAbs(qBlue(drawn) - qBlue(kept)) <= 8);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, gif::encode(gif::quantise(picture, {})));
}

QTEST_GUILESS_MAIN(TestGifWriter)
#include "tst_gifwriter.moc"
