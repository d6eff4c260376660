#include "ui/assets/assets.h"
#include "ui/form1layout.h"

#include <QImageReader>
#include <QtTest>

class TestAssets : public QObject {
    Q_OBJECT
private slots:
    void picturesLoadAtTheirSizeAndFormat_data();
    void picturesLoadAtTheirSizeAndFormat();
    void programIconOffersEverySize();
    void linkCursorPointsWithItsFingertip();
    void transparentLabelsShowOnlyThePanel_data();
    void transparentLabelsShowOnlyThePanel();
    void captionsSitLeftOfTheirTimeLabels_data();
    void captionsSitLeftOfTheirTimeLabels();
};

namespace {

const QSize TopSize{335, 176};
const QSize BottomSize{315, 133};

struct SchemePair {
    const char* name;
    QString top;
    QString bottom;
};

QList<SchemePair> schemePairs() {
    return {{"Default", assets::TopDefault, assets::BottomDefault},
            {"Red", assets::TopRed, assets::BottomRed},
            {"Black", assets::TopBlack, assets::BottomBlack},
            {"Orange Cream", assets::TopOrange, assets::BottomOrange}};
}

QRect inPicture(const TwipsRect& control, const TwipsRect& picture) {
    return control.pixels().translated(-picture.pixels().topLeft());
}

int channelDistance(QRgb a, QRgb b) {
    return qMax(qAbs(qRed(a) - qRed(b)),
                qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))));
}

// How far the pixels of `area` stray from the plain panel, sampled on each row at `panelX`.
int strayFromPanel(const QImage& image, const QRect& area, int panelX) {
    int most = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb panel = image.pixel(panelX, y);
        for (int x = area.left(); x <= area.right(); ++x) {
            most = qMax(most, channelDistance(image.pixel(x, y), panel));
        }
    }
    return most;
}

// JPEG leaves faint ripples on plain areas; drawn ink differs by far more.
constexpr int JpegNoise = 24;

} // namespace

void TestAssets::picturesLoadAtTheirSizeAndFormat_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArray>("format");
    for (const SchemePair& pair : schemePairs()) {
        QTest::addRow("%s upper", pair.name) << pair.top << TopSize << QByteArray("jpeg");
        QTest::addRow("%s lower", pair.name) << pair.bottom << BottomSize << QByteArray("jpeg");
    }
    QTest::newRow("Exit") << assets::Exit << QSize(300, 95) << QByteArray("jpeg");
    QTest::newRow("logo") << assets::Logo << QSize(234, 60) << QByteArray("gif");
    QTest::newRow("link cursor") << assets::LinkCursor << QSize(32, 32) << QByteArray("png");
    for (const int size : assets::IconSizes) {
        QTest::addRow("icon %d", size)
            << assets::iconPath(size) << QSize(size, size) << QByteArray("png");
    }
}

void TestAssets::picturesLoadAtTheirSizeAndFormat() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(QByteArray, format);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void TestAssets::programIconOffersEverySize() {
    const QIcon icon = assets::programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : assets::IconSizes) {
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    }
    QCOMPARE(icon.pixmap(QSize(16, 16)).size(), QSize(16, 16));
}

void TestAssets::linkCursorPointsWithItsFingertip() {
    const QImage hand = QImage(assets::LinkCursor).convertToFormat(QImage::Format_ARGB32);
    const QPoint tip = assets::LinkCursorHotSpot;
    QCOMPARE(qAlpha(hand.pixel(tip)), 255);
    QVERIFY(qGray(hand.pixel(tip)) < 64);
    // Nothing of the hand reaches above the fingertip.
    for (int y = 0; y < tip.y(); ++y) {
        for (int x = 0; x < hand.width(); ++x) {
            QCOMPARE(qAlpha(hand.pixel(x, y)), 0);
        }
    }
    QCOMPARE(assets::linkCursor().hotSpot(), tip);
}

void TestAssets::transparentLabelsShowOnlyThePanel_data() {
    using namespace form1layout;
    QTest::addColumn<QString>("path");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("panelX");
    for (const SchemePair& pair : schemePairs()) {
        QTest::addRow("%s Reports", pair.name) << pair.top << inPicture(LblReports, ImgTop) << 20;
        QTest::addRow("%s Settings", pair.name) << pair.top << inPicture(LblSettings, ImgTop) << 20;
        QTest::addRow("%s About", pair.name) << pair.top << inPicture(LblAbout, ImgTop) << 20;
        QTest::addRow("%s minutes", pair.name) << pair.top << inPicture(Label3, ImgTop) << 20;
        QTest::addRow("%s start", pair.name)
            << pair.bottom << inPicture(LblStartTime, ImgBottom) << 302;
        QTest::addRow("%s stop", pair.name)
            << pair.bottom << inPicture(LblStopTime, ImgBottom) << 302;
        QTest::addRow("%s total", pair.name)
            << pair.bottom << inPicture(LblTotalTime, ImgBottom) << 302;
    }
}

void TestAssets::transparentLabelsShowOnlyThePanel() {
    QFETCH(QString, path);
    QFETCH(QRect, area);
    QFETCH(int, panelX);
    const QImage picture(path);
    QVERIFY(QRect(QPoint(), picture.size()).contains(area));
    QCOMPARE_LE(strayFromPanel(picture, area, panelX), JpegNoise);
}

void TestAssets::captionsSitLeftOfTheirTimeLabels_data() {
    using namespace form1layout;
    QTest::addColumn<QString>("path");
    QTest::addColumn<QRect>("label");
    for (const SchemePair& pair : schemePairs()) {
        QTest::addRow("%s start", pair.name) << pair.bottom << inPicture(LblStartTime, ImgBottom);
        QTest::addRow("%s stop", pair.name) << pair.bottom << inPicture(LblStopTime, ImgBottom);
        QTest::addRow("%s total", pair.name) << pair.bottom << inPicture(LblTotalTime, ImgBottom);
    }
}

// The caption is drawn on its label's row, and close enough to the label to read with it.
void TestAssets::captionsSitLeftOfTheirTimeLabels() {
    QFETCH(QString, path);
    QFETCH(QRect, label);
    const QImage picture(path);
    const QRect captionEnd(label.left() - 12, label.top() + 3, 12, label.height() - 6);
    QVERIFY(strayFromPanel(picture, captionEnd, 302) > 4 * JpegNoise);
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
