// Start-up of the program against a bare wx program with one dialog and one
// OpenGL canvas, and against the same with a smoothed line and a radio
// button, taking turns in one run: the time from process start to the first
// frame swapped, and the peak resident memory until then. A preloaded shim
// notes the first swap and ends the process, so all are timed alike.
//
// Run: scripts/with-display build/bench/startup/startup_bench [rounds [program [bare [drawn]]]]
// Each program runs in its own folder, so a program there finds logo.bmp.
#include <sys/resource.h>
#include <sys/wait.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Sample
{
    double ms = 0;      // process start to the first frame swapped
    double cpuMs = 0;   // user and system time until then
    double rssMb = 0;   // peak resident memory until then
};

long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

std::string Folder(const std::string& path)
{
    return path.substr(0, path.rfind('/'));
}

// Runs program in its own folder until its first swap; false when it ended
// or hung without one.
bool RunOnce(const std::string& program, Sample& sample)
{
    const std::string out = "/tmp/startup-bench-" + std::to_string(getpid());
    std::remove(out.c_str());
    std::fflush(nullptr);   // else the child would write the parent's buffer again
    const long long start = MonotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(Folder(program).c_str()) != 0)
            _exit(127);
        setenv("LD_PRELOAD", STARTUP_SHIM, 1);
        setenv("STARTUP_BENCH_OUT", out.c_str(), 1);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    for (int waited = 0; wait4(pid, &status, WNOHANG, &usage) == 0; ++waited) {
        if (waited > 30000) {   // 30 s: hung
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    long long swapped = 0;
    if (!(std::ifstream(out) >> swapped))
        return false;
    std::remove(out.c_str());
    sample.ms = (swapped - start) / 1e6;
    sample.rssMb = usage.ru_maxrss / 1024.0;
    auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    sample.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    return true;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}

int main(int argc, char** argv)
{
    constexpr int kPrograms = 3;
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 12;
    const std::string programs[kPrograms] = {argc > 2 ? argv[2] : STARTUP_PROGRAM,
                                             argc > 3 ? argv[3] : STARTUP_BARE,
                                             argc > 4 ? argv[4] : STARTUP_DRAWN};
    const char* names[kPrograms] = {"program", "bare", "drawn"};
    std::vector<double> ms[kPrograms], cpu[kPrograms], rss[kPrograms];
    Sample sample;
    // One unmeasured round each, so that all start from warm caches.
    for (const std::string& p : programs)
        RunOnce(p, sample);
    std::printf("%5s", "round");
    for (const char* name : names)
        std::printf(" %7s ms %7s %7s", name, "cpu ms", "MB");
    std::printf("\n");
    for (int r = 0; r < rounds; ++r) {
        std::printf("%5d", r + 1);
        for (int i = 0; i < kPrograms; ++i) {
            if (!RunOnce(programs[i], sample)) {
                std::printf("\n%s showed no frame\n", names[i]);
                return 1;
            }
            ms[i].push_back(sample.ms);
            cpu[i].push_back(sample.cpuMs);
            rss[i].push_back(sample.rssMb);
            std::printf(" %10.1f %7.1f %7.1f", sample.ms, sample.cpuMs, sample.rssMb);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    double t[kPrograms], c[kPrograms], m[kPrograms];
    for (int i = 0; i < kPrograms; ++i) {
        t[i] = Median(ms[i]);
        c[i] = Median(cpu[i]);
        m[i] = Median(rss[i]);
        std::printf("median %-7s %7.1f ms to the first frame, %7.1f ms of CPU, %6.1f MB peak\n", names[i], t[i],
                    c[i], m[i]);
    }
    for (int i = 1; i < kPrograms; ++i)
        std::printf("against %-5s: first frame %.2fx (CPU time %.2fx), peak memory %.2fx\n", names[i],
                    t[0] / t[i], c[0] / c[i], m[0] / m[i]);
    return 0;
}
