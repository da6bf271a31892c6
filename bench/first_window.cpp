// Start-up to the first window, as a player sees it: from starting the program to its first
// top-level window mapped on the X server, and to that window showing anything but black.
// Programs given one after the other are started in turn, round after round, so a busy
// machine weighs on each alike. Not a test: figures only.
// Usage: delvano_first_window ROUNDS PROGRAM [PROGRAM...]   (on $DISPLAY, without a window manager)
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Whether one line across the middle of the window holds a pixel that is not black.
bool shows_anything(xcb_connection_t* x, xcb_window_t window, int width, int height)
{
    auto* image = xcb_get_image_reply(
        x, xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, int16_t(height / 2),
                         uint16_t(width), 1, ~0u), nullptr);
    if (!image)
        return false;
    const uint8_t* data = xcb_get_image_data(image);
    const bool any = std::any_of(data, data + xcb_get_image_data_length(image),
                                 [](uint8_t byte) { return byte != 0; });
    free(image);
    return any;
}

// Milliseconds to the map and to the first picture; negative when it never came in 20 s.
std::pair<double, double> one_start(xcb_connection_t* x, xcb_window_t root, const char* program)
{
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    double mapped = -1, painted = -1;
    xcb_window_t window = 0;
    while (mapped < 0 && ms_since(start) < 20000) {
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (!event) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (!map->override_redirect && map->event == root) {
                mapped = ms_since(start);
                window = map->window;
            }
        }
        free(event);
    }
    if (window) {
        auto* geometry = xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
        while (geometry && painted < 0 && ms_since(start) < 20000) {
            if (shows_anything(x, window, geometry->width, geometry->height))
                painted = ms_since(start);
            else
                std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        free(geometry);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    // Whatever else it mapped on the way out is not the next start's.
    while (xcb_generic_event_t* event = xcb_poll_for_event(x))
        free(event);
    return {mapped, painted};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ROUNDS PROGRAM [PROGRAM...]\n", argv[0]);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const int programs = argc - 2;
    std::vector<std::vector<double>> mapped(programs), painted(programs);
    for (int round = 0; round < rounds; ++round) {
        for (int p = 0; p < programs; ++p) {
            const auto [map_ms, paint_ms] = one_start(x, root, argv[2 + p]);
            mapped[p].push_back(map_ms);
            painted[p].push_back(paint_ms);
        }
    }
    for (int p = 0; p < programs; ++p)
        std::printf("%-40s first window mapped %7.1f ms, painted %7.1f ms (median of %d)\n",
                    argv[2 + p], median(mapped[p]), median(painted[p]), rounds);
    xcb_disconnect(x);
    return 0;
}
