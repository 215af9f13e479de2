// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the release path: a bare X client, no toolkit and no thread, that maps a
// pop-up below its bar as soon as a button release reaches it, and unmaps it on Escape.
// bench/menu_open.sh times it with menuwatch the way it times Larkspan.
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

constexpr uint8_t kEscapeKeycode = 9; // in the X server's default keymap

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

} // namespace

int main() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;

    const xcb_window_t bar = xcb_generate_id(c);
    const uint32_t barValues[] = {screen->white_pixel,
                                  XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, bar, screen->root, 0, 0, 406, 30, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, barValues);
    // Borderless like the bar it stands for; xdotool finds it by its process.
    const xcb_atom_t motifHints = atom(c, "_MOTIF_WM_HINTS");
    const uint32_t noDecorations[] = {2, 0, 0, 0, 0};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, bar, motifHints, motifHints, 32, 5,
                        noDecorations);
    const uint32_t pid = uint32_t(getpid());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, bar, atom(c, "_NET_WM_PID"), XCB_ATOM_CARDINAL,
                        32, 1, &pid);

    const xcb_window_t popup = xcb_generate_id(c);
    const uint32_t popupValues[] = {screen->black_pixel, 1, XCB_EVENT_MASK_KEY_PRESS};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, popup, screen->root, 0, 0, 120, 260, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK,
                      popupValues);
    xcb_map_window(c, bar);
    xcb_flush(c);

    while (xcb_generic_event_t* e = xcb_wait_for_event(c)) {
        const uint8_t type = e->response_type & 0x7f;
        if (type == XCB_BUTTON_RELEASE) {
            const auto* release = reinterpret_cast<xcb_button_release_event_t*>(e);
            const uint32_t corner[] = {uint32_t(release->root_x - release->event_x),
                                       uint32_t(release->root_y - release->event_y + 30)};
            xcb_configure_window(c, popup, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, corner);
            xcb_map_window(c, popup);
            xcb_grab_keyboard(c, 0, popup, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC,
                              XCB_GRAB_MODE_ASYNC);
            xcb_flush(c);
        } else if (type == XCB_KEY_PRESS &&
                   reinterpret_cast<xcb_key_press_event_t*>(e)->detail == kEscapeKeycode) {
            xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
            xcb_unmap_window(c, popup);
            xcb_flush(c);
        }
        std::free(e);
    }
    xcb_disconnect(c);
    return 0;
}
