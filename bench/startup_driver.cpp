// Start-up time and peak memory of one program against another, from the
// outside: each run is spawned, waited for with wait4() for its peak resident
// set, and timed from spawn to exit on a monotonic clock. The two programs run
// in turn so that drift of the machine (caches, frequency, other load) falls
// on both alike; medians keep a stray slow run from deciding the figure.
//
//   startup_driver [--runs N] [--warmup N] PROGRAM BASELINE

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Run {
    double milliseconds = 0.0;
    double peakMegabytes = 0.0;
};

struct Series {
    std::string program;
    std::vector<double> milliseconds;
    std::vector<double> peakMegabytes;
};

bool RunOnce(const std::string& program, Run& run)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The programs print nothing useful; a terminal's speed must not count.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<char> path(program.begin(), program.end());
    path.push_back('\0');
    char* const argv[] = {path.data(), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.data(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", program.c_str(), std::strerror(spawned));
        return false;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        std::perror("wait4");
        return false;
    }
    const auto stop = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not exit cleanly (status %d)\n", program.c_str(), status);
        return false;
    }
    run.milliseconds = std::chrono::duration<double, std::milli>(stop - start).count();
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB on Linux
    return true;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

void PrintSeries(const Series& series)
{
    const auto [fastest, slowest] = std::minmax_element(series.milliseconds.begin(), series.milliseconds.end());
    std::printf("  %-24s start-up median %7.2f ms (min %.2f, max %.2f)   peak RSS median %6.2f MiB\n",
                series.program.substr(series.program.find_last_of('/') + 1).c_str(), Median(series.milliseconds),
                *fastest, *slowest, Median(series.peakMegabytes));
}

int Usage()
{
    std::fprintf(stderr, "usage: startup_driver [--runs N] [--warmup N] PROGRAM BASELINE\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    int runs = 41;
    int warmup = 3;
    std::vector<std::string> programs;
    for (int at = 1; at < argc; ++at) {
        const std::string argument = argv[at];
        if ((argument == "--runs" || argument == "--warmup") && at + 1 < argc) {
            (argument == "--runs" ? runs : warmup) = std::atoi(argv[++at]);
        } else if (!argument.empty() && argument[0] == '-') {
            return Usage();
        } else {
            programs.push_back(argument);
        }
    }
    if (programs.size() != 2 || runs < 1 || warmup < 0) {
        return Usage();
    }
    // Both programs on the same headless platform, unless the caller chose one.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    Series program{programs[0], {}, {}};
    Series baseline{programs[1], {}, {}};
    Run run;
    // Warm-up runs fill the page cache and the font cache; they are not kept.
    for (int i = 0; i < warmup; ++i) {
        if (!RunOnce(program.program, run) || !RunOnce(baseline.program, run)) {
            return 1;
        }
    }
    for (int i = 0; i < runs; ++i) {
        // Alternate which goes first so neither always follows the other.
        Series* order[2] = {&program, &baseline};
        if (i % 2 == 1) {
            std::swap(order[0], order[1]);
        }
        for (Series* series : order) {
            if (!RunOnce(series->program, run)) {
                return 1;
            }
            series->milliseconds.push_back(run.milliseconds);
            series->peakMegabytes.push_back(run.peakMegabytes);
        }
    }

    std::printf("Start-up to the window shown and quit, %d runs each, QT_QPA_PLATFORM=%s:\n", runs,
                std::getenv("QT_QPA_PLATFORM"));
    PrintSeries(program);
    PrintSeries(baseline);
    std::printf("  ratio: start-up %.3f x, peak memory %.3f x\n",
                Median(program.milliseconds) / Median(baseline.milliseconds),
                Median(program.peakMegabytes) / Median(baseline.peakMegabytes));
    return 0;
}
