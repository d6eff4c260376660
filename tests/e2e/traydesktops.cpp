#include "tests/e2e/traydesktops.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

constexpr int ReplyTimeoutMs = 3000;

const QString Watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString WatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString ItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString HostTitle = QStringLiteral("gtk-sni-tray-standalone");
constexpr int BarHeight = 30;

// Every program on the bus may talk to every other and own any name; no service is started
// on request (the session buses of desktops start the accessibility bus that way, which would
// outlive the test).
const char* const BusConfig = R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

bool startOnDisplay(QProcess& process, const XDisplay& display, const QString& program,
                    const QStringList& arguments) {
    QProcessEnvironment env = display.environment();
    // GTK would otherwise look for the accessibility bus, which is not there.
    env.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForStarted(StartTimeoutMs);
}

QString missing(const QString& program, const QString& package) {
    return QStringLiteral("%1 is missing: build.sh installs %2").arg(program, package);
}

} // namespace

SessionBus::SessionBus(XDisplay& display)
    : m_display(display) {
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()) {
        m_error = missing(QStringLiteral("dbus-daemon"), QStringLiteral("dbus-daemon"));
        return;
    }
    QFile config(m_folder.filePath(QStringLiteral("bus.conf")));
    if (!m_folder.isValid() || !config.open(QIODevice::WriteOnly) ||
        config.write(QString::fromLatin1(BusConfig).arg(m_folder.path()).toUtf8()) < 0) {
        m_error = QStringLiteral("could not write the bus configuration");
        return;
    }
    config.close();
    m_daemon.setProcessChannelMode(QProcess::SeparateChannels);
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=") + config.fileName(),
                    QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(StartTimeoutMs)) {
        m_error = QStringLiteral("dbus-daemon did not start: ") + m_daemon.errorString();
        return;
    }
    QByteArray address;
    QDeadlineTimer deadline(StartTimeoutMs);
    while (!address.contains('\n') && !deadline.hasExpired() &&
           m_daemon.state() == QProcess::Running) {
        m_daemon.waitForReadyRead(100);
        address += m_daemon.readAllStandardOutput();
    }
    address = address.trimmed();
    if (address.isEmpty()) {
        m_error = QStringLiteral("dbus-daemon gave no address: ") +
                  QString::fromLocal8Bit(m_daemon.readAllStandardError());
        return;
    }
    display.setVariable(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromLatin1(address));
}

SessionBus::~SessionBus() {
    stopProcess(m_daemon);
}

XDisplay::Result SessionBus::call(const QString& service, const QString& path,
                                  const QString& method, const QStringList& arguments) const {
    return m_display.run(QStringLiteral("dbus-send"),
                         QStringList{QStringLiteral("--session"), QStringLiteral("--print-reply"),
                                     QStringLiteral("--reply-timeout=%1").arg(ReplyTimeoutMs),
                                     QStringLiteral("--dest=") + service, path, method} +
                             arguments);
}

QByteArray SessionBus::property(const QString& service, const QString& path,
                                const QString& interface, const QString& name) const {
    const XDisplay::Result reply =
        call(service, path, QStringLiteral("org.freedesktop.DBus.Properties.Get"),
             {QStringLiteral("string:") + interface, QStringLiteral("string:") + name});
    if (!reply.ok)
        return {};
    // Past the header line "method return time=... reply_serial=N".
    const qsizetype body = reply.out.indexOf('\n');
    return body < 0 ? QByteArray() : reply.out.mid(body + 1).trimmed();
}

StatusNotifierTray::StatusNotifierTray(const XDisplay& display, const SessionBus& bus)
    : m_bus(bus)
    , m_windows(display) {
    for (const auto& [program, package] :
         {std::pair(QStringLiteral("status-notifier-watcher"),
                    QStringLiteral("haskell-status-notifier-item-utils")),
          std::pair(QStringLiteral("gtk-sni-tray-standalone"),
                    QStringLiteral("haskell-gtk-sni-tray-utils")),
          std::pair(QStringLiteral("dbus-send"), QStringLiteral("dbus-bin"))}) {
        if (QStandardPaths::findExecutable(program).isEmpty()) {
            m_error = missing(program, package);
            return;
        }
    }
    if (!bus.error().isEmpty()) {
        m_error = bus.error();
        return;
    }
    if (!startOnDisplay(m_watcher, display, QStringLiteral("status-notifier-watcher"), {})) {
        m_error = QStringLiteral("status-notifier-watcher did not start");
        return;
    }
    // The host registers with the watcher it finds when it starts.
    const bool watching = QTest::qWaitFor(
        [this] {
            return !m_bus.property(Watcher, WatcherPath, Watcher, QStringLiteral("ProtocolVersion"))
                        .isEmpty();
        },
        StartTimeoutMs);
    if (!watching) {
        m_error = QStringLiteral("status-notifier-watcher did not come on the bus");
        return;
    }
    if (!startOnDisplay(m_host, display, QStringLiteral("gtk-sni-tray-standalone"),
                        {QStringLiteral("--top"), QStringLiteral("--end"), QStringLiteral("-s"),
                         QString::number(BarHeight)})) {
        m_error = QStringLiteral("gtk-sni-tray-standalone did not start");
        return;
    }
    const bool hosted = QTest::qWaitFor(
        [this] {
            return m_bus
                .property(Watcher, WatcherPath, Watcher,
                          QStringLiteral("IsStatusNotifierHostRegistered"))
                .contains("boolean true");
        },
        StartTimeoutMs);
    if (!hosted) {
        m_error = QStringLiteral("gtk-sni-tray-standalone did not register as a host");
        return;
    }
    const bool barShown = QTest::qWaitFor(
        [this] {
            for (const XWindows::Id window : m_windows.visible(HostTitle)) {
                if (m_windows.geometry(window).height() == BarHeight)
                    m_bar = window;
            }
            return m_bar != 0;
        },
        StartTimeoutMs);
    if (!barShown)
        m_error = QStringLiteral("gtk-sni-tray-standalone showed no bar");
}

StatusNotifierTray::~StatusNotifierTray() {
    stopProcess(m_host);
    stopProcess(m_watcher);
}

QStringList StatusNotifierTray::items() const {
    const QByteArray list = m_bus.property(Watcher, WatcherPath, Watcher,
                                           QStringLiteral("RegisteredStatusNotifierItems"));
    QStringList names;
    static const QRegularExpression name(QStringLiteral("string \"([^\"]+)\""));
    for (auto match = name.globalMatch(QString::fromUtf8(list)); match.hasNext();)
        names << match.next().captured(1);
    return names;
}

bool StatusNotifierTray::waitForItem() const {
    return QTest::qWaitFor([this] { return items().size() == 1; }, StartTimeoutMs);
}

bool StatusNotifierTray::waitUntilNoItem() const {
    return QTest::qWaitFor([this] { return items().isEmpty(); }, StartTimeoutMs);
}

bool StatusNotifierTray::item(QString* service, QString* path) const {
    const QStringList names = items();
    if (names.size() != 1)
        return false;
    // An item registers by its bus name alone, or by its bus name and object path.
    const QString& name = names.first();
    const qsizetype slash = name.indexOf(u'/');
    *service = slash < 0 ? name : name.left(slash);
    *path = slash < 0 ? QStringLiteral("/StatusNotifierItem") : name.mid(slash);
    return true;
}

QByteArray StatusNotifierTray::toolTip() const {
    QString service;
    QString path;
    if (!item(&service, &path))
        return {};
    return m_bus.property(service, path, ItemInterface, QStringLiteral("ToolTip"));
}

QStringList StatusNotifierTray::menuLines() const {
    QString service;
    QString path;
    if (!item(&service, &path))
        return {};
    static const QRegularExpression objectPath(QStringLiteral("object path \"([^\"]+)\""));
    const QRegularExpressionMatch menu = objectPath.match(
        QString::fromUtf8(m_bus.property(service, path, ItemInterface, QStringLiteral("Menu"))));
    if (!menu.hasMatch())
        return {};
    const XDisplay::Result layout =
        m_bus.call(service, menu.captured(1), QStringLiteral("com.canonical.dbusmenu.GetLayout"),
                   {QStringLiteral("int32:0"), QStringLiteral("int32:-1"),
                    QStringLiteral("array:string:label,type,visible")});
    if (!layout.ok)
        return {};
    // Each entry's properties come as a dictionary: a name line, then a line with its value.
    static const QRegularExpression entry(
        QStringLiteral("string \"(label|type)\"\\s*variant\\s+string \"([^\"]*)\""));
    QStringList lines;
    for (auto match = entry.globalMatch(QString::fromUtf8(layout.out)); match.hasNext();) {
        const QRegularExpressionMatch next = match.next();
        if (next.captured(1) == u"label")
            lines << next.captured(2);
        else if (next.captured(2) == u"separator")
            lines << QStringLiteral("-");
    }
    return lines;
}

QPoint StatusNotifierTray::icon() const {
    const QRect bar = m_windows.geometry(m_bar);
    return QPoint(bar.width() - BarHeight / 2, BarHeight / 2);
}

XWindows::Id StatusNotifierTray::menu() const {
    // The host's tooltips are windows of its own too.
    for (const XWindows::Id window : m_windows.visible(HostTitle)) {
        if (m_windows.property(window, QStringLiteral("_NET_WM_WINDOW_TYPE"))
                .contains("_NET_WM_WINDOW_TYPE_POPUP_MENU"))
            return window;
    }
    return 0;
}

XEmbedTray::XEmbedTray(const XDisplay& display)
    : m_windows(display) {
    if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty()) {
        m_error = missing(QStringLiteral("trayer"), QStringLiteral("trayer"));
        return;
    }
    // Now and then trayer never maps its panel, and then takes in no icon: it is started
    // afresh.
    constexpr int Attempts = 3;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        stopProcess(m_trayer);
        if (!startOnDisplay(m_trayer, display, QStringLiteral("trayer"),
                            {QStringLiteral("--edge"), QStringLiteral("top"),
                             QStringLiteral("--align"), QStringLiteral("right"),
                             QStringLiteral("--widthtype"), QStringLiteral("pixel"),
                             QStringLiteral("--width"), QString::number(4 * BarHeight),
                             QStringLiteral("--heighttype"), QStringLiteral("pixel"),
                             QStringLiteral("--height"), QString::number(BarHeight),
                             QStringLiteral("--SetDockType"), QStringLiteral("true")})) {
            m_error = QStringLiteral("trayer did not start");
            return;
        }
        if (m_windows.waitFor(QStringLiteral("panel"), StartTimeoutMs / Attempts) != 0)
            return;
    }
    m_error = QStringLiteral("trayer showed no panel");
}

XEmbedTray::~XEmbedTray() {
    stopProcess(m_trayer);
}

XWindows::Id XEmbedTray::waitForIcon(const QString& program) const {
    XWindows::Id icon = 0;
    const bool shown = QTest::qWaitFor(
        [&] {
            const QList<XWindows::Id> windows = m_windows.visibleOfClass(program);
            icon = windows.size() == 1 ? windows.first() : 0;
            return icon != 0;
        },
        StartTimeoutMs);
    return shown ? icon : 0;
}
