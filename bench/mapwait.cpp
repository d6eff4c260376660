// Starts a program and waits for the X server to map its first top-level window; prints the
// time from the start to the map, the program's resident memory a while later, and the
// window's title, then ends the program with SIGTERM as a desktop's log-out would. Beside the
// wall-clock time it gives the CPU time the program had used by the map, which a busy machine
// disturbs far less.
// Watching the root window for MapNotify sees the map the moment it happens, where polling
// for the window (as xdotool --sync does, every half second) would blur start-up times of
// well under a second.
// Usage: mapwait [--rss-after MS] [--timeout MS] -- PROGRAM [ARGS...]
// Prints: <ms to mapped> <CPU ms to mapped> <VmRSS kB> <exit status> <title>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

namespace {

using SteadyClock = std::chrono::steady_clock;

double msSince(SteadyClock::time_point from) {
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - from).count();
}

long residentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// Time on the CPU of all the process's threads, from the scheduler's own nanosecond count.
double cpuMs(pid_t pid) {
    namespace fs = std::filesystem;
    double ns = 0;
    std::error_code error;
    for (const fs::directory_entry& task :
         fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double running = 0;
        if (schedstat >> running)
            ns += running;
    }
    return ns / 1e6;
}

// The window's _NET_WM_PID, which a toolkit sets before it maps the window.
std::optional<long> windowPid(Display* display, Window window) {
    const Atom property = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::optional<long> pid;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data && format == 32 && count == 1) {
        pid = *reinterpret_cast<const long*>(data);
    }
    if (data)
        XFree(data);
    return pid;
}

std::string windowTitle(Display* display, Window window) {
    char* name = nullptr;
    std::string title;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

// Waits for the first top-level window of the child to be mapped; nothing if the child ends
// (then reaped, and `ended` set) or the time runs out first.
std::optional<Window> waitForMap(Display* display, pid_t child, SteadyClock::time_point start,
                                 int timeoutMs, bool& ended) {
    const Window root = DefaultRootWindow(display);
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    while (msSince(start) < timeoutMs) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.event != root || event.xmap.override_redirect)
                continue;
            const std::optional<long> pid = windowPid(display, event.xmap.window);
            if (!pid || *pid == child)
                return event.xmap.window;
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            ended = true;
            return std::nullopt;
        }
        poll(&fd, 1, 50);
    }
    return std::nullopt;
}

int endChild(pid_t child) {
    kill(child, SIGTERM);
    int status = 0;
    for (int i = 0; i < 100; ++i) {
        if (waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return 128 + SIGKILL;
}

} // namespace

int main(int argc, char* argv[]) {
    int rssAfterMs = 2000;
    int timeoutMs = 20000;
    int first = 1;
    for (; first < argc && std::strcmp(argv[first], "--") != 0; ++first) {
        if (std::strcmp(argv[first], "--rss-after") == 0 && first + 1 < argc)
            rssAfterMs = std::atoi(argv[++first]);
        else if (std::strcmp(argv[first], "--timeout") == 0 && first + 1 < argc)
            timeoutMs = std::atoi(argv[++first]);
    }
    if (first + 1 >= argc) {
        std::fprintf(stderr,
                     "usage: mapwait [--rss-after MS] [--timeout MS] -- PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "mapwait: cannot open the display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const SteadyClock::time_point start = SteadyClock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first + 1], argv + first + 1);
        std::perror("mapwait: exec");
        _exit(127);
    }
    bool ended = false;
    const std::optional<Window> window = waitForMap(display, child, start, timeoutMs, ended);
    const double mappedMs = msSince(start);
    const double mappedCpuMs = window ? cpuMs(child) : 0;
    if (!window) {
        std::fprintf(stderr, "mapwait: %s mapped no window\n", argv[first + 1]);
        if (!ended)
            endChild(child);
        return 1;
    }
    const std::string title = windowTitle(display, *window);
    std::this_thread::sleep_for(std::chrono::milliseconds(rssAfterMs));
    const long rss = residentKb(child);
    const int exitStatus = endChild(child);
    std::printf("%.1f %.1f %ld %d %s\n", mappedMs, mappedCpuMs, rss, exitStatus, title.c_str());
    XCloseDisplay(display);
    return 0;
}
