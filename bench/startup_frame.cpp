// Start-up to the first frame with the final content, as a user sees it on an X display.
//
//   startup_frame RUNS IDLE_SECONDS ANCHOR PROGRAM...
//
// Starts ANCHOR and each PROGRAM in turn, RUNS times each, and times each start from just
// before exec to the moment the program's window first holds exactly the pixels it shows once
// the program has gone idle (a warm-up start of each records those). Windows are followed
// through the damage extension, which reports every drawing with the server's time stamp;
// each report is answered with a read of the window. When a read shows the final pixels, the
// start took until the last drawing the read reflects: the server's clock, taken against
// ours before each start, gives that moment exactly, however long the read itself took.
// Also reports every program's peak resident memory, its threads and the windows it created,
// the processor time its main thread had when the frame was seen (what a start costs whatever
// else the machine runs), and how much processor time the last PROGRAM used over
// IDLE_SECONDS of sitting idle.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

double MillisecondsBetween(TClock::time_point from, TClock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double MillisecondsSince(TClock::time_point start) {
    return MillisecondsBetween(start, TClock::now());
}

// Windows vanish under a query when their program replaces or closes them; such errors are
// expected and ignored.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

struct TImage {
    int Width = 0;
    int Height = 0;
    std::vector<char> Pixels;
    bool operator==(const TImage&) const = default;
};

struct TStart {
    double Milliseconds = 0;
    double CpuMilliseconds = 0; // of the main thread, up to the first frame
    long PeakKilobytes = 0;
    int Threads = 0;
    int WindowsCreated = 0;
    int WindowsMapped = 0;
    long IdleTicks = -1;
    long IdleSwitches = -1;
};

std::string ProcField(pid_t pid, const char* file, const std::string& key) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0)
            return line.substr(key.size());
    }
    return {};
}

int Threads(pid_t pid) {
    return std::atoi(ProcField(pid, "status", "Threads:").c_str());
}

// Processor time of all the process's threads, in clock ticks.
long CpuTicks(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    std::getline(in, stat);
    const auto end = stat.rfind(')');
    if (end == std::string::npos)
        return -1;
    std::istringstream fields(stat.substr(end + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14)
            utime = std::stol(field);
        if (index == 15) {
            stime = std::stol(field);
            break;
        }
    }
    return utime + stime;
}

// Processor time the main thread has had, in milliseconds: what a start costs whatever
// else the machine runs.
double MainThreadCpu(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/schedstat");
    double nanoseconds = 0;
    in >> nanoseconds;
    return nanoseconds / 1e6;
}

// Times the main thread gave up or lost the processor: each wake-up adds one.
long Switches(pid_t pid) {
    return std::atol(ProcField(pid, "status", "voluntary_ctxt_switches:").c_str()) +
           std::atol(ProcField(pid, "status", "nonvoluntary_ctxt_switches:").c_str());
}

class TWatcher {
public:
    explicit TWatcher(Display* display) : FDisplay(display) {
        int error = 0;
        if (!XDamageQueryExtension(display, &FDamageEvent, &error))
            throw std::runtime_error("the X server has no damage extension");
        XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
        FClock = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
        XSelectInput(display, FClock, PropertyChangeMask);
        FTick = XInternAtom(display, "BRENLOW_STARTUP_TICK", False);
        XSync(display, False);
    }

    ~TWatcher() { XDestroyWindow(FDisplay, FClock); }

    // One start; with no reference it waits for the program to go idle and records what its
    // window shows then.
    TStart Run(const std::string& program, std::optional<TImage>& reference, int idleSeconds) {
        Forget();
        SetClock();
        const TClock::time_point start = TClock::now();
        FStartAfterSync = MillisecondsBetween(FLocalThen, start);
        const pid_t pid = fork();
        if (pid == 0) {
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        TStart result;
        const bool shown = reference ? WaitForFrame(*reference, start, result)
                                     : (reference = WaitForIdleFrame(pid, result)).has_value();
        if (!shown) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            throw std::runtime_error(program + " showed no window");
        }
        result.CpuMilliseconds = MainThreadCpu(pid);
        result.Threads = Threads(pid);
        if (idleSeconds > 0) {
            const long ticks = CpuTicks(pid), switches = Switches(pid);
            std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
            result.IdleTicks = CpuTicks(pid) - ticks;
            result.IdleSwitches = Switches(pid) - switches;
        }
        result.Threads = std::max(result.Threads, Threads(pid));
        kill(pid, SIGTERM);
        rusage usage{};
        int status = 0;
        while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
        }
        result.PeakKilobytes = usage.ru_maxrss;
        result.WindowsCreated = FCreated;
        result.WindowsMapped = FMapped;
        return result;
    }

private:
    // The server's clock against ours: a change to a property of our own window comes back
    // with the server's time, which fell between the two readings of our clock.
    void SetClock() {
        const TClock::time_point before = TClock::now();
        XChangeProperty(FDisplay, FClock, FTick, XA_INTEGER, 32, PropModeAppend, nullptr, 0);
        XEvent event;
        XIfEvent(FDisplay, &event, &TWatcher::IsTick, reinterpret_cast<XPointer>(this));
        const TClock::time_point after = TClock::now();
        FServerTime = event.xproperty.time;
        FLocalThen = before + (after - before) / 2;
    }

    static Bool IsTick(Display*, XEvent* event, XPointer watcher) {
        const auto* self = reinterpret_cast<const TWatcher*>(watcher);
        return event->type == PropertyNotify && event->xproperty.window == self->FClock &&
               event->xproperty.atom == self->FTick;
    }

    // Milliseconds from the start to a moment on the server's clock, which counts in
    // milliseconds and wraps around.
    double SinceStart(Time serverTime) const {
        const auto sinceSync = std::int32_t(std::uint32_t(serverTime - FServerTime));
        return double(sinceSync) - FStartAfterSync;
    }

    void Forget() {
        for (auto& [window, damage] : FDamage)
            XDamageDestroy(FDisplay, damage);
        FDamage.clear();
        FLastDrawing.clear();
        XSync(FDisplay, False);
        while (XPending(FDisplay)) {
            XEvent event;
            XNextEvent(FDisplay, &event);
        }
        FCreated = FMapped = 0;
    }

    // Handles one event within `timeoutMs`; returns the window whose pixels may have
    // changed, or None.
    std::optional<Window> Next(int timeoutMs) {
        if (!XPending(FDisplay)) {
            pollfd fd{ConnectionNumber(FDisplay), POLLIN, 0};
            if (poll(&fd, 1, timeoutMs) <= 0)
                return std::nullopt;
        }
        XEvent event;
        XNextEvent(FDisplay, &event);
        if (event.type == CreateNotify) {
            ++FCreated;
            FDamage[event.xcreatewindow.window] =
                XDamageCreate(FDisplay, event.xcreatewindow.window, XDamageReportRawRectangles);
            return Window(None);
        }
        if (event.type == MapNotify) {
            ++FMapped;
            return event.xmap.window;
        }
        if (event.type == DestroyNotify) {
            FDamage.erase(event.xdestroywindow.window);
            FLastDrawing.erase(event.xdestroywindow.window);
            return Window(None);
        }
        if (event.type == FDamageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            FLastDrawing[damage.drawable] = damage.timestamp;
            return damage.drawable;
        }
        return Window(None);
    }

    // The window's pixels; `request` gets the sequence number of the read, which every event
    // the server sent before it carries a lower one than.
    std::optional<TImage> Grab(Window window, unsigned long* request = nullptr) {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(FDisplay, window, &attributes) ||
            attributes.map_state != IsViewable)
            return std::nullopt;
        if (request)
            *request = NextRequest(FDisplay);
        XImage* image = XGetImage(FDisplay, window, 0, 0, attributes.width, attributes.height,
                                  AllPlanes, ZPixmap);
        if (!image)
            return std::nullopt;
        TImage grabbed{attributes.width, attributes.height, {}};
        const int rowBytes = attributes.width * image->bits_per_pixel / 8;
        for (int y = 0; y < attributes.height; ++y) {
            const char* row = image->data + std::ptrdiff_t(y) * image->bytes_per_line;
            grabbed.Pixels.insert(grabbed.Pixels.end(), row, row + rowBytes);
        }
        XDestroyImage(image);
        return grabbed;
    }

    bool WaitForFrame(const TImage& reference, TClock::time_point start, TStart& result) {
        while (MillisecondsSince(start) < 10000) {
            const auto changed = Next(100);
            if (!changed || *changed == None)
                continue;
            unsigned long request = 0;
            if (Grab(*changed, &request) != reference)
                continue;
            result.Milliseconds = MillisecondsSince(start);
            // Drawings reported before the read made what it saw.
            XEvent pending;
            while (XPending(FDisplay) && XPeekEvent(FDisplay, &pending) &&
                   pending.xany.serial < request)
                Next(0);
            if (const auto drawn = FLastDrawing.find(*changed); drawn != FLastDrawing.end())
                result.Milliseconds = std::min(result.Milliseconds, SinceStart(drawn->second));
            return true;
        }
        return false;
    }

    // The biggest window the program shows once it has used no processor time and drawn
    // nothing for half a second.
    std::optional<TImage> WaitForIdleFrame(pid_t pid, TStart& result) {
        const TClock::time_point start = TClock::now();
        std::map<Window, bool> shown;
        TClock::time_point quiet = TClock::now();
        long ticks = CpuTicks(pid);
        while (MillisecondsSince(start) < 20000) {
            if (const auto changed = Next(50); changed && *changed != None) {
                shown[*changed] = true;
                quiet = TClock::now();
            }
            if (const long now = CpuTicks(pid); now != ticks) {
                ticks = now;
                quiet = TClock::now();
            }
            if (shown.empty() || MillisecondsSince(quiet) < 500)
                continue;
            std::optional<TImage> best;
            for (const auto& [window, yes] : shown) {
                auto image = Grab(window);
                if (image && (!best || image->Pixels.size() > best->Pixels.size()))
                    best = std::move(image);
            }
            result.Milliseconds = MillisecondsSince(start);
            return best;
        }
        return std::nullopt;
    }

    Display* FDisplay;
    Window FClock = None;
    Atom FTick = None;
    Time FServerTime = 0;
    TClock::time_point FLocalThen;
    double FStartAfterSync = 0;
    int FDamageEvent = 0;
    std::map<Window, Damage> FDamage;
    std::map<Window, Time> FLastDrawing;
    int FCreated = 0;
    int FMapped = 0;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
}

std::string Name(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: startup_frame RUNS IDLE_SECONDS ANCHOR PROGRAM...\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const int idleSeconds = std::atoi(argv[2]);
    const std::vector<std::string> programs(argv + 3, argv + argc);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_frame: no display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreError);
    try {
        TWatcher watcher(display);
        std::vector<std::optional<TImage>> references(programs.size());
        std::vector<std::vector<TStart>> starts(programs.size());
        for (std::size_t p = 0; p < programs.size(); ++p)
            watcher.Run(programs[p], references[p], 0);
        for (int run = 0; run < runs; ++run) {
            for (std::size_t p = 0; p < programs.size(); ++p)
                starts[p].push_back(watcher.Run(programs[p], references[p], 0));
        }
        const std::size_t last = programs.size() - 1;
        const TStart idle = watcher.Run(programs[last], references[last], idleSeconds);

        std::vector<double> medians, cpuMedians;
        for (std::size_t p = 0; p < programs.size(); ++p) {
            std::vector<double> times, cpu, peaks;
            int threads = 0, created = 0, mapped = 0;
            for (const TStart& start : starts[p]) {
                times.push_back(start.Milliseconds);
                cpu.push_back(start.CpuMilliseconds);
                peaks.push_back(double(start.PeakKilobytes));
                threads = std::max(threads, start.Threads);
                created = std::max(created, start.WindowsCreated);
                mapped = std::max(mapped, start.WindowsMapped);
            }
            medians.push_back(Median(times));
            cpuMedians.push_back(Median(cpu));
            std::printf("%-14s first frame: median %6.1f ms (min %.1f, max %.1f, %d starts), "
                        "processor %.1f ms; peak RSS %.1f MB; threads %d; windows created %d, "
                        "mapped %d\n",
                        Name(programs[p]).c_str(), medians.back(),
                        *std::min_element(times.begin(), times.end()),
                        *std::max_element(times.begin(), times.end()), runs, cpuMedians.back(),
                        Median(peaks) / 1024, threads, created, mapped);
        }
        for (std::size_t p = 1; p < programs.size(); ++p)
            std::printf("%-14s first frame: %.2fx the anchor's time, %+.1f ms; processor %.2fx, "
                        "%+.1f ms\n",
                        Name(programs[p]).c_str(), medians[p] / medians[0], medians[p] - medians[0],
                        cpuMedians[p] / cpuMedians[0], cpuMedians[p] - cpuMedians[0]);
        std::printf("%-14s idle for %d s: %ld clock ticks of processor time, %ld wake-ups of "
                    "the main thread\n",
                    Name(programs[last]).c_str(), idleSeconds, idle.IdleTicks, idle.IdleSwitches);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_frame: %s\n", error.what());
        return 1;
    }
    XCloseDisplay(display);
    return 0;
}
