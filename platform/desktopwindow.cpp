#include "platform/desktopwindow.h"

#include <QGuiApplication>
#include <QList>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
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

} // namespace

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
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    for (const char* name : kBarStates) {
        xcb_client_message_event_t event = {};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = xcb_window_t(window->winId());
        event.type = atom(connection, "_NET_WM_STATE");
        event.data.data32[0] = 1; // add
        event.data.data32[1] = atom(connection, name);
        event.data.data32[3] = 1; // from an application
        xcb_send_event(connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
    }
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

} // namespace DesktopWindow
