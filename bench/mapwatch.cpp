// mapwatch: reports when windows are mapped, for the start-up and popup figures.
// Usage: mapwatch NAME PROGRAM [ARGS...]
//   Starts PROGRAM and prints "<milliseconds> <pid>" once a window named NAME is mapped, measured
//   from the start; the program keeps running.
// Usage: mapwatch --pid PID [--count N] NAME
//   Watches the running process PID and prints "<wall-clock milliseconds> <window>" for each of
//   its windows named NAME (which may be empty) as it is mapped; ends after N of them.
// Usage: mapwatch --face WINDOW SECONDS
//   Reads the window's pixels every millisecond for SECONDS and prints, for each wall-clock second
//   in which they changed, how many milliseconds after that second's start they first did.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>
#include <sys/types.h>
#include <unistd.h>

namespace {

// A property of the window as bytes; empty when it is missing.
std::string Property(xcb_connection_t *c, xcb_window_t w, xcb_atom_t property)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(c, 0, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(c, cookie, nullptr);
    std::string value;
    if (reply) {
        value.assign(static_cast<const char *>(xcb_get_property_value(reply)),
                     static_cast<std::size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
    }
    return value;
}

std::string WindowName(xcb_connection_t *c, xcb_window_t w)
{
    return Property(c, w, XCB_ATOM_WM_NAME);
}

std::optional<long> WindowPid(xcb_connection_t *c, xcb_window_t w, xcb_atom_t pidAtom)
{
    const std::string value = Property(c, w, pidAtom);
    if (value.size() < 4)
        return std::nullopt;
    std::uint32_t pid = 0;
    std::memcpy(&pid, value.data(), sizeof pid);
    return static_cast<long>(pid);
}

xcb_atom_t Atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// The next mapped window, or 0 when the connection ends.
xcb_window_t NextMapped(xcb_connection_t *c)
{
    while (xcb_generic_event_t *event = xcb_wait_for_event(c)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        const xcb_window_t window = mapped ? reinterpret_cast<xcb_map_notify_event_t *>(event)->window : 0;
        std::free(event);
        if (mapped)
            return window;
    }
    return 0;
}

int WatchProcess(xcb_connection_t *c, long pid, long count, const std::string &wanted)
{
    const xcb_atom_t pidAtom = Atom(c, "_NET_WM_PID");
    for (long seen = 0; seen < count;) {
        const xcb_window_t window = NextMapped(c);
        if (window == 0)
            return 1;
        if (WindowPid(c, window, pidAtom) != pid || WindowName(c, window) != wanted)
            continue;
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("%.1f %u\n", std::chrono::duration<double, std::milli>(now).count(), window);
        std::fflush(stdout);
        ++seen;
    }
    return 0;
}

int StartAndWatch(xcb_connection_t *c, char **program, const std::string &wanted)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(program[0], program);
        _exit(127);
    }
    while (const xcb_window_t window = NextMapped(c)) {
        if (WindowName(c, window) == wanted) {
            const auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
            std::printf("%.1f %d\n", ms.count(), static_cast<int>(pid));
            return 0;
        }
    }
    return 1;
}

double WallMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::system_clock::now().time_since_epoch()).count();
}

int WatchFace(xcb_connection_t *c, xcb_window_t w, long seconds)
{
    xcb_get_geometry_reply_t *geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
    if (!geometry)
        return 1;
    const std::uint16_t width = geometry->width;
    const std::uint16_t height = geometry->height;
    std::free(geometry);
    std::vector<std::uint8_t> last;
    long long lastSecond = -1;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < end) {
        xcb_get_image_reply_t *image = xcb_get_image_reply(
            c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, 0, 0, width, height, ~0u), nullptr);
        const double now = WallMs();
        if (!image)
            return 1;
        const std::uint8_t *data = xcb_get_image_data(image);
        std::vector<std::uint8_t> pixels(data, data + xcb_get_image_data_length(image));
        std::free(image);
        const auto second = static_cast<long long>(now / 1000);
        if (!last.empty() && pixels != last && second != lastSecond) {
            std::printf("%.1f\n", now - 1000.0 * static_cast<double>(second));
            std::fflush(stdout);
            lastSecond = second;
        }
        last.swap(pixels);
        usleep(1000);
    }
    return 0;
}

int Usage()
{
    std::fprintf(stderr, "usage: mapwatch NAME PROGRAM [ARGS...]\n"
                         "       mapwatch --pid PID [--count N] NAME\n"
                         "       mapwatch --face WINDOW SECONDS\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    long pid = 0;
    long count = 1;
    int arg = 1;
    if (argc > 1 && std::strcmp(argv[1], "--face") == 0) {
        if (argc != 4)
            return Usage();
        xcb_connection_t *c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c))
            return 2;
        const int result = WatchFace(c, static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0)),
                                     std::strtol(argv[3], nullptr, 10));
        xcb_disconnect(c);
        return result;
    }
    if (argc > 1 && std::strcmp(argv[1], "--pid") == 0) {
        if (argc < 4)
            return Usage();
        pid = std::strtol(argv[2], nullptr, 10);
        arg = 3;
        if (std::strcmp(argv[arg], "--count") == 0) {
            if (argc < 6)
                return Usage();
            count = std::strtol(argv[arg + 1], nullptr, 10);
            arg += 2;
        }
        if (pid <= 0 || count <= 0 || argc != arg + 1)
            return Usage();
    } else if (argc < 3) {
        return Usage();
    }
    const std::string wanted = argv[arg];

    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "mapwatch: no X display\n");
        return 2;
    }
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const int result = pid > 0 ? WatchProcess(c, pid, count, wanted) : StartAndWatch(c, argv + arg + 1, wanted);
    xcb_disconnect(c);
    return result;
}
