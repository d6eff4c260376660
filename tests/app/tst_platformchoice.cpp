// Which windowing platform the program asks for, from the environment and the command line.
#include "app/platformchoice.h"

#include <QtTest>

using platformchoice::Platform;

Q_DECLARE_METATYPE(platformchoice::Platform)

class TestPlatformChoice : public QObject {
    Q_OBJECT
private slots:
    void choosesX11WhereverItCan_data() {
        QTest::addColumn<QString>("qpaPlatform");
        QTest::addColumn<bool>("platformArgument");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("display");
        QTest::addColumn<Platform>("chosen");
        QTest::addColumn<QByteArray>("plugin");

        const QString wl = QStringLiteral("wayland-0");
        const QString x = QStringLiteral(":0");
        const QString wayland = QStringLiteral("wayland");
        // Windows stay on top and are placed where they were left only under X11.
        QTest::newRow("Wayland with XWayland")
            << QString() << false << wl << wayland << x << Platform::Xcb << QByteArray("xcb");
        QTest::newRow("Wayland socket only, session type unset")
            << QString() << false << wl << QString() << x << Platform::Xcb << QByteArray("xcb");
        QTest::newRow("Wayland session on the default socket")
            << QString() << false << QString() << wayland << x << Platform::Xcb
            << QByteArray("xcb");
        QTest::newRow("Wayland without XWayland")
            << QString() << false << wl << wayland << QString() << Platform::Wayland
            << QByteArray("wayland");
        QTest::newRow("X11 desktop") << QString() << false << QString() << QStringLiteral("x11")
                                     << x << Platform::QtDefault << QByteArray();
        QTest::newRow("nothing known") << QString() << false << QString() << QString() << QString()
                                       << Platform::QtDefault << QByteArray();
        // The user's own choice is never overruled, even one that cannot work.
        QTest::newRow("QT_QPA_PLATFORM=wayland with XWayland")
            << wayland << false << wl << wayland << x << Platform::QtDefault << QByteArray();
        QTest::newRow("QT_QPA_PLATFORM=xcb without XWayland")
            << QStringLiteral("xcb") << false << wl << wayland << QString() << Platform::QtDefault
            << QByteArray();
        QTest::newRow("-platform argument")
            << QString() << true << wl << wayland << x << Platform::QtDefault << QByteArray();
    }
    void choosesX11WhereverItCan() {
        QFETCH(QString, qpaPlatform);
        QFETCH(bool, platformArgument);
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, sessionType);
        QFETCH(QString, display);
        QFETCH(Platform, chosen);
        QFETCH(QByteArray, plugin);
        const platformchoice::Environment environment{qpaPlatform, platformArgument, waylandDisplay,
                                                      sessionType, display};
        QCOMPARE(platformchoice::choose(environment), chosen);
        QCOMPARE(platformchoice::pluginName(chosen), plugin);
    }

    void readsThePlatformArgumentWithOneDashOrTwo_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("named");
        // The program itself is named "-platform" here: its name is not an option.
        QTest::newRow("none") << QStringList{} << false;
        QTest::newRow("-platform") << QStringList{u"-platform"_qs, u"xcb"_qs} << true;
        QTest::newRow("--platform") << QStringList{u"--platform"_qs, u"wayland"_qs} << true;
        QTest::newRow("other options") << QStringList{u"-style"_qs, u"fusion"_qs} << false;
    }
    void readsThePlatformArgumentWithOneDashOrTwo() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, named);
        QList<QByteArray> bytes{QByteArrayLiteral("-platform")};
        for (const QString& argument : arguments)
            bytes.append(argument.toLocal8Bit());
        QList<char*> argv;
        for (QByteArray& argument : bytes)
            argv.append(argument.data());
        QCOMPARE(platformchoice::current(int(argv.size()), argv.data()).platformArgument, named);
    }
};

QTEST_GUILESS_MAIN(TestPlatformChoice)
#include "tst_platformchoice.moc"
