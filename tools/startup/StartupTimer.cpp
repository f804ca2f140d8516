// quiltrix_startup_timer [--trace] PROGRAM [ARGUMENT...]
// Starts PROGRAM on $DISPLAY and prints the milliseconds until its first
// window is mapped, then ends it. Exit status 1 when no window came within
// ten seconds. With --trace the game's own start-up marks are timed from the
// same launch (QUILTRIX_STARTUP_TRACE carries it) and the map is added to
// them on stderr.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Waits for any window of the server to be mapped; false on timeout.
bool waitForMap(xcb_connection_t* connection, Clock::time_point deadline) {
    pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped) return true;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0 || poll(&watch, 1, int(left)) <= 0) return false;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const bool trace = argc > 1 && std::strcmp(argv[1], "--trace") == 0;
    const int first = trace ? 2 : 1;
    if (argc <= first) {
        std::fprintf(stderr, "usage: %s [--trace] PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &events);
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const Clock::time_point start = Clock::now();
    if (trace) {
        const auto origin =
            std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch());
        setenv("QUILTRIX_STARTUP_TRACE", std::to_string(origin.count()).c_str(), 1);
    }
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[first], argv + first);
        _exit(127);
    }
    const bool mapped = waitForMap(connection, start + std::chrono::seconds(10));
    const double milliseconds =
        std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (trace && mapped)
        std::fprintf(stderr, "startup %8.2f ms  mapped on the X server\n", milliseconds);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    if (!mapped) return 1;
    std::printf("%.1f\n", milliseconds);
    return 0;
}
