// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11/desktopwindow.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <optional>
#include <xcb/xcb.h>

namespace DesktopWindow {
namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const auto cookie = xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return result;
}

xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// The values of a 32-bit property of the root window; empty when it is not set.
QList<quint32> rootProperty(xcb_connection_t* connection, xcb_atom_t property, xcb_atom_t type) {
    QList<quint32> values;
    const auto cookie =
        xcb_get_property(connection, 0, rootWindow(connection), property, type, 0, 1024);
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        if (reply->format == 32) {
            const auto* data = static_cast<const quint32*>(xcb_get_property_value(reply));
            values = QList<quint32>(data, data + xcb_get_property_value_length(reply) / 4);
        }
        free(reply);
    }
    return values;
}

void sendToWindowManager(xcb_connection_t* connection, QWindow* window, xcb_atom_t type,
                         std::initializer_list<uint32_t> data) {
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window->winId());
    event.type = type;
    std::copy(data.begin(), data.end(), event.data.data32);
    xcb_send_event(connection, 0, rootWindow(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}

// The property change a native event is, if it is one.
const xcb_property_notify_event_t* propertyChange(const QByteArray& type, void* message) {
    if (type != "xcb_generic_event_t")
        return nullptr;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return nullptr;
    return static_cast<const xcb_property_notify_event_t*>(message);
}

class ActiveWindowWatch : public QObject, public QAbstractNativeEventFilter {
public:
    ActiveWindowWatch(QObject* owner, xcb_connection_t* connection, xcb_atom_t activeWindow,
                      std::function<void(bool)> changed)
        : QObject(owner), m_connection(connection), m_root(rootWindow(connection)),
          m_activeWindow(activeWindow), m_changed(std::move(changed)) {
        // Added to the events Qt already takes from the root window, never replacing them.
        const auto cookie = xcb_get_window_attributes(connection, m_root);
        uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        if (auto* reply = xcb_get_window_attributes_reply(connection, cookie, nullptr)) {
            mask |= reply->your_event_mask;
            free(reply);
        }
        xcb_change_window_attributes(connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection);
        qGuiApp->installNativeEventFilter(this);
        // Started while another program is active, the bar starts as one not active.
        report(true);
    }
    ~ActiveWindowWatch() override { qGuiApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        const auto* change = propertyChange(type, message);
        if (change && change->window == m_root && change->atom == m_activeWindow)
            report();
        return false;
    }

private:
    void report(bool first = false) {
        const QList<quint32> active = rootProperty(m_connection, m_activeWindow, XCB_ATOM_WINDOW);
        if (active.isEmpty() || active[0] == XCB_WINDOW_NONE)
            return; // between two windows, or the desktop itself: nothing has changed yet
        if (first) {
            // A window that is gone by now stands for none.
            auto* attributes = xcb_get_window_attributes_reply(
                m_connection, xcb_get_window_attributes(m_connection, active[0]), nullptr);
            if (attributes) {
                free(attributes);
                m_ours = false;
                m_changed(false);
            }
            return;
        }
        bool ours = false;
        for (QWindow* window : QGuiApplication::topLevelWindows())
            ours = ours || (window->handle() && window->winId() == active[0]);
        if (ours != m_ours) {
            m_ours = ours;
            m_changed(ours);
        }
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    xcb_atom_t m_activeWindow;
    std::function<void(bool)> m_changed;
    bool m_ours = true; // the bar starts opaque
};

class MoveEndWatch : public QObject, public QAbstractNativeEventFilter {
public:
    MoveEndWatch(QObject* owner, xcb_connection_t* connection, QWindow* window,
                 std::function<void()> ended)
        : QObject(owner), m_connection(connection), m_id(xcb_window_t(window->winId())),
          m_marker(atom(connection, "_LARKSPAN_MOVE_ENDED")), m_ended(std::move(ended)) {
        // The manager holds the pointer while it moves the window: no release reaches us.
        connect(&m_poll, &QTimer::timeout, this, &MoveEndWatch::pollButtons);
        m_poll.start(20);
        qGuiApp->installNativeEventFilter(this);
    }
    ~MoveEndWatch() override { qGuiApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto* client = static_cast<const xcb_client_message_event_t*>(message);
        if (client->window != m_id || client->type != m_marker)
            return false;
        // After Qt has applied the places that came before the marker.
        QMetaObject::invokeMethod(this, &MoveEndWatch::finish, Qt::QueuedConnection);
        return true;
    }

private:
    void pollButtons() {
        const auto cookie = xcb_query_pointer(m_connection, rootWindow(m_connection));
        xcb_query_pointer_reply_t* pointer = xcb_query_pointer_reply(m_connection, cookie, nullptr);
        const uint16_t buttons =
            XCB_KEY_BUT_MASK_BUTTON_1 | XCB_KEY_BUT_MASK_BUTTON_2 | XCB_KEY_BUT_MASK_BUTTON_3;
        const bool down = pointer != nullptr && (pointer->mask & buttons) != 0;
        free(pointer);
        if (down)
            return;
        m_poll.stop();
        // The marker comes back behind every event the server had for us before it.
        xcb_client_message_event_t marker = {};
        marker.response_type = XCB_CLIENT_MESSAGE;
        marker.format = 32;
        marker.window = m_id;
        marker.type = m_marker;
        xcb_send_event(m_connection, 0, m_id, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&marker));
        xcb_flush(m_connection);
    }

    void finish() {
        m_ended();
        deleteLater();
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_id;
    xcb_atom_t m_marker;
    std::function<void()> m_ended;
    QTimer m_poll;
};

// The frame's extents in the window's own pixels; nothing while the manager has not set them.
std::optional<QMargins> readFrameExtents(xcb_connection_t* connection, QWindow* window) {
    const auto id = xcb_window_t(window->winId());
    const auto cookie = xcb_get_property(connection, 0, id, atom(connection, "_NET_FRAME_EXTENTS"),
                                         XCB_ATOM_CARDINAL, 0, 4);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
    if (reply == nullptr)
        return std::nullopt;
    std::optional<QMargins> frame;
    if (reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
        const auto* v = static_cast<const quint32*>(xcb_get_property_value(reply));
        const qreal ratio = window->devicePixelRatio();
        const auto scaled = [ratio](quint32 value) { return qRound(value / ratio); };
        // The property holds left, right, top, bottom.
        frame = QMargins(scaled(v[0]), scaled(v[2]), scaled(v[1]), scaled(v[3]));
    }
    free(reply);
    return frame;
}

class FrameExtentsWatch : public QObject, public QAbstractNativeEventFilter {
public:
    FrameExtentsWatch(QObject* owner, xcb_connection_t* connection, QWindow* window,
                      std::function<void(QMargins)> changed)
        : QObject(owner), m_connection(connection), m_window(window),
          m_id(xcb_window_t(window->winId())), m_extents(atom(connection, "_NET_FRAME_EXTENTS")),
          m_changed(std::move(changed)) {
        qGuiApp->installNativeEventFilter(this);
    }
    ~FrameExtentsWatch() override { qGuiApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        const auto* change = propertyChange(type, message);
        if (change && change->window == m_id && change->atom == m_extents)
            // After Qt's own handling of the event.
            QMetaObject::invokeMethod(this, &FrameExtentsWatch::report, Qt::QueuedConnection);
        return false;
    }

private:
    void report() {
        if (m_window.isNull())
            return;
        const std::optional<QMargins> frame = readFrameExtents(m_connection, m_window);
        if (!frame)
            return;
        tellQt();
        m_changed(*frame);
    }

    // What a window manager sends after a move it made itself (ICCCM 4.1.5); sent before any
    // move `changed` asks for, so that Qt sees the geometries in their order.
    void tellQt() {
        const auto geometryCookie = xcb_get_geometry(m_connection, m_id);
        const auto rootCookie =
            xcb_translate_coordinates(m_connection, m_id, rootWindow(m_connection), 0, 0);
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(m_connection, geometryCookie, nullptr);
        xcb_translate_coordinates_reply_t* root =
            xcb_translate_coordinates_reply(m_connection, rootCookie, nullptr);
        if (geometry != nullptr && root != nullptr) {
            xcb_configure_notify_event_t event = {};
            event.response_type = XCB_CONFIGURE_NOTIFY;
            event.event = m_id;
            event.window = m_id;
            event.x = root->dst_x;
            event.y = root->dst_y;
            event.width = geometry->width;
            event.height = geometry->height;
            xcb_send_event(m_connection, 0, m_id, XCB_EVENT_MASK_STRUCTURE_NOTIFY,
                           reinterpret_cast<const char*>(&event));
            xcb_flush(m_connection);
        }
        free(geometry);
        free(root);
    }

    xcb_connection_t* m_connection;
    QPointer<QWindow> m_window;
    xcb_window_t m_id;
    xcb_atom_t m_extents;
    std::function<void(QMargins)> m_changed;
};

} // namespace

std::optional<QMargins> frameExtents(QWindow* window) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window || !window->handle())
        return std::nullopt;
    return readFrameExtents(connection, window);
}

void watchFrameExtents(QWindow* window, QObject* owner, std::function<void(QMargins)> changed) {
    xcb_connection_t* connection = x11Connection();
    if (connection && window)
        new FrameExtentsWatch(owner, connection, window, std::move(changed));
}

void whenMoveEnds(QWindow* window, QObject* owner, std::function<void()> ended) {
    xcb_connection_t* connection = x11Connection();
    if (connection && window)
        new MoveEndWatch(owner, connection, window, std::move(ended));
}

void watchActivation(QObject* owner, std::function<void(bool active)> changed) {
    xcb_connection_t* connection = x11Connection();
    const xcb_atom_t activeWindow =
        connection ? atom(connection, "_NET_ACTIVE_WINDOW") : xcb_atom_t(XCB_ATOM_NONE);
    if (activeWindow != XCB_ATOM_NONE &&
        rootProperty(connection, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM)
            .contains(activeWindow)) {
        new ActiveWindowWatch(owner, connection, activeWindow, std::move(changed));
        return;
    }
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, owner,
                     [changed = std::move(changed)](Qt::ApplicationState state) {
                         changed(state == Qt::ApplicationActive);
                     });
}

void setOpacity(QWindow* window, qreal opacity) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window)
        return;
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t property = atom(connection, "_NET_WM_WINDOW_OPACITY");
    if (opacity >= 1.0) {
        xcb_delete_property(connection, id, property);
    } else {
        const auto value = quint32(qRound64(qBound(0.0, opacity, 1.0) * 0xFFFFFFFFu));
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, property, XCB_ATOM_CARDINAL, 32,
                            1, &value);
    }
    xcb_flush(connection);
}

const char* const kBarStates[] = {"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR",
                                  "_NET_WM_STATE_SKIP_PAGER"};

void markAsDockedBar(QWindow* window) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window)
        return;
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    QList<xcb_atom_t> states;
    // Qt merges its own states into what the property already holds, so keep those too.
    const auto cookie = xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 64);
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i)
            states.append(values[i]);
        free(reply);
    }
    for (const char* name : kBarStates) {
        const xcb_atom_t wanted = atom(connection, name);
        if (!states.contains(wanted))
            states.append(wanted);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        uint32_t(states.size()), states.constData());
    xcb_flush(connection);
}

void requestDockedBarStates(QWindow* window) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window)
        return;
    for (const char* name : kBarStates) {
        const uint32_t add = 1;
        const uint32_t fromApplication = 1;
        sendToWindowManager(connection, window, atom(connection, "_NET_WM_STATE"),
                            {add, atom(connection, name), 0, fromApplication});
    }
    xcb_flush(connection);
}

void cancelMove(QWindow* window) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window)
        return;
    const uint32_t cancel = 11;
    const uint32_t fromApplication = 1;
    sendToWindowManager(connection, window, atom(connection, "_NET_WM_MOVERESIZE"),
                        {0, 0, cancel, 0, fromApplication});
    xcb_flush(connection);
}

QByteArray xsettings() {
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return {};
    const xcb_atom_t selection = atom(connection, "_XSETTINGS_S0");
    xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, selection), nullptr);
    const xcb_window_t manager = owner ? owner->owner : xcb_window_t(XCB_NONE);
    free(owner);
    if (manager == XCB_NONE)
        return {};
    const xcb_atom_t settings = atom(connection, "_XSETTINGS_SETTINGS");
    // A few kilobytes in practice; 256 KiB is more than any desktop publishes.
    const auto cookie = xcb_get_property(connection, 0, manager, settings, settings, 0, 65536);
    QByteArray blob;
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        blob = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                          xcb_get_property_value_length(reply));
        free(reply);
    }
    return blob;
}

QByteArray rootWindowText(const char* name) {
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return {};
    const auto cookie = xcb_get_property(connection, 0, rootWindow(connection),
                                         atom(connection, name), XCB_ATOM_ANY, 0, 16384);
    QByteArray text;
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        if (reply->format == 8)
            text = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                              xcb_get_property_value_length(reply));
        free(reply);
    }
    return text;
}

void mapPopupAtOnce(QWindow* window, const QRect& geometry) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window || !window->handle() || window->type() != Qt::Popup)
        return;
    // Qt moves a hidden window's native side only as it shows it.
    window->setGeometry(geometry);
    xcb_map_window(connection, xcb_window_t(window->winId()));
    xcb_flush(connection);
}

} // namespace DesktopWindow
