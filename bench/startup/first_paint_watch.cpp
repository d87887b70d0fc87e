#include "first_paint_watch.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace motrel::bench {
namespace {

Display* asDisplay(void* display) { return static_cast<Display*>(display); }

bool overlaps(const XRectangle& area, const XWindowAttributes& window) {
    return area.x < window.x + window.width && window.x < area.x + area.width &&
           area.y < window.y + window.height && window.y < area.y + area.height;
}

double msSince(Clock::time_point start, Clock::time_point now) {
    return std::chrono::duration<double, std::milli>(now - start).count();
}

}  // namespace

struct FirstPaintWatch::Event {
    XEvent x;
    Clock::time_point seen;
};

FirstPaintWatch::FirstPaintWatch(bool verbose)
    : display_(XOpenDisplay(nullptr)), verbose_(verbose) {
    Display* display = asDisplay(display_);
    if (display == nullptr) throw std::runtime_error("cannot open the X display (DISPLAY)");
    int errorBase = 0;
    if (!XDamageQueryExtension(display, &damageEventBase_, &errorBase))
        throw std::runtime_error("the X server has no DAMAGE extension");
    int major = 0;
    int minor = 0;
    XDamageQueryVersion(display, &major, &minor);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    // Raw rectangles: one event per drawing request, with where it drew, and no region kept
    // in the server that would have to be subtracted again.
    damage_ = XDamageCreate(display, root, XDamageReportRawRectangles);
    pidAtom_ = XInternAtom(display, "_NET_WM_PID", False);
    XSync(display, False);
}

FirstPaintWatch::~FirstPaintWatch() {
    Display* display = asDisplay(display_);
    XDamageDestroy(display, damage_);
    XCloseDisplay(display);
}

void FirstPaintWatch::forgetPastEvents() { XSync(asDisplay(display_), True); }

bool FirstPaintWatch::nextEvent(Event& event, Clock::time_point deadline) {
    Display* display = asDisplay(display_);
    while (XPending(display) == 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(left.count()) + 1);
    }
    XNextEvent(display, &event.x);
    event.seen = Clock::now();
    return true;
}

pid_t FirstPaintWatch::ownerOf(unsigned long window) {
    Display* display = asDisplay(display_);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    pid_t pid = 0;
    if (XGetWindowProperty(display, window, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr && format == 32 && count == 1) {
        pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data != nullptr) XFree(data);
    return pid;
}

std::optional<FirstPaint> FirstPaintWatch::waitForFirstPaint(pid_t pid,
                                                             Clock::time_point deadline) {
    Display* display = asDisplay(display_);
    const Window root = DefaultRootWindow(display);
    const Clock::time_point start = Clock::now();
    std::optional<FirstPaint> found;
    XWindowAttributes mapped{};
    Event event{};
    while (nextEvent(event, deadline)) {
        if (event.x.type == MapNotify && event.x.xmap.event == root && !found) {
            const Window window = event.x.xmap.window;
            // Qt names the owning process on each of its top-level windows.
            if (ownerOf(window) != pid) continue;
            if (!XGetWindowAttributes(display, window, &mapped)) continue;
            found = FirstPaint{window, event.seen, {}};
            if (verbose_)
                std::fprintf(stderr, "  %8.2f ms  map 0x%lx %dx%d+%d+%d\n",
                             msSince(start, event.seen), window, mapped.width, mapped.height,
                             mapped.x, mapped.y);
        } else if (event.x.type == damageEventBase_ + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event.x);
            if (verbose_)
                std::fprintf(stderr, "  %8.2f ms  damage %dx%d+%d+%d%s\n",
                             msSince(start, event.seen), damage.area.width, damage.area.height,
                             damage.area.x, damage.area.y, found ? "" : " (before the map)");
            if (found && overlaps(damage.area, mapped) && found->painted == Clock::time_point{}) {
                found->painted = event.seen;
                if (!verbose_) return found;
                // Shows what else is drawn soon after, to tell whether the first drawing was the
                // whole window.
                deadline = std::min(deadline, event.seen + std::chrono::milliseconds(300));
            }
        }
    }
    if (found && found->painted != Clock::time_point{}) return found;
    return std::nullopt;
}

void FirstPaintWatch::waitUntilDestroyed(unsigned long window, Clock::time_point deadline) {
    Event event{};
    while (nextEvent(event, deadline)) {
        if (event.x.type == DestroyNotify && event.x.xdestroywindow.window == window) break;
    }
    forgetPastEvents();
}

}  // namespace motrel::bench
