// Start-up to the first frame, as the window system sees it: the program is started here, its
// output going to a log, and timed from its launch to the first drawing on a window it makes,
// which the X server reports (DAMAGE extension) without any polling of the window list. Then
// the program's peak memory is read, at once and, when asked, some seconds later, and the
// program is ended.
//
// usage: quorvane_first_frame LOG SECONDS_LATER PROGRAM
// prints: MILLISECONDS PEAK_KIB [PEAK_KIB_LATER]
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct CloseDisplay {
    void operator()(Display* d) const { XCloseDisplay(d); }
};
using DisplayPtr = std::unique_ptr<Display, CloseDisplay>;

// A window can go before its damage is made or freed: that is no fault of the watcher.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

int Fail(const std::string& what) {
    std::fprintf(stderr, "first frame: %s\n", what.c_str());
    return 1;
}

// The program, with its standard output and error in `log`.
pid_t Launch(const char* log, const char* program) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int fd = open(log, O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (fd >= 0) {
            dup2(fd, STDOUT_FILENO);
            dup2(fd, STDERR_FILENO);
            close(fd);
        }
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

bool Running(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == 0;
}

// Waits for the first drawing on a window made on the root window since the selection; false
// when the program ends first or `patience` runs out.
bool WaitFirstDrawing(Display* display, int damageBase, pid_t pid, Clock::duration patience) {
    const auto deadline = Clock::now() + patience;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (Clock::now() < deadline) {
        if (XPending(display) == 0) {
            // The timeout only lets a program that dies be noticed; events wake at once.
            if (!Running(pid)) {
                return false;
            }
            poll(&connection, 1, 20);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
            XFlush(display);
        } else if (event.type == damageBase + XDamageNotify) {
            return true;
        }
    }
    return false;
}

long PeakKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

void End(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        return Fail("usage: quorvane_first_frame LOG SECONDS_LATER PROGRAM");
    }
    const double later = std::atof(argv[2]);
    const DisplayPtr display(XOpenDisplay(nullptr));
    if (!display) {
        return Fail("no X display");
    }
    int damageBase = 0;
    int errorBase = 0;
    if (!XDamageQueryExtension(display.get(), &damageBase, &errorBase)) {
        return Fail("the X server has no DAMAGE extension");
    }
    XSetErrorHandler(IgnoreError);
    XSelectInput(display.get(), DefaultRootWindow(display.get()), SubstructureNotifyMask);
    XSync(display.get(), False);

    const auto start = Clock::now();
    const pid_t pid = Launch(argv[1], argv[3]);
    if (pid < 0) {
        return Fail("cannot start the program");
    }
    if (!WaitFirstDrawing(display.get(), damageBase, pid, std::chrono::seconds(15))) {
        End(pid);
        return Fail(std::string(argv[3]) + " drew no window");
    }
    const auto elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start);
    std::printf("%.0f %ld", elapsed.count(), PeakKiB(pid));
    if (later > 0) {
        std::this_thread::sleep_for(std::chrono::duration<double>(later));
        std::printf(" %ld", PeakKiB(pid));
    }
    std::printf("\n");
    End(pid);
    return 0;
}
