// SPDX-License-Identifier: GPL-3.0-or-later
// Opens a pop-up menu of a program that is already running and reports how long it took
// until the menu was mapped; then closes it with Escape. Median of the runs and the first,
// in milliseconds. The first two ways pay no process start; the third is what a key binding
// does. Used by bench/menu_open.sh.
// The timed event comes after a quiet moment, MENUWATCH_QUIET_MS (50 unless set), on both
// sides: as a person's release comes a moment after the press, what the window manager does
// with the press (focus, raise) is over by then.
//   menuwatch RUNS click X Y    a left-button release at (X, Y), timed from the release
//   menuwatch RUNS signal PID   SIGUSR1 to PID, timed from the signal
//   menuwatch RUNS exec COMMAND [ARGUMENT...]
//                               COMMAND started, timed from just before its start; it is
//                               waited for before the menu closes
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr uint8_t kEscapeKeycode = 9; // in the X server's default keymap

// Fake input, waited for: the server has handled it when this returns.
void fakeInput(xcb_connection_t* c, uint8_t type, uint8_t detail, xcb_window_t root = 0,
               int16_t x = 0, int16_t y = 0) {
    xcb_test_fake_input(c, type, detail, XCB_CURRENT_TIME, root, x, y, 0);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

// A pop-up menu: an override-redirect window taller than a tooltip.
bool isMenu(xcb_connection_t* c, xcb_window_t w) {
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
    const bool tall = g && g->height >= 60;
    free(g);
    return tall;
}

// The time is taken as the event is read, before the look at its window's size.
xcb_window_t waitFor(xcb_connection_t* c, uint8_t wanted, xcb_window_t window, double timeoutMs,
                     Clock::time_point* seen = nullptr) {
    const auto deadline = Clock::now() + std::chrono::duration<double, std::milli>(timeoutMs);
    while (Clock::now() < deadline) {
        xcb_generic_event_t* e = xcb_poll_for_event(c);
        if (!e) {
            // Waits on the connection itself: a sleep would add its own period to the figure.
            pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
            poll(&fd, 1, 5);
            continue;
        }
        const auto readAt = Clock::now();
        xcb_window_t hit = 0;
        const uint8_t type = e->response_type & 0x7f;
        if (type == wanted && type == XCB_MAP_NOTIFY) {
            const auto* ev = reinterpret_cast<xcb_map_notify_event_t*>(e);
            if (ev->override_redirect && isMenu(c, ev->window))
                hit = ev->window;
        } else if (type == wanted && type == XCB_UNMAP_NOTIFY) {
            const auto* ev = reinterpret_cast<xcb_unmap_notify_event_t*>(e);
            if (ev->window == window)
                hit = ev->window;
        }
        free(e);
        if (hit) {
            if (seen)
                *seen = readAt;
            return hit;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool click = argc > 2 && std::strcmp(argv[2], "click") == 0;
    const bool exec = argc > 3 && std::strcmp(argv[2], "exec") == 0;
    if (!exec && argc != (click ? 5 : 4))
        return 2;
    const int runs = std::atoi(argv[1]);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    if (click)
        fakeInput(c, XCB_MOTION_NOTIFY, 0, root, int16_t(std::atoi(argv[3])),
                  int16_t(std::atoi(argv[4])));

    const char* quiet = std::getenv("MENUWATCH_QUIET_MS");
    const useconds_t quietUs = useconds_t(quiet ? std::atoi(quiet) : 50) * 1000;
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        if (click)
            fakeInput(c, XCB_BUTTON_PRESS, 1);
        usleep(quietUs);
        const auto start = Clock::now();
        pid_t started = 0;
        if (click) {
            xcb_test_fake_input(c, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, 0, 0, 0, 0);
            xcb_flush(c);
        } else if (exec) {
            if (posix_spawnp(&started, argv[3], nullptr, nullptr, argv + 3, environ) != 0) {
                std::fprintf(stderr, "menuwatch: cannot start %s\n", argv[3]);
                return 1;
            }
        } else {
            kill(pid_t(std::atoi(argv[3])), SIGUSR1);
        }
        Clock::time_point mapped;
        const xcb_window_t menu = waitFor(c, XCB_MAP_NOTIFY, 0, 20000, &mapped);
        const double ms = std::chrono::duration<double, std::milli>(mapped - start).count();
        int status = 0;
        if (started && (waitpid(started, &status, 0) != started || status != 0)) {
            std::fprintf(stderr, "menuwatch: %s failed\n", argv[3]);
            return 1;
        }
        if (!menu) {
            std::fprintf(stderr, "menuwatch: no menu appeared\n");
            return 1;
        }
        times.push_back(ms);
        fakeInput(c, XCB_KEY_PRESS, kEscapeKeycode);
        fakeInput(c, XCB_KEY_RELEASE, kEscapeKeycode);
        waitFor(c, XCB_UNMAP_NOTIFY, menu, 5000);
    }
    const double first = times.front();
    std::sort(times.begin(), times.end());
    std::printf("%.2f %.2f\n", times[times.size() / 2], first);
    xcb_disconnect(c);
    return 0;
}
