// Backup copy of a 1 GiB recording against cp of the same file in the same run (warm cache),
// for the copy as the backup runs it (kernel copy in 1 MiB blocks, counter and cancel flag
// after each) and for a read/write loop through a 1024-byte buffer; and the peak memory of a
// child process copying 16 MiB and 1 GiB.
//
//   build/bench/backup_copy_bench [WORK_FOLDER]   (needs about 4 GiB free there)

#include "backup/FileCopy.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::uint64_t kGiB = 1ull << 30;

void writePatternFile(const std::string& path, std::uint64_t size)
{
    std::vector<char> block(1 << 20);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<char>((i * 131) ^ (i >> 7));
    FILE* f = std::fopen(path.c_str(), "wb");
    for (std::uint64_t done = 0; done < size; done += block.size()) {
        block[0] = static_cast<char>(done >> 20); // no two blocks alike
        std::fwrite(block.data(), 1, std::min<std::uint64_t>(block.size(), size - done), f);
    }
    std::fclose(f);
}

double seconds(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
}

double timeCp(const std::string& source, const std::string& folder)
{
    fs::remove(folder + "/" + fs::path(source).filename().string());
    const std::string command = "cp '" + source + "' '" + folder + "/'";
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "cp failed\n");
    const double s = seconds(start);
    ::sync();
    return s;
}

double timeBackup(const std::string& source, const std::string& folder, const CopyOptions& options)
{
    fs::remove(folder + "/" + fs::path(source).filename().string());
    CopyControl control;
    const auto start = Clock::now();
    if (pmCopyFileIntoFolder(source, folder, &control, options) != CopyStatus::Copied)
        std::fprintf(stderr, "backup copy failed\n");
    const double s = seconds(start);
    ::sync();
    return s;
}

// Peak resident memory (KiB) of a child that copies the file once.
long childPeakKiB(const std::string& source, const std::string& folder)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        CopyControl control;
        const bool ok = pmCopyFileIntoFolder(source, folder, &control) == CopyStatus::Copied;
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    fs::remove(folder + "/" + fs::path(source).filename().string());
    return usage.ru_maxrss;
}

double best(int runs, const std::function<double()>& run)
{
    double b = 1e9;
    for (int i = 0; i < runs; ++i)
        b = std::min(b, run());
    return b;
}

} // namespace

int main(int argc, char** argv)
{
    const fs::path work = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "koriv-backup-bench";
    fs::create_directories(work / "src");
    fs::create_directories(work / "dst");
    const std::string source = (work / "src" / "FILE0001F.MP4").string();
    const std::string small = (work / "src" / "FILE0002F.MP4").string();
    const std::string folder = (work / "dst").string();
    writePatternFile(source, kGiB);
    writePatternFile(small, 16 << 20);
    if (std::system(("cat '" + source + "' > /dev/null").c_str()) != 0)
        return 1;

    CopyOptions byteLoop;
    byteLoop.kernelCopy = false;
    byteLoop.blockSize = 1024;
    CopyOptions bufferLoop;
    bufferLoop.kernelCopy = false;
    const double cp = best(3, [&] { return timeCp(source, folder); });
    const double backup = best(3, [&] { return timeBackup(source, folder, {}); });
    const double buffer = best(3, [&] { return timeBackup(source, folder, bufferLoop); });
    const double kib = best(2, [&] { return timeBackup(source, folder, byteLoop); });
    const auto mbps = [](double s) { return double(kGiB) / s / 1e6; };
    std::printf("1 GiB, warm cache (best of runs)\n");
    std::printf("  cp                          %6.3f s  %7.0f MB/s\n", cp, mbps(cp));
    std::printf("  backup, kernel copy 1 MiB   %6.3f s  %7.0f MB/s  ratio to cp %.2f\n", backup, mbps(backup), cp / backup);
    std::printf("  backup, 1 MiB buffer        %6.3f s  %7.0f MB/s  ratio to cp %.2f\n", buffer, mbps(buffer), cp / buffer);
    std::printf("  backup, 1024-byte buffer    %6.3f s  %7.0f MB/s  ratio to cp %.2f\n", kib, mbps(kib), cp / kib);
    std::printf("peak memory of the copy: 16 MiB file %ld KiB, 1 GiB file %ld KiB\n", childPeakKiB(small, folder),
                childPeakKiB(source, folder));
    fs::remove_all(work);
    return 0;
}
