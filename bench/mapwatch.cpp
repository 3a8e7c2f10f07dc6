// Starts a program and reports, in milliseconds since it was started, each of its
// top-level windows as the X server maps and unmaps it:
//   bench_mapwatch SECONDS PROGRAM [ARGUMENTS...]
// prints "pid N", then "map MS CPU WINDOW TITLE" / "unmap MS CPU WINDOW TITLE" lines, and
// "exit MS STATUS" when the program ends; after SECONDS it stops watching. CPU is the
// processor time, in milliseconds, all the program's threads have had so far: on a busy
// machine it says what the program itself cost, where the clock also counts the waiting.
// Menus, tooltips and completer pop-ups (override-redirect windows) are left out.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <dirent.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

namespace {

double nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// A window may be gone before its title is asked for; that is no reason to stop.
int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

std::string titleOf(Display* display, Window window)
{
    char* name = nullptr;
    std::string title;
    if (XFetchName(display, window, &name) && name)
        title = name;
    if (name)
        XFree(name);
    return title.empty() ? std::string("(untitled)") : title;
}

// The first field of each thread's schedstat is its time on a processor, in nanoseconds.
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* folder = opendir(tasks.c_str());
    if (!folder)
        return -1;
    double total = 0;
    while (const dirent* entry = readdir(folder)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        double nanoseconds = 0;
        if (stat >> nanoseconds)
            total += nanoseconds;
    }
    closedir(folder);
    return total / 1e6;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SECONDS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const double limitMs = std::atof(argv[1]) * 1e3;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "%s: cannot open the X display\n", argv[0]);
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    // Selected before the program starts, so that no map can slip past unseen.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }
    std::printf("pid %d\n", int(child));
    std::fflush(stdout);

    std::map<Window, std::string> titles;
    pollfd x{ConnectionNumber(display), POLLIN, 0};
    while (nowMs() - start < limitMs) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::printf("exit %.1f %d\n", nowMs() - start,
                        WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
            return 0;
        }
        if (!XPending(display))
            poll(&x, 1, 10);
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            const double at = nowMs() - start;
            if (event.type == MapNotify && event.xmap.event == root &&
                !event.xmap.override_redirect) {
                const Window window = event.xmap.window;
                titles[window] = titleOf(display, window);
                std::printf("map %.1f %.1f 0x%lx %s\n", at, cpuMs(child), window,
                            titles[window].c_str());
            } else if (event.type == UnmapNotify && event.xunmap.event == root &&
                       titles.count(event.xunmap.window)) {
                std::printf("unmap %.1f %.1f 0x%lx %s\n", at, cpuMs(child), event.xunmap.window,
                            titles[event.xunmap.window].c_str());
            }
            std::fflush(stdout);
        }
    }
    std::printf("timeout %.1f\n", nowMs() - start);
    return 1;
}
