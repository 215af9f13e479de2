// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and reports how long it took until its first window was mapped, then its
// resident memory and wake-ups once idle. Used by bench/startup.sh.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

long statusField(pid_t pid, const char* field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const size_t n = std::strlen(field);
    while (std::getline(status, line))
        if (line.compare(0, n, field) == 0)
            return std::atol(line.c_str() + n + 1);
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: mapwatch PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    std::set<xcb_window_t> created;
    double mappedMs = -1;
    while (mappedMs < 0) {
        xcb_generic_event_t* e = xcb_wait_for_event(c);
        if (!e)
            break;
        const uint8_t type = e->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* ev = reinterpret_cast<xcb_create_notify_event_t*>(e);
            created.insert(ev->window);
            const uint32_t structure = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(c, ev->window, XCB_CW_EVENT_MASK, &structure);
            xcb_flush(c);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* ev = reinterpret_cast<xcb_map_notify_event_t*>(e);
            if (created.count(ev->window) && ev->event == ev->window)
                mappedMs = std::chrono::duration<double, std::milli>(
                               std::chrono::steady_clock::now() - start)
                               .count();
        }
        free(e);
    }
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const long rssKb = statusField(pid, "VmRSS:");
    const long wakeups0 = statusField(pid, "voluntary_ctxt_switches:") +
                          statusField(pid, "nonvoluntary_ctxt_switches:");
    std::this_thread::sleep_for(std::chrono::seconds(3));
    const long wakeups1 = statusField(pid, "voluntary_ctxt_switches:") +
                          statusField(pid, "nonvoluntary_ctxt_switches:");
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%.1f %ld %ld\n", mappedMs, rssKb, wakeups1 - wakeups0);
    xcb_disconnect(c);
    return mappedMs < 0;
}
