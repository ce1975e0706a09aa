// Starts a program, waits until the screen pixel at (x, y) is no longer the root's white,
// and prints the time from the start to that first painted frame and the program's peak
// resident memory at that moment. Then ends the program.
// Usage: first_frame_probe x y program [args...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long PeakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s x y program [args...]\n", argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[3], argv + 3);
        _exit(127);
    }
    bool painted = false;
    while (!painted) {
        XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
        if (image) {
            painted = (XGetPixel(image, 0, 0) & 0xFFFFFF) != 0xFFFFFF;
            XDestroyImage(image);
        }
        if (!painted) {
            if (std::chrono::steady_clock::now() - start > std::chrono::seconds(20))
                break;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const long peak = PeakResidentKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (!painted) {
        std::fprintf(stderr, "no frame within 20 s\n");
        return 1;
    }
    std::printf("%.2f %ld\n", ms, peak);
    return 0;
}
