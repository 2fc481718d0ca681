// trelkin-window-mapped PROGRAM [ARGUMENT ...]: starts the program and prints, on one line, the milliseconds from
// its start until its first top-level window is mapped on the X display, and its peak memory in MB half a second
// later. The map is read from the display's own notifications, so that measuring takes no processor time from the
// program measured; a loop that starts a process to look for the window now and then does, on a small machine.
// Exits with 1, printing nothing, when the program ends before it shows a window.
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kSettleTime = std::chrono::milliseconds(500);
constexpr int kExitCheckMilliseconds = 10;

struct EventFree {
    void operator()(xcb_generic_event_t* event) const { std::free(event); }
};
using Event = std::unique_ptr<xcb_generic_event_t, EventFree>;

// Started with its output dropped, so that what it prints does not mix with the figures.
pid_t start(char** command) {
    const pid_t child = fork();
    if (child == 0) {
        const int nothing = open("/dev/null", O_WRONLY);
        dup2(nothing, STDOUT_FILENO);
        dup2(nothing, STDERR_FILENO);
        execv(command[0], command);
        _exit(EXIT_FAILURE);
    }
    return child;
}

bool topLevelMapped(xcb_connection_t* display) {
    bool mapped = false;
    while (Event event{xcb_poll_for_event(display)}) {
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
        // Menus and tooltips bypass the window manager; the window itself does not.
        if ((event->response_type & ~0x80) == XCB_MAP_NOTIFY && !map->override_redirect)
            mapped = true;
    }
    return mapped;
}

bool hasEnded(pid_t child) {
    int status = 0;
    return waitpid(child, &status, WNOHANG) == child;
}

long peakMegabytes(pid_t child) {
    std::ifstream status("/proc/" + std::to_string(child) + "/status");
    constexpr long kKilobytesPerMegabyte = 1024;
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(line.find_first_of("0123456789"))) / kKilobytesPerMegabyte;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return EXIT_FAILURE;
    xcb_connection_t* display = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(display))
        return EXIT_FAILURE;
    // Every window mapped at the top of the screen is announced to whoever watches the root window's children.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(display)).data->root;
    const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    std::free(
        xcb_request_check(display, xcb_change_window_attributes_checked(display, root, XCB_CW_EVENT_MASK, &events)));

    const Clock::time_point started = Clock::now();
    const pid_t child = start(argv + 1);
    pollfd readable{xcb_get_file_descriptor(display), POLLIN, 0};
    while (!topLevelMapped(display)) {
        if (hasEnded(child))
            return EXIT_FAILURE;
        poll(&readable, 1, kExitCheckMilliseconds);
    }
    const std::chrono::duration<double, std::milli> mapped = Clock::now() - started;

    std::this_thread::sleep_for(kSettleTime);
    const long peak = peakMegabytes(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(display);
    std::printf("%.0f %ld\n", mapped.count(), peak);
    return EXIT_SUCCESS;
}
