// Under a dark or a high-contrast desktop palette, every text that the windows draw over a
// fixed light background still reads, in every colour scheme: WCAG's AA contrast of 4.5:1
// against the pixels beneath it.
#include "tests/support/apprig.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

constexpr double AA = 4.5;

// WCAG 2's relative luminance and contrast ratio.
double luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What Adwaita's dark theme and KDE's Breeze Dark hand Qt, the accent being Breeze's.
QPalette darkPalette() {
    QPalette p(QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xec));
    p.setColor(QPalette::Text, QColor(0xee, 0xee, 0xec));
    p.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xec));
    p.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    p.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    return p;
}

// White on black, with a white accent: GTK's HighContrastInverse.
QPalette highContrastPalette() {
    QPalette p(Qt::black);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                            QPalette::Highlight, QPalette::BrightText})
        p.setColor(role, Qt::white);
    p.setColor(QPalette::Base, Qt::black);
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

QColor textColour(const QWidget* w) {
    return w->palette().color(w->foregroundRole());
}

// Where a label draws its text.
QRect textArea(const QLabel* label) {
    const QSize size = QFontMetrics(label->font()).size(0, label->text());
    return QStyle::alignedRect(Qt::LeftToRight, label->alignment(), size, label->contentsRect())
        .translated(label->pos());
}

// The lowest contrast of the colour with the pixels of the area.
double lowestContrast(const QColor& text, const QImage& background, const QRect& wanted) {
    const QRect area = wanted & background.rect();
    double lowest = 21;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            lowest = std::min(lowest, contrast(text, background.pixelColor(x, y)));
    }
    return lowest;
}

} // namespace

class TestContrast : public QObject {
    Q_OBJECT
private slots:
    void textsOverFixedLightBackgroundsRead_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<QByteArray>("scheme");
        const std::pair<const char*, QPalette> palettes[] = {
            {"dark", darkPalette()}, {"high contrast", highContrastPalette()}};
        for (const auto& [name, palette] : palettes) {
            for (const char* scheme : {"Default", "Red", "Black", "OrangeCreme"})
                QTest::addRow("%s, %s", name, scheme) << palette << QByteArray(scheme);
        }
    }
    void textsOverFixedLightBackgroundsRead() {
        QFETCH(QPalette, palette);
        QFETCH(QByteArray, scheme);
        const QPalette desktop = QApplication::palette();
        QApplication::setPalette(palette);
        auto restore = qScopeGuard([&desktop] { QApplication::setPalette(desktop); });
        AppRig rig;
        rig.writeFile(u"Settings.ini"_qs, "[ColorScheme]\r\n" + scheme + "=True\r\n");
        MainWindow& window = rig.load();
        window.show();
        QStringList faults;
        const auto check = [&faults](const QString& name, double ratio) {
            if (ratio < AA)
                faults << u"%1: %2"_qs.arg(name).arg(ratio, 0, 'f', 2);
        };

        // The labels over the scheme pictures, against the window as drawn without them; the
        // times as long as they get.
        const QStringList overPictures{u"LblReports"_qs,  u"LblSettings"_qs,  u"LblAbout"_qs,
                                       u"Label3"_qs,      u"LblStartTime"_qs, u"LblStopTime"_qs,
                                       u"LblTotalTime"_qs};
        rig.find<QLabel>(u"LblStartTime"_qs)->setText(u"12/29/2026 10:15:40 PM"_qs);
        rig.find<QLabel>(u"LblStopTime"_qs)->setText(u"12/29/2026 10:15:40 PM"_qs);
        rig.find<QLabel>(u"LblTotalTime"_qs)->setText(u"123d 23h 59m 59s"_qs);
        for (const QString& name : overPictures)
            rig.find(name)->hide();
        const QImage beneath = window.grab().toImage();
        for (const QString& name : overPictures) {
            const auto* label = rig.find<QLabel>(name);
            check(name, lowestContrast(textColour(label), beneath, textArea(label)));
        }

        // Controls that paint their own light background.
        const auto checkOwn = [&check](const QWidget* w, QPalette::ColorRole text,
                                       QPalette::ColorRole back) {
            check(w->objectName(), contrast(w->palette().color(text), w->palette().color(back)));
        };
        checkOwn(rig.find(u"ChkAskMe"_qs), QPalette::WindowText, QPalette::Window);
        checkOwn(rig.find<QComboBox>(u"CboProject"_qs)->lineEdit(), QPalette::Text, QPalette::Base);
        checkOwn(rig.find(u"TxtAsk"_qs), QPalette::Text, QPalette::Base);
        QVERIFY2(luminance(rig.find<QComboBox>(u"CboProject"_qs)->palette().color(QPalette::Base)) >
                     0.5,
                 "the project box is dark inside the light picture");

        QTest::mouseClick(rig.find(u"LblSettings"_qs), Qt::LeftButton);
        for (const char* name : {"OptDefault", "OptRed", "OptBlack", "OptOrangeCream", "ChkMin"})
            checkOwn(rig.find(QLatin1StringView(name)), QPalette::WindowText, QPalette::Window);
        QTest::mouseClick(rig.find(u"LblAbout"_qs), Qt::LeftButton);
        for (const char* name : {"Label1", "Label2", "Label3"})
            checkOwn(rig.find(QLatin1StringView(name)), QPalette::WindowText, QPalette::Window);

        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u", ")));
    }
};

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
