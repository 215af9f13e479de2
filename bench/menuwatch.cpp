// Runs a command that opens a pop-up menu and reports how long it took until the menu was
// mapped; then closes it with Escape. Median of the runs, in milliseconds. Used by
// bench/menu_open.sh.
//   menuwatch RUNS COMMAND [ARGS...]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

pid_t spawn(char** argv) {
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        _exit(127);
    }
    return pid;
}

// A pop-up menu: an override-redirect window taller than a tooltip.
bool isMenu(xcb_connection_t* c, xcb_window_t w) {
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
    const bool tall = g && g->height >= 60;
    free(g);
    return tall;
}

xcb_window_t waitFor(xcb_connection_t* c, uint8_t wanted, xcb_window_t window, double timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::duration<double, std::milli>(timeoutMs);
    while (Clock::now() < deadline) {
        xcb_generic_event_t* e = xcb_poll_for_event(c);
        if (!e) {
            usleep(200);
            continue;
        }
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
        if (hit)
            return hit;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    const int runs = std::atoi(argv[1]);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        const pid_t trigger = spawn(argv + 2);
        const xcb_window_t menu = waitFor(c, XCB_MAP_NOTIFY, 0, 20000);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        waitpid(trigger, nullptr, 0);
        if (!menu) {
            std::fprintf(stderr, "menuwatch: no menu appeared\n");
            return 1;
        }
        times.push_back(ms);
        char escape[] = "xdotool", key[] = "key", esc[] = "Escape";
        char* closeArgs[] = {escape, key, esc, nullptr};
        waitpid(spawn(closeArgs), nullptr, 0);
        waitFor(c, XCB_UNMAP_NOTIFY, menu, 5000);
    }
    const double first = times.front();
    std::sort(times.begin(), times.end());
    std::printf("%.1f %.1f\n", times[times.size() / 2], first);
    xcb_disconnect(c);
    return 0;
}
