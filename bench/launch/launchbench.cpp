// Times what a pupil waits for, from outside the program: each round starts the real program
// and the bare reference programs on a private X server, one after the other, and reads the
// moments from X itself (a top-level window mapped, its first damage) and from the stamps the
// programs print when LARKSPUR_TIMING is set. Memory is the proportional set size of the
// process tree when the first window maps.
//
//   launchbench [--rounds N] [--larkspur PATH] [--bare-window PATH] [--bare-view PATH]
//               [--question FILE.mht]
//
// Results: medians and min-max of every step, and the medians of the per-round ratios against
// the bare programs of the same round.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
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
#include <sys/prctl.h>
#include <sstream>
#include <string>
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
// One program run on the private display.

struct Options
{
    int rounds = 7;
    std::string larkspur = "src/app/larkspur";
    std::string bareWindow = "bench/bare_window";
    std::string bareView = "bench/bare_view";
    std::string question;
    int nexts = 5;
};

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
    template <typename Pred>
    bool waitFor(Pred done, double timeoutMs)
    {
        const double end = nowMs() + timeoutMs;
        while (!done()) {
            const double left = end - nowMs();
            if (left <= 0)
                return false;
            pollfd fds[2] = {{ConnectionNumber(dpy_), POLLIN, 0}, {out_, POLLIN, 0}};
            if (XPending(dpy_) == 0)
                poll(fds, 2, int(std::min(left, 50.0)) + 1);
            serve();
        }
        return true;
    }

    void click(int x, int y)
    {
        XTestFakeMotionEvent(dpy_, -1, x, y, CurrentTime);
        XTestFakeButtonEvent(dpy_, 1, True, CurrentTime);
        XTestFakeButtonEvent(dpy_, 1, False, CurrentTime);
        XFlush(dpy_);
    }

    double start_ = 0;
    double mapped = 0;     // first top-level window mapped
    double firstPaint = 0; // first damage on a top-level window
    long pssAtMap = 0;
    std::vector<std::pair<double, std::string>> stamps;
    std::map<std::string, std::pair<int, int>> places;
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

private:
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
                }
                const Damage d = XDamageCreate(dpy_, ev.xmap.window, XDamageReportNonEmpty);
                damages_[ev.xmap.window] = d;
            } else if (ev.type == damageEvent_ + XDamageNotify) {
                auto *de = reinterpret_cast<XDamageNotifyEvent *>(&ev);
                XDamageSubtract(dpy_, de->damage, None, None);
                if (firstPaint == 0)
                    firstPaint = t;
                damageTimes.push_back(t);
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
            }
        }
    }

    Display *dpy_;
    int damageEvent_;
    pid_t pid_ = -1;
    int out_ = -1;
    std::string pending_;
    std::map<Window, Damage> damages_;
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

std::optional<double> since(double a, double b)
{
    if (a <= 0 || b <= 0)
        return std::nullopt;
    return b - a;
}

std::optional<double> ratio(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b || *b <= 0)
        return std::nullopt;
    return *a / *b;
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
        else {
            std::fprintf(stderr, "unknown option %s\n", a.c_str());
            return 2;
        }
    }
    for (std::string *p : {&o.larkspur, &o.bareWindow, &o.bareView})
        *p = fs::absolute(*p).string();

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

    const fs::path warmHome = makeTempDir("larkspur-bench-home-");
    Series bareMap, barePaint, barePss, homeMap, homePaint, homePss, firstPaint;
    Series mapRatio, paintRatio, firstRatio, pssRatio;
    Series bareReload, openQuestion, nextQuestion, openRatio, nextRatio;

    auto runBare = [&](Series &map, Series &paint, Series &pss) {
        Run r(dpy, damageEvent);
        r.start({o.bareWindow}, commonEnv(display));
        r.waitFor([&] { return r.firstPaint > 0; }, 10000);
        map.add(since(r.start_, r.mapped));
        paint.add(since(r.start_, r.firstPaint));
        pss.add(r.pssAtMap > 0 ? std::optional<double>(r.pssAtMap / 1024.0) : std::nullopt);
        return std::pair(since(r.start_, r.mapped), since(r.start_, r.firstPaint));
    };

    for (int round = 0; round < o.rounds; ++round) {
        // Bare window, then the program on a warm data folder.
        const auto [bm, bp] = runBare(bareMap, barePaint, barePss);
        const double bpss = barePss.v.empty() ? 0 : barePss.v.back();

        {
            Run r(dpy, damageEvent);
            auto env = commonEnv(display);
            env["LARKSPUR_HOME"] = warmHome.string();
            // The first round fills the folder; it counts from the second round on.
            const bool warm = round > 0;
            r.start({o.larkspur}, env);
            r.waitFor([&] { return r.firstPaint > 0; }, 15000);
            const auto m = since(r.start_, r.mapped), p = since(r.start_, r.firstPaint);
            if (warm) {
                homeMap.add(m);
                homePaint.add(p);
                homePss.add(r.pssAtMap / 1024.0);
                mapRatio.add(ratio(m, bm));
                paintRatio.add(ratio(p, bp));
                pssRatio.add(ratio(r.pssAtMap / 1024.0, bpss));
            }
            // Open the first paper once the viewer is warm, then turn pages.
            r.waitFor([&] { return r.stamp("viewer-warm").has_value(); }, 15000);
            r.waitFor([] { return false; }, 300);
            if (r.places.count("P1a")) {
                const auto [x, y] = r.places["P1a"];
                const double clicked = nowMs();
                r.click(x, y);
                r.waitFor([&] { return r.stamp("question-loaded", clicked).has_value(); }, 15000);
                if (auto loaded = r.stamp("question-loaded", clicked)) {
                    r.waitFor([&] { return r.damageAfter(*loaded).has_value(); }, 5000);
                    openQuestion.add(since(clicked, r.damageAfter(*loaded).value_or(0)));
                }
                r.waitFor([] { return false; }, 300);
                Series nexts;
                for (int k = 0; k < o.nexts && r.places.count("ToolBar06"); ++k) {
                    const auto [nx, ny] = r.places["ToolBar06"];
                    const double t = nowMs();
                    r.click(nx, ny);
                    r.waitFor([&] { return r.stamp("question-loaded", t).has_value(); }, 5000);
                    if (auto loaded = r.stamp("question-loaded", t)) {
                        r.waitFor([&] { return r.damageAfter(*loaded).has_value(); }, 3000);
                        nexts.add(since(t, r.damageAfter(*loaded).value_or(0)));
                    }
                    r.waitFor([] { return false; }, 200);
                }
                if (!nexts.v.empty())
                    nextQuestion.add(nexts.median());
            }
        }

        // First-ever start: an empty data folder, against a fresh bare window.
        {
            Series ignoredMap, ignoredPaint, ignoredPss;
            const auto bp2 = runBare(ignoredMap, ignoredPaint, ignoredPss).second;
            const fs::path fresh = makeTempDir("larkspur-bench-fresh-");
            Run r(dpy, damageEvent);
            auto env = commonEnv(display);
            env["LARKSPUR_HOME"] = fresh.string();
            r.start({o.larkspur}, env);
            r.waitFor([&] { return r.firstPaint > 0; }, 15000);
            r.stop();
            const auto p = since(r.start_, r.firstPaint);
            firstPaint.add(p);
            firstRatio.add(ratio(p, bp2));
            fs::remove_all(fresh);
        }

        // The bare view: reload of one question document until painted.
        if (!o.question.empty()) {
            Run r(dpy, damageEvent);
            r.start({o.bareView, o.question}, commonEnv(display));
            r.waitFor([&] { return r.stamp("question-loaded").has_value(); }, 20000);
            r.waitFor([] { return false; }, 500);
            Series reloads;
            for (int k = 0; k < o.nexts; ++k) {
                const double t = nowMs();
                r.click(20, 12); // the bare view's reload button
                r.waitFor([&] { return r.stamp("question-loaded", t).has_value(); }, 5000);
                if (auto loaded = r.stamp("question-loaded", t)) {
                    r.waitFor([&] { return r.damageAfter(*loaded).has_value(); }, 3000);
                    reloads.add(since(t, r.damageAfter(*loaded).value_or(0)));
                }
                r.waitFor([] { return false; }, 200);
            }
            if (!reloads.v.empty()) {
                bareReload.add(reloads.median());
                openRatio.add(ratio(openQuestion.v.empty() ? std::nullopt
                                                            : std::optional(openQuestion.v.back()),
                                    reloads.median()));
                nextRatio.add(ratio(nextQuestion.v.empty() ? std::nullopt
                                                            : std::optional(nextQuestion.v.back()),
                                    reloads.median()));
            }
        }
        std::fprintf(stderr, "round %d of %d done\n", round + 1, o.rounds);
    }

    auto row = [](const char *name, const Series &s, const char *unit) {
        std::printf("%-40s median %8.1f %s  (min %.1f, max %.1f, n %zu)\n", name, s.median(),
                    unit, s.min(), s.max(), s.v.size());
    };
    std::printf("\nMedians over %d rounds (display %s)\n\n", o.rounds, display.c_str());
    row("bare window: mapped", bareMap, "ms");
    row("bare window: first paint", barePaint, "ms");
    row("bare window: PSS at map", barePss, "MB");
    row("home window: mapped (warm folder)", homeMap, "ms");
    row("home window: first paint (warm folder)", homePaint, "ms");
    row("home window: first paint (first start)", firstPaint, "ms");
    row("home window: PSS at map", homePss, "MB");
    row("bare view: reload -> painted", bareReload, "ms");
    row("open paper -> first question painted", openQuestion, "ms");
    row("next -> question painted", nextQuestion, "ms");
    std::printf("\nMedians of per-round ratios\n\n");
    row("mapped / bare mapped", mapRatio, "x");
    row("first paint / bare first paint", paintRatio, "x");
    row("first start paint / bare first paint", firstRatio, "x");
    row("PSS / bare PSS", pssRatio, "x");
    row("open -> painted / bare reload", openRatio, "x");
    row("next -> painted / bare reload", nextRatio, "x");

    XCloseDisplay(dpy);
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    fs::remove_all(warmHome);
    return 0;
}
