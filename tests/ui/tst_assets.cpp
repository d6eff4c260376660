// The program's pictures, and how they are shown on a screen of device pixel ratio 2.
#include "app/mainwindowlayout.h"
#include "tests/support/apprig.h"
#include "ui/assets/assets.h"

#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

class TestAssets : public QObject {
    Q_OBJECT
private slots:
    void picturesLoadAtTheirSizeAndFormat_data();
    void picturesLoadAtTheirSizeAndFormat();
    void twiceSizeDrawingsShowTheSamePicture_data();
    void twiceSizeDrawingsShowTheSamePicture();
    void pixmapSuitsTheScreenRatio_data();
    void pixmapSuitsTheScreenRatio();
    void programIconOffersEverySize();
    void linkCursorPointsWithItsFingertip_data();
    void linkCursorPointsWithItsFingertip();
    void linkCursorHotSpotSuitsThePlatform_data();
    void linkCursorHotSpotSuitsThePlatform();
    void mainWindowDrawsItsPicturesFromTwiceSizeDrawings();
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

// Every picture that has a twice-size drawing, with its size in device-independent pixels.
struct Picture {
    const char* name;
    QString path;
    QSize size;
    QByteArray format;
};

QList<Picture> pictures() {
    QList<Picture> all;
    for (const SchemePair& pair : schemePairs()) {
        all.append({pair.name, pair.top, TopSize, "jpeg"});
        all.append({pair.name, pair.bottom, BottomSize, "jpeg"});
    }
    all.append({"Exit", assets::Exit, QSize(300, 95), "jpeg"});
    all.append({"logo", assets::Logo, QSize(234, 60), "gif"});
    all.append({"link cursor", assets::LinkCursor, QSize(32, 32), "png"});
    return all;
}

// The pixels of `image` alone, whatever ratio it carries.
QImage rgb(const QImage& image) {
    QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    pixels.setDevicePixelRatio(1);
    return pixels;
}

// The share of pixels, in percent, that differ plainly between two pictures of one size.
double percentDiffering(const QImage& a, const QImage& b) {
    const QImage x = rgb(a);
    const QImage y = rgb(b);
    int differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            if (qMax(channelDistance(p, q), qAbs(qAlpha(p) - qAlpha(q))) > 3 * JpegNoise)
                ++differing;
        }
    }
    return 100.0 * differing / (x.width() * x.height());
}

// Device pixels of `rect`, given in device-independent pixels, on a picture of ratio 2.
QRect twice(const QRect& rect) {
    return QRect(rect.topLeft() * 2, rect.size() * 2);
}

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
    for (const Picture& picture : pictures()) {
        QTest::addRow("%s @2x", qPrintable(QFileInfo(picture.path).fileName()))
            << assets::at2x(picture.path) << picture.size * 2 << picture.format;
    }
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

// A twice-size drawing reduced to the picture's size is that picture, give or take the
// smoothing of its edges: nothing moved, nothing missing.
void TestAssets::twiceSizeDrawingsShowTheSamePicture_data() {
    QTest::addColumn<QString>("path");
    for (const Picture& picture : pictures()) {
        QTest::addRow("%s", qPrintable(QFileInfo(picture.path).fileName())) << picture.path;
    }
}

void TestAssets::twiceSizeDrawingsShowTheSamePicture() {
    QFETCH(QString, path);
    const QImage picture(path);
    const QImage drawing(assets::at2x(path));
    QCOMPARE(drawing.size(), picture.size() * 2);
    const QImage reduced =
        drawing.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QCOMPARE_LE(percentDiffering(reduced, picture), 1.5);
    // The measure tells: the same drawing moved by one pixel differs by more.
    QCOMPARE_GT(percentDiffering(reduced, picture.copy(picture.rect().translated(1, 0))), 1.5);
}

void TestAssets::pixmapSuitsTheScreenRatio_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QString>("source"); // the file shown as it is, if one is
    const QString top = assets::TopDefault;
    QTest::newRow("1") << top << qreal(1) << TopSize << top;
    QTest::newRow("below 1") << top << qreal(0.5) << TopSize << top;
    QTest::newRow("2") << top << qreal(2) << TopSize * 2 << assets::at2x(top);
    QTest::newRow("1.5") << top << qreal(1.5) << QSize(503, 264) << QString();
    QTest::newRow("3") << top << qreal(3) << TopSize * 3 << QString();
    QTest::newRow("logo 2") << assets::Logo << qreal(2) << QSize(468, 120)
                            << assets::at2x(assets::Logo);
}

void TestAssets::pixmapSuitsTheScreenRatio() {
    QFETCH(QString, path);
    QFETCH(qreal, ratio);
    QFETCH(QSize, pixels);
    QFETCH(QString, source);
    const QPixmap shown = assets::pixmap(path, ratio);
    QCOMPARE(shown.size(), pixels);
    QCOMPARE(shown.devicePixelRatio(), qMax(ratio, qreal(1)));
    QCOMPARE(shown.deviceIndependentSize().toSize(), QImage(path).size());
    if (!source.isEmpty())
        QCOMPARE(rgb(shown.toImage()), rgb(QImage(source)));
}

void TestAssets::programIconOffersEverySize() {
    const QIcon icon = assets::programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : assets::IconSizes) {
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    }
    // On this screen of ratio 2, the 16 pixel icon is drawn from the 32 pixel one.
    const QPixmap small = icon.pixmap(QSize(16, 16));
    QCOMPARE(small.deviceIndependentSize().toSize(), QSize(16, 16));
    QCOMPARE(rgb(small.toImage()), rgb(QImage(assets::iconPath(32))));
}

void TestAssets::linkCursorPointsWithItsFingertip_data() {
    QTest::addColumn<int>("ratio");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
}

void TestAssets::linkCursorPointsWithItsFingertip() {
    QFETCH(int, ratio);
    const QCursor cursor = assets::linkCursor(ratio);
    const QImage hand = rgb(cursor.pixmap().toImage());
    QCOMPARE(hand.size(), QSize(32, 32) * ratio);
    QCOMPARE(cursor.pixmap().devicePixelRatio(), qreal(ratio));
    // The hot spot is in device-independent pixels; its pixel is the fingertip's top left.
    QCOMPARE(cursor.hotSpot(), assets::LinkCursorHotSpot);
    const QPoint tip = assets::LinkCursorHotSpot * ratio;
    QCOMPARE(qAlpha(hand.pixel(tip)), 255);
    QVERIFY(qGray(hand.pixel(tip)) < 64);
    // Nothing of the hand reaches above the fingertip.
    for (int y = 0; y < tip.y(); ++y) {
        for (int x = 0; x < hand.width(); ++x) {
            QCOMPARE(qAlpha(hand.pixel(x, y)), 0);
        }
    }
}

void TestAssets::linkCursorHotSpotSuitsThePlatform_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QPoint>("hotSpot");
    const QPoint tip = assets::LinkCursorHotSpot;
    QTest::newRow("X11 at 1") << u"xcb"_qs << qreal(1) << tip;
    QTest::newRow("X11 at 2") << u"xcb"_qs << qreal(2) << tip * 2;
    QTest::newRow("X11 at 1.5") << u"xcb"_qs << qreal(1.5) << QPoint(18, 2);
    QTest::newRow("Wayland at 2") << u"wayland"_qs << qreal(2) << tip;
    QTest::newRow("offscreen at 2") << u"offscreen"_qs << qreal(2) << tip;
}

// Under X11 the hot spot is counted in the pixmap's pixels: it must land on the fingertip.
void TestAssets::linkCursorHotSpotSuitsThePlatform() {
    QFETCH(QString, platform);
    QFETCH(qreal, ratio);
    QFETCH(QPoint, hotSpot);
    QCOMPARE(assets::linkCursorHotSpot(ratio, platform), hotSpot);
}

// What the window shows, pixel for pixel, is the twice-size drawing: a stretched picture would
// differ from it everywhere along an edge.
void TestAssets::mainWindowDrawsItsPicturesFromTwiceSizeDrawings() {
    using namespace mainwindowlayout;
    AppRig rig;
    MainWindow& form = rig.load();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.devicePixelRatio(), 2.0);

    const auto showsDrawing = [&rig, &form](const QString& top, const QString& bottom) {
        const QImage window = rgb(form.grab().toImage());
        const QImage topDrawing = rgb(QImage(assets::at2x(top)));
        const QImage bottomDrawing = rgb(QImage(assets::at2x(bottom)));
        // Above the first link nothing lies over the upper picture; left of the time labels
        // and below the upper picture nothing lies over the lower one.
        const QRect band(0, 0, ImgTop.pixels().width(),
                         LblReports.pixels().top() - ImgTop.pixels().top());
        const QRect captions(0, ImgTop.pixels().bottom() + 1 - ImgBottom.pixels().top(),
                             LblStartTime.pixels().left() - ImgBottom.pixels().left(),
                             ImgBottom.pixels().bottom() - ImgTop.pixels().bottom());
        const auto on = [](const TwipsRect& image, const QRect& area) {
            return twice(area.translated(image.pixels().topLeft()));
        };
        return window.copy(on(ImgTop, band)) == topDrawing.copy(twice(band)) &&
               window.copy(on(ImgBottom, captions)) == bottomDrawing.copy(twice(captions)) &&
               rig.find<QLabel>(QStringLiteral("ImgTop"))->pixmap().devicePixelRatio() == 2.0;
    };
    QVERIFY(showsDrawing(assets::TopDefault, assets::BottomDefault));
    QCOMPARE(rig.find<QLabel>(QStringLiteral("LblReports"))->cursor().pixmap().devicePixelRatio(),
             2.0);

    // A chosen scheme comes from the Settings window's pictures, which must be as sharp.
    QTest::mouseClick(rig.find<QLabel>(QStringLiteral("LblSettings")), Qt::LeftButton);
    QTest::mouseClick(rig.find<QRadioButton>(QStringLiteral("OptRed")), Qt::LeftButton);
    QVERIFY(showsDrawing(assets::TopRed, assets::BottomRed));
}

void TestAssets::transparentLabelsShowOnlyThePanel_data() {
    using namespace mainwindowlayout;
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
    using namespace mainwindowlayout;
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

int main(int argc, char* argv[]) {
    // As on a screen at 200 %: windows are laid out as at 100 % and drawn at twice the pixels.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestAssets test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_assets.moc"
