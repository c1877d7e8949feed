// Start-up benchmark: times a bare QMainWindow program and varnel-theory on banks of 1,000 and
// 1,000,000 questions, alternately, from process start until the window is mapped on the X
// display in DISPLAY. Run it through scripts/bench-startup, which brings a display and a
// window manager if none is given.
// SPDX-License-Identifier: MIT
#include "synthetic_bank.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Subject {
    const char* label;
    std::string program;
    std::string folder;                 // the working directory the program starts in
    std::vector<std::string> arguments; // for the bare windows: the program's window size
    std::vector<double> milliseconds;
    std::vector<double> rssMiB;
};

struct Sample {
    double milliseconds = -1; // negative: the window never appeared
    double rssMiB = 0;
};

// In a forked child: its output goes nowhere (through the descriptors, so that the parent's
// buffered output is not written twice).
void silence() {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
}

pid_t spawn(const std::string& program, const std::vector<std::string>& arguments,
            const std::string& folder, bool quiet) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0)
            _exit(127);
        if (quiet)
            silence();
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    return pid;
}

int waitFor(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

// xdotool exits with 0 once the process has a window that is viewable (mapped).
bool windowShown(pid_t pid) {
    const std::string id = std::to_string(pid);
    const pid_t probe = fork();
    if (probe == 0) {
        silence();
        execlp("xdotool", "xdotool", "search", "--onlyvisible", "--pid", id.c_str(),
               static_cast<char*>(nullptr));
        _exit(127);
    }
    const int status = waitFor(probe);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double residentMiB(pid_t pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// The size of the shown window, as the window manager has it (a check that both programs
// show a main window of the same size, not a message box).
std::string windowSize(pid_t pid) {
    const std::string command = "xdotool getwindowgeometry $(xdotool search --onlyvisible --pid " +
                                std::to_string(pid) +
                                " 2>/dev/null | head -1) 2>/dev/null | sed -n 's/.*Geometry: //p'";
    std::string size;
    if (FILE* out = popen(command.c_str(), "r")) {
        char buffer[64] = {};
        if (std::fgets(buffer, sizeof buffer, out))
            size = buffer;
        pclose(out);
    }
    size.erase(std::remove(size.begin(), size.end(), '\n'), size.end());
    return size.empty() ? "?" : size;
}

Sample startOnce(const Subject& subject, int pollMicroseconds, std::string* size = nullptr) {
    Sample sample;
    std::fflush(stdout);
    const auto start = Clock::now();
    const pid_t pid = spawn(subject.program, subject.arguments, subject.folder, true);
    if (pid < 0)
        return sample;
    while (Clock::now() - start < std::chrono::seconds(20)) {
        if (windowShown(pid)) {
            sample.milliseconds =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            sample.rssMiB = residentMiB(pid);
            break;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return sample; // ended before showing a window
        std::this_thread::sleep_for(std::chrono::microseconds(pollMicroseconds));
    }
    if (size)
        *size = windowSize(pid);
    kill(pid, SIGKILL);
    waitFor(pid);
    return sample;
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return "?";
    return file.readAll().split(' ').mid(0, 3).join(' ').toStdString();
}

int usage() {
    std::fprintf(stderr, "usage: startup_timer [--runs N] [--poll-ms MS] [--bare PROGRAM] "
                         "[--program PROGRAM]\n"
                         "Needs DISPLAY with a window manager and xdotool.\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const std::string binDir = QCoreApplication::applicationDirPath().toStdString();
    int runs = 21;
    double pollMs = 2;
    std::string bare = binDir + "/bare_window";
    std::string program = binDir + "/varnel-theory";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            return usage();
        if (arg == "--runs")
            runs = std::atoi(argv[++i]);
        else if (arg == "--poll-ms")
            pollMs = std::atof(argv[++i]);
        else if (arg == "--bare")
            bare = argv[++i];
        else if (arg == "--program")
            program = argv[++i];
        else
            return usage();
    }
    if (runs < 1 || pollMs < 0 || !std::getenv("DISPLAY"))
        return usage();

    QTemporaryDir small, large;
    const auto written = Clock::now();
    if (!writeSyntheticBank(small.path(), 1000) || !writeSyntheticBank(large.path(), 1000000)) {
        std::fprintf(stderr, "startup_timer: could not write the synthetic banks\n");
        return 1;
    }
    std::printf("banks of 1,000 and 1,000,000 questions written in %.1f s\n",
                std::chrono::duration<double>(Clock::now() - written).count());

    const std::string smallFolder = small.path().toStdString();
    std::vector<Subject> subjects = {
        {"bare QMainWindow", bare, smallFolder, {}, {}, {}},
        {"varnel-theory, 1,000 questions", program, smallFolder, {}, {}, {}},
        {"varnel-theory, 1,000,000 questions", program, large.path().toStdString(), {}, {}, {}},
        {"bare QMainWindow with a line of text", bare, smallFolder, {}, {}, {}},
    };
    const std::size_t count = subjects.size();
    const int pollMicroseconds = static_cast<int>(pollMs * 1000);
    const std::string loadBefore = loadAverage();

    // One start of each, not counted, warms the page cache and finds the size of what is
    // shown; the bare windows then take the program's size.
    std::vector<std::string> sizes(count);
    for (std::size_t i : {1, 2, 0, 3}) {
        Subject& subject = subjects[i];
        if (i == 0 || i == 3)
            subject.arguments =
                i == 0 ? std::vector{sizes[1]} : std::vector{sizes[1], std::string("text")};
        if (startOnce(subject, pollMicroseconds, &sizes[i]).milliseconds < 0) {
            std::fprintf(stderr, "startup_timer: %s showed no window (%s in %s)\n", subject.label,
                         subject.program.c_str(), subject.folder.c_str());
            return 1;
        }
    }

    // Rounds of one start of each, in an order that rotates from round to round, so that a
    // change of load falls on all alike. Each round also gives its own ratios.
    std::vector<std::vector<double>> roundRatios(count);
    for (int round = 0; round < runs; ++round) {
        std::vector<double> roundMs(count);
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t which = (static_cast<std::size_t>(round) + k) % count;
            const Sample sample = startOnce(subjects[which], pollMicroseconds);
            if (sample.milliseconds < 0) {
                std::fprintf(stderr, "startup_timer: %s showed no window in round %d\n",
                             subjects[which].label, round + 1);
                return 1;
            }
            subjects[which].milliseconds.push_back(sample.milliseconds);
            subjects[which].rssMiB.push_back(sample.rssMiB);
            roundMs[which] = sample.milliseconds;
        }
        for (std::size_t i = 0; i < count; ++i)
            roundRatios[i].push_back(roundMs[i] / roundMs[0]);
    }

    std::printf("process start to window mapped, %d rounds of alternating starts after one "
                "warm-up start each;\nxdotool search --onlyvisible --pid polled every %.1f ms; "
                "load average before %s, after %s\n\n",
                runs, pollMs, loadBefore.c_str(), loadAverage().c_str());
    std::printf("%-38s %9s %9s %9s %10s  %s\n", "", "median", "min", "max", "RSS", "window");
    for (std::size_t i = 0; i < count; ++i) {
        const Subject& s = subjects[i];
        std::printf("%-38s %6.1f ms %6.1f ms %6.1f ms %6.1f MiB  %s\n", s.label,
                    median(s.milliseconds),
                    *std::min_element(s.milliseconds.begin(), s.milliseconds.end()),
                    *std::max_element(s.milliseconds.begin(), s.milliseconds.end()),
                    median(s.rssMiB), sizes[i].c_str());
    }
    std::printf("\n%-38s %16s %22s %10s\n", "against the bare QMainWindow", "ratio of medians",
                "median of round ratios", "RSS extra");
    for (std::size_t i = 1; i < count; ++i)
        std::printf("  %-36s %16.3f %22.3f %6.1f MiB\n", subjects[i].label,
                    median(subjects[i].milliseconds) / median(subjects[0].milliseconds),
                    median(roundRatios[i]),
                    median(subjects[i].rssMiB) - median(subjects[0].rssMiB));
    return 0;
}
