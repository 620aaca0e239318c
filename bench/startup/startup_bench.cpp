// Start-up of the editor next to a minimal wx dialog program: wall time from fork until the
// main window is mapped on the X display, wall time until the process has gone idle after that,
// and the process's peak resident memory. The program under test is left untouched: its window
// is recognised by its caption among the top-level windows of the display, idleness by its CPU
// time (from /proc/<pid>/schedstat, in nanoseconds) standing still.
//
// Usage: startup_bench [runs]   (needs DISPLAY; scripts/bench.sh gives it a private Xvfb)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

constexpr auto kShowTimeout = std::chrono::seconds(30);
constexpr auto kIdleWindow = std::chrono::milliseconds(250);  // no CPU time for this long is idle
constexpr auto kPoll = std::chrono::milliseconds(2);

struct Program {
    const char* label;
    const char* path;
    const char* caption;
    std::string size;  // "WxH" in MINIMAL_DIALOG_SIZE when not empty
};

struct Run {
    int width = 0, height = 0;  // of the window shown
    double shownMs = 0;
    double idleMs = 0;
    long peakKB = 0;
    bool ok = false;
};

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

bool HasCaption(Display* display, Window window, const char* caption) {
    char* name = nullptr;
    bool match = false;
    if (XFetchName(display, window, &name) && name) {
        match = std::strcmp(name, caption) == 0;
        XFree(name);
    }
    return match;
}

long long CpuNs(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/schedstat");
    long long ns = -1;
    in >> ns;
    return ns;
}

int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }  // a window may vanish while we look

// Waits for a MapNotify of a top-level window with the caption and returns that window (0 when
// none came). Windows mapped before their name is set are watched for the name to arrive.
Window WaitShown(Display* display, const char* caption, Clock::time_point deadline) {
    const Window root = DefaultRootWindow(display);
    while (Clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify) {
                XSelectInput(display, event.xmap.window, PropertyChangeMask);
                if (HasCaption(display, event.xmap.window, caption)) return event.xmap.window;
            } else if (event.type == PropertyNotify && event.xproperty.window != root) {
                XWindowAttributes attrs;
                if (XGetWindowAttributes(display, event.xproperty.window, &attrs) &&
                    attrs.map_state == IsViewable && HasCaption(display, event.xproperty.window, caption))
                    return event.xproperty.window;
            }
        }
        usleep(std::chrono::duration_cast<std::chrono::microseconds>(kPoll).count());
    }
    return 0;
}

Run Measure(Display* display, const Program& program) {
    Run run;
    XSync(display, True);  // forget the windows of earlier runs

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (!program.size.empty()) setenv("MINIMAL_DIALOG_SIZE", program.size.c_str(), 1);
        execl(program.path, program.path, static_cast<char*>(nullptr));
        _exit(127);
    }
    if (const Window window = WaitShown(display, program.caption, start + kShowTimeout)) {
        const auto shown = Clock::now();
        XWindowAttributes attrs;
        if (XGetWindowAttributes(display, window, &attrs)) {
            run.width = attrs.width;
            run.height = attrs.height;
        }
        run.shownMs = Ms(shown - start);
        // Idle: the CPU time stands still for kIdleWindow; idleness began at its last change.
        long long last = CpuNs(pid);
        auto lastChange = shown;
        while (Clock::now() - lastChange < kIdleWindow && Clock::now() < start + kShowTimeout) {
            usleep(std::chrono::duration_cast<std::chrono::microseconds>(kPoll).count());
            const long long now = CpuNs(pid);
            if (now != last) {
                last = now;
                lastChange = Clock::now();
            }
        }
        run.idleMs = Ms(lastChange - start);
        run.ok = true;
    } else {
        std::fprintf(stderr, "startup_bench: %s showed no window \"%s\"\n", program.path, program.caption);
    }
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.peakKB = usage.ru_maxrss;
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Summary {
    double shownMs, idleMs, peakKB;
};

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    // The third is the minimal dialog again, sized like the editor's window once that is known:
    // how long the X server takes to draw a window grows with its area.
    Program programs[] = {
        {"dvr-config", DVR_EDITOR_PATH, "ORVANTIS and SELDORIX Configuration", ""},
        {"minimal_dialog", DVR_MINIMAL_PATH, "Minimal Dialog", ""},
        {"minimal, sized", DVR_MINIMAL_PATH, "Minimal Dialog", ""},
    };
    constexpr int kPrograms = 3;

    // Both programs run with GTK's animations off and without overlay scrollbars, whose
    // fading would otherwise keep a window busy for the theme's sake, not the program's.
    char settings[] = "/tmp/dvr-startup-bench-XXXXXX";
    if (!mkdtemp(settings)) {
        std::perror("startup_bench: mkdtemp");
        return 2;
    }
    const std::string gtkDir = std::string(settings) + "/gtk-3.0";
    const std::string ini = gtkDir + "/settings.ini";
    mkdir(gtkDir.c_str(), 0700);
    std::ofstream(ini) << "[Settings]\ngtk-enable-animations=0\n";
    setenv("XDG_CONFIG_HOME", settings, 1);
    setenv("GTK_OVERLAY_SCROLLING", "0", 1);
    setenv("NO_AT_BRIDGE", "1", 1);

    // One connection for the whole run: it also keeps the X server from resetting between runs.
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_bench: no X display\n");
        return 2;
    }
    // The programs under test open their own connections; ours must not leak into them
    // (closing it in a child would talk over our stream).
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    XSetErrorHandler(IgnoreXErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    // One unmeasured start of each fills the page cache and the font caches for both alike.
    for (auto& program : programs) {
        const Run warm = Measure(display, program);
        if (&program == &programs[0])
            programs[2].size = std::to_string(warm.width) + "x" + std::to_string(warm.height);
    }

    std::vector<double> shown[kPrograms], idle[kPrograms], peak[kPrograms];
    int width[kPrograms] = {}, height[kPrograms] = {};
    bool failed = false;
    for (int i = 0; i < runs && !failed; ++i) {
        for (int p = 0; p < kPrograms && !failed; ++p) {  // interleaved: load on the machine hits both
            const Run run = Measure(display, programs[p]);
            failed = !run.ok;
            width[p] = run.width;
            height[p] = run.height;
            shown[p].push_back(run.shownMs);
            idle[p].push_back(run.idleMs);
            peak[p].push_back(static_cast<double>(run.peakKB));
        }
    }

    if (!failed) {
        Summary s[kPrograms];
        std::printf("Start-up, median of %d runs (window shown / process idle / peak resident memory):\n", runs);
        for (int p = 0; p < kPrograms; ++p) {
            s[p] = {Median(shown[p]), Median(idle[p]), Median(peak[p])};
            std::printf("  %-16s shown %8.1f ms   idle %8.1f ms   peak %8.0f kB   window %dx%d\n", programs[p].label,
                        s[p].shownMs, s[p].idleMs, s[p].peakKB, width[p], height[p]);
        }
        std::printf("  %-16s shown %8.2fx     idle %8.2fx     peak %8.2fx   (target: at most 1.20x)\n", "ratio",
                    s[0].shownMs / s[1].shownMs, s[0].idleMs / s[1].idleMs, s[0].peakKB / s[1].peakKB);
        std::printf("  %-16s shown %8.2fx     idle %8.2fx     peak %8.2fx\n", "ratio, sized",
                    s[0].shownMs / s[2].shownMs, s[0].idleMs / s[2].idleMs, s[0].peakKB / s[2].peakKB);
    }
    XCloseDisplay(display);
    std::remove(ini.c_str());
    rmdir(gtkDir.c_str());
    rmdir(settings);
    return failed ? 1 : 0;
}
