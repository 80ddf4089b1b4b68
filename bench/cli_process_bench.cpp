// The command-line tool as a user's shell runs it, start-up included: the shared libraries
// each program loads, `scan` of the sample card as a whole process (median of 50, wall and
// CPU time) beside /bin/true and `ls -lR` of the same card, and `nmea` of a 16 MB log as a
// whole process beside gpsbabel. A second korivmanager-cli (a build of an earlier layout)
// is measured in the same run when given.
//
//   build/bench/cli_process_bench [CARD [OTHER_KORIVMANAGER_CLI]]
//
// Without CARD the sample card is written into a temporary folder first.

#include "NmeaWriter.h"
#include "TempDir.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Command = std::vector<std::string>;

constexpr int kScanRounds = 50;
constexpr int kNmeaRounds = 5;
constexpr double kNmeaMegabytes = 16;

struct ProcessTime {
    double wallMs = 0;
    double cpuMs = 0;
    int status = -1;
};

double milliseconds(const timeval& t)
{
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// One run, its output thrown away, timed by the parent: the child's CPU time comes from
// wait4, so the other users of a shared machine do not count.
ProcessTime runOnce(const Command& command)
{
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    const auto start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    return {std::chrono::duration<double, std::milli>(Clock::now() - start).count(),
            milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// Wall and CPU medians, each of its own series.
ProcessTime medianRun(const Command& command, int rounds)
{
    std::vector<double> wall, cpu;
    int status = 0;
    runOnce(command); // page cache and dynamic loader cache
    for (int i = 0; i < rounds; ++i) {
        const ProcessTime t = runOnce(command);
        wall.push_back(t.wallMs);
        cpu.push_back(t.cpuMs);
        status = std::max(status, t.status);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2], status};
}

int sharedLibraries(const std::string& program)
{
    FILE* pipe = ::popen(("ldd '" + program + "' 2>/dev/null").c_str(), "r");
    if (!pipe)
        return -1;
    int lines = 0;
    for (int c; (c = std::fgetc(pipe)) != EOF;)
        lines += c == '\n';
    ::pclose(pipe);
    return lines;
}

bool installed(const char* program)
{
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

void reportScan(const char* label, const Command& command)
{
    const ProcessTime t = medianRun(command, kScanRounds);
    std::printf("  %-34s %7.2f ms wall, %7.2f ms CPU (exit %d)\n", label, t.wallMs, t.cpuMs, t.status);
}

void reportNmea(const char* label, const Command& command, double megabytes)
{
    const ProcessTime t = medianRun(command, kNmeaRounds);
    std::printf("  %-34s %7.1f ms wall = %6.0f MB/s, %7.1f ms CPU = %6.0f MB/s (exit %d)\n", label, t.wallMs,
                megabytes / t.wallMs * 1e3, t.cpuMs, megabytes / t.cpuMs * 1e3, t.status);
}

struct Program {
    std::string label;
    std::string path;
};

} // namespace

int main(int argc, char** argv)
{
    TempDir dir;
    std::string card = argc > 1 ? argv[1] : dir.file("card");
    if (argc <= 1 && runOnce({KORIV_SAMPLECARD_PATH, card}).status != 0) {
        std::fprintf(stderr, "cli_process_bench: the sample card could not be written (is ffmpeg installed?)\n");
        return 1;
    }
    std::vector<Program> programs{{"korivmanager-cli (this build)", KORIV_CLI_PATH}};
    if (argc > 2)
        programs.push_back({"korivmanager-cli (other build)", argv[2]});

    std::printf("shared libraries loaded (ldd):\n");
    for (const Program& p : programs)
        std::printf("  %-34s %d\n", p.label.c_str(), sharedLibraries(p.path));
#ifdef KORIV_CLI_MEDIA_PATH
    std::printf("  %-34s %d\n", "korivmanager-cli-media", sharedLibraries(KORIV_CLI_MEDIA_PATH));
#endif

    std::printf("scan of %s as a process, median of %d (target 10 ms):\n", card.c_str(), kScanRounds);
    for (const Program& p : programs)
        reportScan(p.label.c_str(), {p.path, "scan", card});
    reportScan("/bin/true", {"/bin/true"});
    reportScan("ls -lR", {"ls", "-lR", card});

    const std::string log = dir.write("drive.nmea", tenHertzDriveLog(kNmeaMegabytes, 1 << 30));
    const double megabytes = static_cast<double>(std::filesystem::file_size(log)) / 1e6;
    std::printf("nmea of a %.1f MB log as a process, median of %d (target 300 MB/s):\n", megabytes, kNmeaRounds);
    for (const Program& p : programs)
        reportNmea(p.label.c_str(), {p.path, "nmea", log, "--format", "tsv", "--summary"}, megabytes);
    if (installed("gpsbabel"))
        reportNmea("gpsbabel -i nmea -o unicsv", {"gpsbabel", "-i", "nmea", "-f", log, "-o", "unicsv", "-F", "/dev/null"},
                   megabytes);
    else
        std::printf("  gpsbabel: not installed, comparison skipped (apt-get install gpsbabel)\n");
    return 0;
}
