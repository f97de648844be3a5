// Start-up, memory and "Calcola" of the real window, measured beside a bare
// Qt Widgets window holding one button, built the same way in the same run.
//
//     window_benchmark [RUNS]            one line of figures per quantity
//     window_benchmark --child form|bare one start-up, reported on stdout
//
// Each start-up is a fresh process. The child reports the time from entering
// main to its maximized window's first paint, its peak resident memory after
// one press ("Calcola", or the bare window's button), and for the form the
// time of a press handled with its repaint, and how much of the window that
// repaint covered. The parent also times the whole process, from spawning it
// to its report of the first paint. The platform is whatever QT_QPA_PLATFORM
// says: the offscreen one on a 1920 x 1080 screen unless it is set.
#include "main_form.h"
#include "offscreen_screen.h"
#include "process_memory.h"

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds_since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Counts the window's paints and remembers the area the last one covered.
class Paint_watch : public QObject {
public:
    explicit Paint_watch(QWidget *window) : window(window) { window->installEventFilter(this); }

    // Processes events until the window has painted once more.
    void wait_for_paint()
    {
        const int before = paints;
        while (paints == before)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QRect last_painted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window && event->type() == QEvent::Paint) {
            last_painted = static_cast<QPaintEvent *>(event)->region().boundingRect();
            ++paints;
        }
        return false;
    }

private:
    QWidget *window;
    int paints = 0;
};

int run_child(const std::string &kind, const Clock::time_point started, int argc, char **argv)
{
    QApplication application(argc, argv);
    std::unique_ptr<QWidget> window;
    QPushButton *button = nullptr;
    if (kind == "form") {
        window = std::make_unique<Main_form>();
        button = window->findChild<QPushButton *>(QStringLiteral("Command1"));
    } else {
        window = std::make_unique<QWidget>();
        button = new QPushButton(QStringLiteral("OK"), window.get());
    }
    Paint_watch watch(window.get());
    window->showMaximized();
    watch.wait_for_paint();
    std::printf("shown %.3f\n", milliseconds_since(started));
    std::fflush(stdout);

    if (kind == "form") {
        const char *inputs[] = {"12", "1", "10"};
        for (int i = 0; i < 3; ++i)
            window->findChild<QLineEdit *>(QStringLiteral("Text1(%1)").arg(i))->setText(QLatin1String(inputs[i]));
    }
    button->click();
    if (kind == "form")
        watch.wait_for_paint();
    QCoreApplication::processEvents();
    std::printf("peak_rss_kib %ld\n", process_memory_kib("VmHWM"));

    if (kind == "form") {
        std::vector<double> presses;
        for (int i = 0; i < 200; ++i) {
            const auto start = Clock::now();
            button->click();
            watch.wait_for_paint();
            presses.push_back(milliseconds_since(start));
        }
        std::ranges::sort(presses);
        std::printf("press_median_ms %.4f\n", presses[presses.size() / 2]);
        const QRect painted = watch.last_painted;
        std::printf("repainted_fraction %.4f\n",
                    double(painted.width()) * painted.height() / (double(window->width()) * window->height()));
    }
    return 0;
}

// Runs one child; returns its report, with the whole-process start-up added.
std::map<std::string, double> run_once(const char *self, const char *kind)
{
    int out[2];
    if (pipe(out) != 0)
        std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char *child_argv[] = {const_cast<char *>(self), const_cast<char *>("--child"), const_cast<char *>(kind), nullptr};

    const auto spawned = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, self, &actions, nullptr, child_argv, environ) != 0)
        std::exit(1);
    close(out[1]);

    std::map<std::string, double> report;
    FILE *lines = fdopen(out[0], "r");
    char line[256];
    while (std::fgets(line, sizeof line, lines)) {
        char key[64];
        double value = 0;
        if (std::sscanf(line, "%63s %lf", key, &value) != 2)
            continue;
        if (std::strcmp(key, "shown") == 0)
            report["process_startup_ms"] = milliseconds_since(spawned);
        report[key] = value;
    }
    std::fclose(lines);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the %s child failed\n", kind);
        std::exit(1);
    }
    return report;
}

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    const auto started = Clock::now();
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
        return run_child(argv[2], started, argc, argv);

    use_offscreen_screen_unless_set();
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    std::map<std::string, std::map<std::string, std::vector<double>>> samples;
    for (int run = 0; run < runs; ++run)
        for (const char *kind : {"bare", "form"})
            for (const auto &[key, value] : run_once(argv[0], kind))
                samples[key][kind].push_back(value);

    std::printf("platform %s, %d runs, medians\n", qgetenv("QT_QPA_PLATFORM").constData(), runs);
    std::printf("%-22s %12s %12s %8s\n", "", "bare window", "form", "ratio");
    for (const char *key : {"shown", "process_startup_ms", "peak_rss_kib"}) {
        const double bare = median(samples[key]["bare"]);
        const double form = median(samples[key]["form"]);
        std::printf("%-22s %12.2f %12.2f %8.3f\n", key, bare, form, form / bare);
    }
    std::printf("%-22s %12s %12.4f\n", "press_median_ms", "", median(samples["press_median_ms"]["form"]));
    std::printf("%-22s %12s %12.4f\n", "repainted_fraction", "", median(samples["repainted_fraction"]["form"]));
    return 0;
}
