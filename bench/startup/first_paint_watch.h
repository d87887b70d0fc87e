// Sees from outside, as an X11 client, when a program's window first reaches the screen.
//
// The watch listens for top-level windows being mapped (SubstructureNotify on the root
// window) and for drawing on the screen (an XDamage object on the root window, which is told
// about drawing in every window below it). The first drawing inside a window after it was
// mapped is its first paint: Qt gives its windows no background, so mapping alone draws
// nothing, and a window manager, which would draw frames, is absent under Xvfb. The damage
// object exists before the program starts, so no paint can slip past it.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace motrel::bench {

using Clock = std::chrono::steady_clock;

struct FirstPaint {
    unsigned long window = 0;
    Clock::time_point mapped;
    Clock::time_point painted;
};

class FirstPaintWatch {
public:
    // Opens the display named by DISPLAY; throws std::runtime_error without it or XDamage.
    explicit FirstPaintWatch(bool verbose);
    ~FirstPaintWatch();
    FirstPaintWatch(const FirstPaintWatch&) = delete;
    FirstPaintWatch& operator=(const FirstPaintWatch&) = delete;

    // Drops every event seen so far, so that a finished program's last events are not taken
    // for the next one's.
    void forgetPastEvents();

    // Waits until a top-level window of the process is mapped and then drawn on; nothing when
    // the deadline passes first. When verbose, it prints every map and drawing event, and
    // goes on printing for 300 ms after the first paint before it returns.
    std::optional<FirstPaint> waitForFirstPaint(pid_t pid, Clock::time_point deadline);

    // Waits until the window has been destroyed (its program ended).
    void waitUntilDestroyed(unsigned long window, Clock::time_point deadline);

private:
    struct Event;
    bool nextEvent(Event& event, Clock::time_point deadline);
    pid_t ownerOf(unsigned long window);

    void* display_;  // Display*, kept out of this header so that Xlib's macros stay out too
    int damageEventBase_ = 0;
    unsigned long damage_ = 0;
    unsigned long pidAtom_ = 0;
    bool verbose_;
};

}  // namespace motrel::bench
