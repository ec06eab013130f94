// Times what a pupil waits for, from outside the program: each round starts the real program
// and the bare reference programs on a private X server, one after the other, and reads the
// moments from X itself. A step ends at its first finished frame: the first moment the screen
// already showed the pixels the window settles on (read back and hashed at every damage), so a
// blank or half-drawn frame never counts. Memory is the proportional set size of the process
// tree, at map and once the question engine has loaded.
//
//   launchbench [--rounds N] [--larkspur PATH] [--bare-window PATH] [--bare-view PATH]
//               [--question FIRST.mht --question2 SECOND.mht]
//
// The two questions are the ones the program shows first (the first paper's first and second
// question), so the bare view shows the same documents as the program.
//
// Results: medians and min-max of every step, and the medians of the per-round ratios against
// the bare programs of the same round.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// ---------------------------------------------------------------------------------------------
// Memory: proportional set size of a process and all its descendants, in kB.

std::vector<pid_t> childrenOf(pid_t pid)
{
    std::vector<pid_t> out;
    const fs::path tasks = fs::path("/proc") / std::to_string(pid) / "task";
    std::error_code ec;
    for (const auto &task : fs::directory_iterator(tasks, ec)) {
        std::ifstream in(task.path() / "children");
        pid_t child;
        while (in >> child)
            out.push_back(child);
    }
    return out;
}

long pssKb(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string key;
    long value = 0;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        words >> key >> value;
        if (key == "Pss:")
            return value;
    }
    return 0;
}

long treePssKb(pid_t root)
{
    long total = 0;
    std::vector<pid_t> todo{root};
    while (!todo.empty()) {
        const pid_t pid = todo.back();
        todo.pop_back();
        total += pssKb(pid);
        for (pid_t c : childrenOf(pid))
            todo.push_back(c);
    }
    return total;
}

// ---------------------------------------------------------------------------------------------
// What is on screen: a region of the root window read back and hashed. Xvfb draws no
// compositor and no hardware cursor, so the root's pixels are exactly what a pupil would see.

struct ScreenArea
{
    int x = 0, y = 0, w = 0, h = 0;
    bool empty() const { return w <= 0 || h <= 0; }
};

std::optional<std::uint64_t> pixelHash(Display *dpy, const ScreenArea &r)
{
    if (r.empty())
        return std::nullopt;
    XImage *image = XGetImage(dpy, DefaultRootWindow(dpy), r.x, r.y, unsigned(r.w), unsigned(r.h),
                              AllPlanes, ZPixmap);
    if (!image)
        return std::nullopt;
    std::uint64_t hash = 1469598103934665603ull; // FNV-1a
    const auto *bytes = reinterpret_cast<const unsigned char *>(image->data);
    const std::size_t rowBytes = std::size_t(r.w) * std::size_t(image->bits_per_pixel / 8);
    for (int row = 0; row < r.h; ++row) {
        const unsigned char *line = bytes + std::size_t(row) * std::size_t(image->bytes_per_line);
        for (std::size_t i = 0; i < rowBytes; ++i)
            hash = (hash ^ line[i]) * 1099511628211ull;
    }
    XDestroyImage(image);
    return hash;
}

// ---------------------------------------------------------------------------------------------
// One program run on the private display.

struct Options
{
    int rounds = 7;
    std::string larkspur = "src/app/larkspur";
    std::string bareWindow = "bench/bare_window";
    std::string bareView = "bench/bare_view";
    std::string question;
    std::string question2;
    int nexts = 5;
};

// How long a region must stay unchanged to count as settled.
constexpr double QuietMs = 600;

class Run
{
public:
    Run(Display *dpy, int damageEvent) : dpy_(dpy), damageEvent_(damageEvent) {}
    ~Run() { stop(); }

    bool start(const std::vector<std::string> &argv, const std::map<std::string, std::string> &env)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        start_ = nowMs();
        pid_ = fork();
        if (pid_ == 0) {
            setpgid(0, 0);
            for (const auto &[k, v] : env)
                setenv(k.c_str(), v.c_str(), 1);
            dup2(fds[1], 2);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
            close(fds[0]);
            std::vector<char *> args;
            for (const auto &a : argv)
                args.push_back(const_cast<char *>(a.c_str()));
            args.push_back(nullptr);
            execv(args[0], args.data());
            _exit(127);
        }
        close(fds[1]);
        out_ = fds[0];
        fcntl(out_, F_SETFL, O_NONBLOCK);
        return pid_ > 0;
    }

    void stop()
    {
        if (pid_ > 0) {
            kill(-pid_, SIGTERM);
            for (int i = 0; i < 50 && waitpid(pid_, nullptr, WNOHANG) == 0; ++i)
                usleep(20000);
            kill(-pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
        if (out_ >= 0) {
            close(out_);
            out_ = -1;
        }
        damages_.clear(); // destroyed with their windows
        XSync(dpy_, True);
    }

    // Serves X events and the program's stamps until `done` holds or the time runs out.
    template<typename Pred> bool waitFor(Pred done, double timeoutMs)
    {
        const double end = nowMs() + timeoutMs;
        while (!done()) {
            const double left = end - nowMs();
            if (left <= 0)
                return false;
            pollfd fds[2] = {{ConnectionNumber(dpy_), POLLIN, 0}, {out_, POLLIN, 0}};
            if (XPending(dpy_) == 0)
                poll(fds, 2, int(std::min(left, 20.0)) + 1);
            serve();
        }
        return true;
    }
    void pause(double ms)
    {
        waitFor([] { return false; }, ms);
    }

    void pointer(int x, int y)
    {
        XTestFakeMotionEvent(dpy_, -1, x, y, CurrentTime);
        XFlush(dpy_);
    }
    void click(int x, int y)
    {
        XTestFakeMotionEvent(dpy_, -1, x, y, CurrentTime);
        XTestFakeButtonEvent(dpy_, 1, True, CurrentTime);
        XTestFakeButtonEvent(dpy_, 1, False, CurrentTime);
        XFlush(dpy_);
    }

    // Tab, or Shift+Tab: moves the keyboard focus, which always changes the frame.
    void tab(bool back)
    {
        const KeyCode shift = XKeysymToKeycode(dpy_, XK_Shift_L);
        const KeyCode tabKey = XKeysymToKeycode(dpy_, XK_Tab);
        if (back)
            XTestFakeKeyEvent(dpy_, shift, True, CurrentTime);
        XTestFakeKeyEvent(dpy_, tabKey, True, CurrentTime);
        XTestFakeKeyEvent(dpy_, tabKey, False, CurrentTime);
        if (back)
            XTestFakeKeyEvent(dpy_, shift, False, CurrentTime);
        XFlush(dpy_);
    }
    // Whether a program's window holds the keyboard (no window manager hands it out here).
    bool programHasKeyboard()
    {
        Window focus = None;
        int revert = 0;
        XGetInputFocus(dpy_, &focus, &revert);
        return focus != None && focus != PointerRoot && focus != DefaultRootWindow(dpy_);
    }
    // The watched region's pixels now.
    std::optional<std::uint64_t> pixelsNow() { return observe(); }
    // The first frame after `t` whose pixels differ from `before`.
    std::optional<double> changedFrameAfter(double t, std::uint64_t before) const
    {
        for (const auto &[at, hash] : frames_)
            if (at > t && hash != before)
                return at;
        return std::nullopt;
    }

    // Reads `region` back at every damage from now on (and at each settling poll).
    void watch(const ScreenArea &region)
    {
        watched_ = region;
        frames_.clear();
        observe();
    }

    // Waits until the watched region has not changed for QuietMs, then answers the first moment
    // after `after` at which it already showed those settled pixels: the first finished frame.
    std::optional<double> firstFinishedFrame(double after, double timeoutMs = 20000)
    {
        const double end = nowMs() + timeoutMs;
        std::optional<std::uint64_t> last;
        double since = nowMs();
        while (nowMs() < end) {
            pause(20);
            const auto h = observe();
            if (!h)
                return std::nullopt;
            if (h != last) {
                last = h;
                since = nowMs();
            } else if (nowMs() - since >= QuietMs) {
                if (std::getenv("LAUNCHBENCH_FRAMES")) // what changed when, for finding out why
                    for (const auto &[t, hash] : frames_)
                        std::fprintf(stderr, "frame %.1f %016llx%s\n", t - after,
                                     static_cast<unsigned long long>(hash),
                                     hash == *last ? " settled" : "");
                for (const auto &[t, hash] : frames_)
                    if (t >= after && hash == *last)
                        return t;
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    double start_ = 0;
    double mapped = 0; // first top-level window mapped
    ScreenArea mappedRegion;
    long pssAtMap = 0;
    std::vector<std::pair<double, std::string>> stamps;
    std::map<std::string, std::pair<int, int>> places;
    std::map<std::string, ScreenArea> rects;
    std::vector<double> damageTimes; // every damage on any top-level window

    std::optional<double> stamp(const std::string &name, double after = 0) const
    {
        for (const auto &[t, n] : stamps)
            if (n == name && t >= after)
                return t;
        return std::nullopt;
    }
    std::optional<double> damageAfter(double t) const
    {
        for (double d : damageTimes)
            if (d > t)
                return d;
        return std::nullopt;
    }
    long treePss() const { return pid_ > 0 ? treePssKb(pid_) : 0; }

private:
    std::optional<std::uint64_t> observe()
    {
        const auto h = pixelHash(dpy_, watched_);
        if (h)
            frames_.emplace_back(nowMs(), *h);
        return h;
    }

    void serve()
    {
        while (XPending(dpy_) > 0) {
            XEvent ev;
            XNextEvent(dpy_, &ev);
            const double t = nowMs();
            if (ev.type == MapNotify && !ev.xmap.override_redirect &&
                ev.xmap.event == DefaultRootWindow(dpy_)) {
                if (mapped == 0) {
                    mapped = t;
                    pssAtMap = treePssKb(pid_);
                    XWindowAttributes a{};
                    Window child = 0;
                    int x = 0, y = 0;
                    if (XGetWindowAttributes(dpy_, ev.xmap.window, &a) &&
                        XTranslateCoordinates(dpy_, ev.xmap.window, DefaultRootWindow(dpy_), 0, 0,
                                              &x, &y, &child))
                        mappedRegion = {x, y, a.width, a.height};
                }
                const Damage d = XDamageCreate(dpy_, ev.xmap.window, XDamageReportNonEmpty);
                damages_[ev.xmap.window] = d;
            } else if (ev.type == damageEvent_ + XDamageNotify) {
                auto *de = reinterpret_cast<XDamageNotifyEvent *>(&ev);
                XDamageSubtract(dpy_, de->damage, None, None);
                damageTimes.push_back(t);
                observe();
            }
        }
        char buf[4096];
        for (;;) {
            const ssize_t n = read(out_, buf, sizeof buf);
            if (n <= 0)
                break;
            pending_.append(buf, size_t(n));
        }
        size_t nl;
        while ((nl = pending_.find('\n')) != std::string::npos) {
            std::istringstream line(pending_.substr(0, nl));
            pending_.erase(0, nl + 1);
            std::string kind, name;
            line >> kind >> name;
            if (kind == "larkspur-stamp") {
                double ms = 0;
                line >> ms;
                stamps.emplace_back(ms, name);
            } else if (kind == "larkspur-place") {
                int x = 0, y = 0;
                line >> x >> y;
                places[name] = {x, y};
            } else if (kind == "larkspur-rect") {
                ScreenArea r;
                line >> r.x >> r.y >> r.w >> r.h;
                rects[name] = r;
            }
        }
    }

    Display *dpy_;
    int damageEvent_;
    pid_t pid_ = -1;
    int out_ = -1;
    std::string pending_;
    std::map<Window, Damage> damages_;
    ScreenArea watched_;
    std::vector<std::pair<double, std::uint64_t>> frames_;
};

// ---------------------------------------------------------------------------------------------
// Figures

struct Series
{
    std::vector<double> v;
    void add(std::optional<double> x)
    {
        if (x)
            v.push_back(*x);
    }
    std::optional<double> last() const
    {
        return v.empty() ? std::nullopt : std::optional<double>(v.back());
    }
    double median() const
    {
        if (v.empty())
            return 0;
        auto s = v;
        std::sort(s.begin(), s.end());
        return s.size() % 2 ? s[s.size() / 2] : (s[s.size() / 2 - 1] + s[s.size() / 2]) / 2;
    }
    double min() const { return v.empty() ? 0 : *std::min_element(v.begin(), v.end()); }
    double max() const { return v.empty() ? 0 : *std::max_element(v.begin(), v.end()); }
};

std::optional<double> since(double a, std::optional<double> b)
{
    if (a <= 0 || !b || *b <= 0)
        return std::nullopt;
    return *b - a;
}

std::optional<double> ratio(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b || *b <= 0)
        return std::nullopt;
    return *a / *b;
}

std::optional<double> megabytes(long kb)
{
    return kb > 0 ? std::optional<double>(double(kb) / 1024.0) : std::nullopt;
}

fs::path makeTempDir(const char *stem)
{
    std::string pattern = (fs::temp_directory_path() / (std::string(stem) + "XXXXXX")).string();
    if (!mkdtemp(pattern.data()))
        return {};
    return pattern;
}

std::map<std::string, std::string> commonEnv(const std::string &display)
{
    std::map<std::string, std::string> env{{"DISPLAY", display}, {"LARKSPUR_TIMING", "1"}};
    return env;
}

double loadAverage()
{
    double one = -1;
    std::ifstream("/proc/loadavg") >> one;
    return one;
}

// A corner of the screen where no window of any run stands.
constexpr int RestX = 1279, RestY = 1023;

// Turns pages of a question view: clicks (x, y) and answers, for each click, the time from the
// click to the first finished frame of the view (at `view`) showing the next document.
Series turnPages(Run &r, int x, int y, const ScreenArea &view, int count)
{
    Series out;
    for (int k = 0; k < count; ++k) {
        r.pointer(RestX, RestY);
        r.pause(150);
        r.watch(view);
        const double t = nowMs();
        r.click(x, y);
        if (!r.waitFor([&] { return r.stamp("question-loaded", t).has_value(); }, 10000))
            continue;
        out.add(since(t, r.firstFinishedFrame(t)));
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--rounds")
            o.rounds = std::atoi(argv[i + 1]);
        else if (a == "--larkspur")
            o.larkspur = argv[i + 1];
        else if (a == "--bare-window")
            o.bareWindow = argv[i + 1];
        else if (a == "--bare-view")
            o.bareView = argv[i + 1];
        else if (a == "--question")
            o.question = argv[i + 1];
        else if (a == "--question2")
            o.question2 = argv[i + 1];
        else {
            std::fprintf(stderr, "unknown option %s\n", a.c_str());
            return 2;
        }
    }
    for (std::string *p : {&o.larkspur, &o.bareWindow, &o.bareView})
        *p = fs::absolute(*p).string();
    if (!o.question.empty() && o.question2.empty())
        o.question2 = o.question;

    // A private X server of our own, so nothing else draws meanwhile.
    int displayPipe[2];
    if (pipe(displayPipe) != 0)
        return 1;
    const pid_t xvfb = fork();
    if (xvfb == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM); // never outlive the benchmark
        close(displayPipe[0]);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        const std::string fd = std::to_string(displayPipe[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
               "-nolisten", "tcp", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(displayPipe[1]);
    char num[32] = {};
    const ssize_t got = read(displayPipe[0], num, sizeof num - 1);
    if (got <= 0) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    const std::string display = ":" + std::string(num, size_t(got)).substr(0, strcspn(num, "\n"));
    Display *dpy = XOpenDisplay(display.c_str());
    if (!dpy) {
        std::fprintf(stderr, "cannot open display %s\n", display.c_str());
        kill(xvfb, SIGTERM);
        return 1;
    }
    int damageEvent = 0, damageError = 0, xtest[4];
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError) ||
        !XTestQueryExtension(dpy, &xtest[0], &xtest[1], &xtest[2], &xtest[3])) {
        std::fprintf(stderr, "the X server lacks DAMAGE or XTEST\n");
        return 1;
    }
    // Windows go away with their programs, and their damage objects with them.
    XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);
    const double loadBefore = loadAverage();

    const fs::path warmHome = makeTempDir("larkspur-bench-home-");
    // The bare view reads the questions as the program does: from .mht files it wrote.
    const fs::path documents = makeTempDir("larkspur-bench-questions-");
    for (auto [from, name] :
         {std::pair(&o.question, "first.mht"), std::pair(&o.question2, "second.mht")}) {
        if (from->empty())
            continue;
        std::error_code ec;
        fs::copy_file(*from, documents / name, fs::copy_options::overwrite_existing, ec);
        if (ec) {
            std::fprintf(stderr, "cannot read the question %s\n", from->c_str());
            return 2;
        }
        *from = (documents / name).string();
    }
    Series bareMap, bareFrame, barePss, homeMap, homeFrame, homePss, homePssWarm, firstFrame;
    Series mapRatio, frameRatio, firstRatio, pssRatio, pssWarmRatio;
    Series probeWorst, probeCount;
    Series bareViewPss, bareNext, openQuestion, nextQuestion, openRatio, nextRatio;
    ScreenArea viewRegion; // where the program's question view stands, learnt in the first round

    // Starts a program with the pointer out of the way and watches its window from its map on.
    const auto launch = [](Run &r, const std::vector<std::string> &argv,
                           const std::map<std::string, std::string> &env, double mapTimeoutMs) {
        r.pointer(RestX, RestY);
        r.start(argv, env);
        r.waitFor([&] { return r.mapped > 0; }, mapTimeoutMs);
        r.watch(r.mappedRegion);
    };
    const auto launchLarkspur = [&](Run &r, const fs::path &home) {
        auto env = commonEnv(display);
        env["LARKSPUR_HOME"] = home.string();
        launch(r, {o.larkspur}, env, 15000);
    };

    // The bare window: mapped, first finished frame, memory at map.
    auto runBare = [&](Series &map, Series &frame, Series &pss) {
        Run r(dpy, damageEvent);
        launch(r, {o.bareWindow}, commonEnv(display), 10000);
        const auto finished = r.firstFinishedFrame(r.start_);
        map.add(since(r.start_, r.mapped));
        frame.add(since(r.start_, finished));
        pss.add(megabytes(r.pssAtMap));
        return std::pair(since(r.start_, r.mapped), since(r.start_, finished));
    };

    for (int round = 0; round < o.rounds + 1; ++round) {
        // Round 0 fills the warm data folder and learns where things stand; it is not counted.
        const bool counted = round > 0;
        const auto [bm, bf] = runBare(bareMap, bareFrame, barePss);
        const auto bpss = barePss.last();

        std::optional<double> openMs, nextMs;
        {
            Run r(dpy, damageEvent);
            launchLarkspur(r, warmHome);
            r.pointer(RestX, RestY);
            const auto finished = r.firstFinishedFrame(r.start_);
            const auto m = since(r.start_, r.mapped), f = since(r.start_, finished);
            r.waitFor([&] { return r.stamp("viewer-warm").has_value(); }, 15000);
            r.pause(500); // the engine's own processes settle
            const long pssWarm = r.treePss();
            if (counted) {
                homeMap.add(m);
                homeFrame.add(f);
                homePss.add(megabytes(r.pssAtMap));
                homePssWarm.add(megabytes(pssWarm));
                mapRatio.add(ratio(m, bm));
                frameRatio.add(ratio(f, bf));
                pssRatio.add(ratio(megabytes(r.pssAtMap), bpss));
            }
            // Open the first paper once the viewer is warm, then turn pages.
            if (r.places.count("P1a")) {
                const auto [x, y] = r.places["P1a"];
                r.watch(viewRegion);
                const double clicked = nowMs();
                r.click(x, y);
                r.waitFor([&] { return r.stamp("question-loaded", clicked).has_value(); }, 15000);
                r.pause(5);
                if (r.rects.count("brwWebBrowser")) {
                    const ScreenArea at = r.rects["brwWebBrowser"];
                    if (viewRegion.empty())
                        viewRegion = at; // learnt now; counted from the next round
                    else
                        openMs = since(clicked, r.firstFinishedFrame(clicked));
                }
                if (r.places.count("ToolBar06")) {
                    const auto [nx, ny] = r.places["ToolBar06"];
                    const Series nexts = turnPages(r, nx, ny, viewRegion, o.nexts);
                    if (!nexts.v.empty())
                        nextMs = nexts.median();
                }
            }
            if (counted) {
                openQuestion.add(openMs);
                nextQuestion.add(nextMs);
            }
        }

        // While the engine preloads, the pupil presses Tab and Shift+Tab in turn: each press
        // moves the focus ring, and is answered when a frame with other pixels is on screen.
        // Keys, not pointer moves: a move over a control without a hover look changes nothing,
        // so an unrelated frame would have passed for its answer. A run of its own, as the
        // focus moves leave the window in a look no finished frame of the start would show.
        {
            Run r(dpy, damageEvent);
            launchLarkspur(r, warmHome);
            r.waitFor([&] { return r.damageAfter(r.mapped).has_value(); }, 15000);
            // Presses count once the window holds the keyboard and has drawn its first frame; a
            // press before that may go nowhere.
            r.waitFor([&] { return r.programHasKeyboard() && r.stamp("first-frame"); }, 5000);
            Series probes;
            int during = 0; // presses made while the engine was loading
            for (int k = 0; k < 400 && !r.stamp("viewer-warm"); ++k) {
                const auto before = r.pixelsNow();
                if (!before)
                    break;
                const double t = nowMs();
                r.tab(k % 2 == 1);
                const bool answered =
                    r.waitFor([&] { return r.changedFrameAfter(t, *before).has_value(); }, 2000);
                probes.add(answered ? since(t, r.changedFrameAfter(t, *before)) : 2000.0);
                if (r.stamp("viewer-start") && !r.stamp("viewer-warm", t))
                    ++during;
                if (std::getenv("LAUNCHBENCH_PROBES"))
                    std::fprintf(stderr, "press at %.1f answered in %.1f\n", t - r.mapped,
                                 probes.v.back());
                if (!answered)
                    break;
            }
            if (std::getenv("LAUNCHBENCH_PROBES"))
                for (const auto &[t, n] : r.stamps)
                    std::fprintf(stderr, "stamp %s %.1f\n", n.c_str(), t - r.mapped);
            r.stop();
            if (counted && !probes.v.empty()) {
                probeWorst.add(probes.max());
                probeCount.add(double(during));
            }
        }

        // First-ever start: an empty data folder, against a fresh bare window.
        {
            Series ignoredMap, ignoredFrame, ignoredPss;
            const auto bf2 = runBare(ignoredMap, ignoredFrame, ignoredPss).second;
            const fs::path fresh = makeTempDir("larkspur-bench-fresh-");
            Run r(dpy, damageEvent);
            launchLarkspur(r, fresh);
            const auto f = since(r.start_, r.firstFinishedFrame(r.start_));
            r.stop();
            if (counted) {
                firstFrame.add(f);
                firstRatio.add(ratio(f, bf2));
            }
            fs::remove_all(fresh);
        }

        // The bare view: the same two documents, the same size, the same scene graph.
        if (!o.question.empty() && !viewRegion.empty()) {
            Run r(dpy, damageEvent);
            r.pointer(RestX, RestY);
            r.start({o.bareView, o.question, o.question2, std::to_string(viewRegion.w),
                     std::to_string(viewRegion.h)},
                    commonEnv(display));
            r.waitFor([&] { return r.stamp("question-loaded").has_value(); }, 20000);
            r.pause(500);
            const long pss = r.treePss();
            r.pause(5);
            const Series reloads = turnPages(r, 30, 12, r.rects["view"], o.nexts);
            if (counted && !reloads.v.empty()) {
                bareViewPss.add(megabytes(pss));
                pssWarmRatio.add(ratio(homePssWarm.last(), megabytes(pss)));
                bareNext.add(reloads.median());
                openRatio.add(ratio(openMs, reloads.median()));
                nextRatio.add(ratio(nextMs, reloads.median()));
            }
        }
        std::fprintf(stderr, "round %d of %d done\n", round, o.rounds);
    }
    const double loadAfter = loadAverage();

    auto row = [](const char *name, const Series &s, const char *unit) {
        std::printf("%-46s median %8.2f %s  (min %.2f, max %.2f, n %zu)\n", name, s.median(), unit,
                    s.min(), s.max(), s.v.size());
    };
    std::printf("\nMedians over %d rounds (display %s; load average %.2f before, %.2f after)\n\n",
                o.rounds, display.c_str(), loadBefore, loadAfter);
    row("bare window: mapped", bareMap, "ms");
    row("bare window: first finished frame", bareFrame, "ms");
    row("bare window: PSS at map", barePss, "MB");
    row("home window: mapped (warm folder)", homeMap, "ms");
    row("home window: first finished frame (warm)", homeFrame, "ms");
    row("home window: first finished frame (first start)", firstFrame, "ms");
    row("home window: PSS at map", homePss, "MB");
    row("home window: PSS after the engine preload", homePssWarm, "MB");
    row("home window: worst answer to a key in preload", probeWorst, "ms");
    row("home window: keys pressed during preload", probeCount, "");
    row("bare view: PSS after its first document", bareViewPss, "MB");
    row("bare view: next -> finished frame", bareNext, "ms");
    row("open paper -> question finished frame", openQuestion, "ms");
    row("next -> question finished frame", nextQuestion, "ms");
    std::printf("\nMedians of per-round ratios\n\n");
    row("mapped / bare mapped", mapRatio, "x");
    row("finished frame / bare finished frame", frameRatio, "x");
    row("first start frame / bare finished frame", firstRatio, "x");
    row("PSS at map / bare window PSS at map", pssRatio, "x");
    row("PSS after preload / bare view PSS", pssWarmRatio, "x");
    row("open -> finished / bare next -> finished", openRatio, "x");
    row("next -> finished / bare next -> finished", nextRatio, "x");

    XCloseDisplay(dpy);
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    fs::remove_all(warmHome);
    fs::remove_all(documents);
    return 0;
}
