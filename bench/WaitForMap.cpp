// Starts a program and prints, in milliseconds, how long it took until its
// first top-level window was mapped on the X display, then ends it. With a
// second argument "--rss-after-ms N" it also waits N ms after the map and
// prints the program's peak resident memory in KiB.
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long peakRssKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: wait_for_map [--rss-after-ms N] PROGRAM [ARGS...]\n");
        return 2;
    }
    int first = 1;
    long rssAfterMs = -1;
    if (std::strcmp(argv[1], "--rss-after-ms") == 0 && argc > 3) {
        rssAfterMs = std::strtol(argv[2], nullptr, 10);
        first = 3;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "wait_for_map: cannot open the display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        _exit(127);
    }
    XEvent event;
    do {
        XNextEvent(display, &event);
    } while (event.type != MapNotify);
    const auto mapped = std::chrono::steady_clock::now();
    std::printf("%.2f", std::chrono::duration<double, std::milli>(mapped - start).count());
    if (rssAfterMs >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(rssAfterMs));
        std::printf(" %ld", peakRssKiB(child));
    }
    std::printf("\n");
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
