#include "away/x11idletime.h"

#include <QMetaObject>
#include <QSocketNotifier>

#include <cstring>
#include <optional>

// Xlib's macros (None, Bool, Status...) would clash with Qt's names: its headers come last.
#include <X11/extensions/scrnsaver.h>
#include <X11/extensions/sync.h>
#include <X11/Xlib.h>

namespace {

// Input after at least this much quiet trips the alarm: any less, and the alarm would wait
// for a pause before it could trip at all.
constexpr int AlarmQuietMs = 1000;

} // namespace

struct X11IdleTime::Connection {
    Display* display = nullptr;
    XScreenSaverInfo* info = nullptr;
    // Looked for on the first watch.
    std::optional<bool> sync;
    int syncEventBase = 0;
    XSyncCounter idleCounter = None;
    // None while no watch is on.
    XSyncAlarm alarm = None;

    ~Connection() {
        if (info)
            XFree(info);
        // Closing the connection frees the alarm with everything else of this client's.
        if (display)
            XCloseDisplay(display);
    }
};

X11IdleTime::X11IdleTime(const QString& displayName)
    : m_displayName(displayName) {}

X11IdleTime::~X11IdleTime() {
    // Before the connection closes its socket.
    delete m_notifier;
}

bool X11IdleTime::available() {
    if (m_tried)
        return m_connection != nullptr;
    m_tried = true;
    auto connection = std::make_unique<Connection>();
    const QByteArray name = m_displayName.toLocal8Bit();
    connection->display = XOpenDisplay(name.isEmpty() ? nullptr : name.constData());
    if (!connection->display)
        return false;
    int eventBase = 0;
    int errorBase = 0;
    if (!XScreenSaverQueryExtension(connection->display, &eventBase, &errorBase))
        return false;
    connection->info = XScreenSaverAllocInfo();
    if (!connection->info)
        return false;
    m_connection = std::move(connection);
    return true;
}

std::optional<std::chrono::milliseconds> X11IdleTime::idleTime() {
    if (!available())
        return std::nullopt;
    const Status answered = XScreenSaverQueryInfo(
        m_connection->display, DefaultRootWindow(m_connection->display), m_connection->info);
    afterRequest();
    if (!answered)
        return std::nullopt;
    return std::chrono::milliseconds(m_connection->info->idle);
}

bool X11IdleTime::syncReady() {
    Connection& c = *m_connection;
    if (c.sync)
        return *c.sync;
    c.sync = false;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XSyncQueryExtension(c.display, &c.syncEventBase, &errorBase) ||
        !XSyncInitialize(c.display, &major, &minor)) {
        afterRequest();
        return false;
    }
    int count = 0;
    XSyncSystemCounter* counters = XSyncListSystemCounters(c.display, &count);
    afterRequest();
    if (!counters)
        return false;
    // The per-device counters are named "DEVICEIDLETIME n"; this one counts every device.
    for (int i = 0; i < count; ++i) {
        if (counters[i].name && std::strcmp(counters[i].name, "IDLETIME") == 0) {
            c.idleCounter = counters[i].counter;
            c.sync = true;
            break;
        }
    }
    XSyncFreeSystemCounterList(counters);
    return *c.sync;
}

bool X11IdleTime::watchForInput() {
    if (!available() || !syncReady())
        return false;
    Connection& c = *m_connection;
    if (c.alarm != None)
        return true;
    XSyncAlarmAttributes attributes{};
    attributes.trigger.counter = c.idleCounter;
    attributes.trigger.value_type = XSyncAbsolute;
    XSyncIntToValue(&attributes.trigger.wait_value, AlarmQuietMs);
    // The count falls below the value only when input sets it back to zero.
    attributes.trigger.test_type = XSyncNegativeTransition;
    // The server refuses a falling test that would step its value upwards, and the default
    // step is one.
    XSyncIntToValue(&attributes.delta, 0);
    attributes.events = True;
    c.alarm = XSyncCreateAlarm(c.display,
                               XSyncCACounter | XSyncCAValueType | XSyncCAValue | XSyncCATestType |
                                   XSyncCADelta | XSyncCAEvents,
                               &attributes);
    if (c.alarm == None)
        return false;
    if (!m_notifier) {
        m_notifier = new QSocketNotifier(ConnectionNumber(c.display), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &X11IdleTime::readEvents);
    }
    afterRequest();
    return true;
}

void X11IdleTime::stopWatchingForInput() {
    if (m_connection && m_connection->alarm != None) {
        endWatch();
        afterRequest();
    }
}

void X11IdleTime::endWatch() {
    XSyncDestroyAlarm(m_connection->display, m_connection->alarm);
    m_connection->alarm = None;
    // Unwatched from now on; deleted later since this may run from its own signal.
    m_notifier->setEnabled(false);
    m_notifier->deleteLater();
    m_notifier = nullptr;
}

void X11IdleTime::afterRequest() {
    Display* display = m_connection->display;
    XFlush(display);
    if (m_readPosted || XQLength(display) == 0)
        return;
    // Not read here: the caller is in the middle of a question and should not hear of input
    // before it has its answer.
    m_readPosted = true;
    QMetaObject::invokeMethod(this, &X11IdleTime::readEvents, Qt::QueuedConnection);
}

void X11IdleTime::readEvents() {
    m_readPosted = false;
    if (!m_connection)
        return;
    Display* display = m_connection->display;
    bool tripped = false;
    // Everything else that came (the notice of a destroyed alarm, say) is dropped, so that
    // nothing builds up in the queue.
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != m_connection->syncEventBase + XSyncAlarmNotify)
            continue;
        const auto& notify = reinterpret_cast<const XSyncAlarmNotifyEvent&>(event);
        if (m_connection->alarm != None && notify.alarm == m_connection->alarm &&
            notify.state != XSyncAlarmDestroyed)
            tripped = true;
    }
    if (!tripped)
        return;
    endWatch();
    XFlush(display);
    emit inputSeen();
}
