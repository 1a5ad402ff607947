// Key to pixels on a real X server: presses a key with XTEST and waits, through XDAMAGE, for
// the window's new pixels to reach the server. For every press it prints one line:
//
//   <key> <microseconds from the press to the last damage> <damaged pixels> <x0> <y0> <x1> <y1>
//   <damaged pixels inside the --inside rectangle>
//
// where the damaged pixels are the area of the union of the damaged rectangles and (x0, y0)
// to (x1, y1) their bounding box, in the window's coordinates (no damage: zeros).
//
// usage: key_to_pixels [--inside X0,Y0,X1,Y1] WINDOW_ID COUNT KEY [SETUP_KEY ...]
// Before every measured KEY, the SETUP_KEYs are pressed and their damage waited out. A key is
// an X keysym name (Up, Tab, space, F1, Home); "wait:MS" pauses instead.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>
#include <poll.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kQuietMs = 60;  // no damage for this long: the key's drawing is done
constexpr int kTimeoutMs = 3000;

int64_t now_us() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

struct Box {
    int x0, y0, x1, y1;
};

// The area of the union of rectangles, by sweeping the distinct x coordinates.
int64_t union_area(const std::vector<Box>& boxes) {
    std::vector<int> xs;
    for (const Box& b : boxes) xs.push_back(b.x0), xs.push_back(b.x1);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    int64_t area = 0;
    std::vector<std::pair<int, int>> spans;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        spans.clear();
        for (const Box& b : boxes)
            if (b.x0 <= xs[i] && b.x1 >= xs[i + 1]) spans.emplace_back(b.y0, b.y1);
        std::sort(spans.begin(), spans.end());
        int covered = 0, top = -1, bottom = -1;
        for (auto [y0, y1] : spans) {
            if (y0 > bottom) {
                covered += bottom - top;
                top = y0, bottom = y1;
            } else {
                bottom = std::max(bottom, y1);
            }
        }
        covered += bottom - top;
        area += static_cast<int64_t>(covered) * (xs[i + 1] - xs[i]);
    }
    return area;
}

struct Probe {
    Display* display;
    Window window;
    int damage_event;
    Damage damage;

    // Gathers damage until the window has been quiet for kQuietMs, waiting `first_ms` for the
    // first; returns the time of the last damage (0 if none came).
    int64_t collect(std::vector<Box>& boxes, int first_ms = kTimeoutMs) {
        int64_t last = 0;
        const int64_t start = now_us();
        for (;;) {
            while (XPending(display)) {
                XEvent e;
                XNextEvent(display, &e);
                if (e.type != damage_event + XDamageNotify) continue;
                const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(e);
                if (d.drawable != window) continue;
                boxes.push_back(
                    {d.area.x, d.area.y, d.area.x + d.area.width, d.area.y + d.area.height});
                last = now_us();
            }
            const int64_t quiet_since = last ? last : start;
            const int64_t left_ms =
                (quiet_since + (last ? kQuietMs : first_ms) * 1000 - now_us()) / 1000;
            if (left_ms <= 0) return last;
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(left_ms) + 1);
        }
    }

    void press(const char* name) {
        if (std::strncmp(name, "wait:", 5) == 0) {
            const timespec pause{0, std::atoi(name + 5) * 1000000L};
            nanosleep(&pause, nullptr);
            return;
        }
        const KeySym sym = XStringToKeysym(name);
        const KeyCode code = XKeysymToKeycode(display, sym);
        if (sym == NoSymbol || code == 0) {
            std::fprintf(stderr, "key_to_pixels: no key %s\n", name);
            std::exit(2);
        }
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
        XFlush(display);
    }
};

}  // namespace

int main(int argc, char** argv) {
    Box inside{0, 0, 0, 0};
    if (argc > 2 && std::strcmp(argv[1], "--inside") == 0) {
        std::sscanf(argv[2], "%d,%d,%d,%d", &inside.x0, &inside.y0, &inside.x1, &inside.y1);
        argv += 2;
        argc -= 2;
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: key_to_pixels WINDOW_ID COUNT KEY [SETUP_KEY ...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "key_to_pixels: cannot open the display\n");
        return 1;
    }
    int damage_event = 0, damage_error = 0, xtest = 0, major = 0, minor = 0;
    if (!XDamageQueryExtension(display, &damage_event, &damage_error) ||
        !XTestQueryExtension(display, &xtest, &xtest, &major, &minor)) {
        std::fprintf(stderr, "key_to_pixels: the X server lacks XDAMAGE or XTEST\n");
        return 1;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const int count = std::atoi(argv[2]);
    Probe probe{display, window, damage_event,
                XDamageCreate(display, window, XDamageReportRawRectangles)};
    XSync(display, False);

    std::vector<Box> boxes;
    // Whatever was still on its way. Neither this nor a pause waits long for damage that does
    // not come: an idle second or more slows the next key's drawing several times over on
    // some machines, the bare window's as much as the game's.
    probe.collect(boxes, kQuietMs);
    for (int i = 0; i < count; ++i) {
        for (int k = 4; k < argc; ++k) {
            probe.press(argv[k]);
            boxes.clear();
            probe.collect(boxes, std::strncmp(argv[k], "wait:", 5) == 0 ? 0 : kTimeoutMs);
        }
        boxes.clear();
        const int64_t pressed = now_us();
        probe.press(argv[3]);
        const int64_t last = probe.collect(boxes);
        Box all{0, 0, 0, 0};
        if (!boxes.empty()) {
            all = boxes[0];
            for (const Box& b : boxes)
                all = {std::min(all.x0, b.x0), std::min(all.y0, b.y0), std::max(all.x1, b.x1),
                       std::max(all.y1, b.y1)};
        }
        std::vector<Box> clipped;
        for (const Box& b : boxes) {
            const Box c{std::max(b.x0, inside.x0), std::max(b.y0, inside.y0),
                        std::min(b.x1, inside.x1), std::min(b.y1, inside.y1)};
            if (c.x0 < c.x1 && c.y0 < c.y1) clipped.push_back(c);
        }
        std::printf("%s %lld %lld %d %d %d %d %lld\n", argv[3],
                    static_cast<long long>(last ? last - pressed : 0),
                    static_cast<long long>(union_area(boxes)), all.x0, all.y0, all.x1, all.y1,
                    static_cast<long long>(union_area(clipped)));
        std::fflush(stdout);
    }
    XDamageDestroy(display, probe.damage);
    XCloseDisplay(display);
    return 0;
}
