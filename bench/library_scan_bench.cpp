// Library build against a minimal reference reader, on a tree of 10,000 recordings
// (copies of one small MP4 across 50 folders, every category), warm cache; the header
// reads one MOV/MP4 check makes; and the peak memory of `korivmanager-cli scan` over
// 100,000 recordings (hard links, to spare the disk).
//
//   build/bench/library_scan_bench [WORK_FOLDER]

#include "io/ByteSource.h"
#include "library/ContainerCheck.h"
#include "library/RecordingName.h"
#include "library/VideoLibrary.h"

#include "VideoFixtures.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

const char* kPrefixes[] = {"FILE", "EMER", "PARK", "TRIP", "TIME"};

std::string recordingName(int i)
{
    char name[32];
    std::snprintf(name, sizeof name, "%s%04d%c.MP4", kPrefixes[i % 5], i % 10000, (i / 5) % 2 ? 'R' : 'F');
    return name;
}

// count files in 50 folders; copies, or hard links of each folder's first file.
void makeTree(const fs::path& root, int count, bool hardLinks)
{
    std::string mp4 = makeMp4();
    std::vector<fs::path> firstInFolder(50);
    for (int i = 0; i < count; ++i) {
        fs::path folder = root / ("DCIM" + std::to_string(i % 50) + ((i / 5) % 2 ? "R" : "F"));
        fs::create_directories(folder);
        fs::path file = folder / (std::to_string(i / 10000) + recordingName(i));
        fs::path& first = firstInFolder[static_cast<size_t>(i % 50)];
        if (hardLinks && !first.empty()) {
            fs::create_hard_link(first, file);
            continue;
        }
        std::ofstream(file, std::ios::binary) << mp4;
        first = file;
    }
}

// Per file: a stat, an open, ten 16-byte reads, a close.
size_t referenceRead(const fs::path& root)
{
    size_t files = 0;
    char buf[16];
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        struct stat st;
        if (::stat(entry.path().c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        int fd = ::open(entry.path().c_str(), O_RDONLY);
        for (int r = 0; r < 10; ++r)
            [[maybe_unused]] ssize_t n = ::read(fd, buf, sizeof buf);
        ::close(fd);
        ++files;
    }
    return files;
}

size_t libraryBuild(const fs::path& root)
{
    VideoLibrary library;
    library.build(root.string());
    return static_cast<size_t>(library.buildPlaylist({}).count());
}

template <typename F>
double medianMs(F&& run, int rounds)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        auto start = Clock::now();
        run();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Records every read, to show that only headers are touched.
class TracingSource final : public ByteSource {
public:
    explicit TracingSource(ByteSource& inner) : mInner(inner) {}
    std::uint64_t size() const override { return mInner.size(); }
    size_t readAt(std::uint64_t offset, void* buffer, size_t count) override
    {
        ++reads;
        bytes += count;
        return mInner.readAt(offset, buffer, count);
    }
    int reads = 0;
    size_t bytes = 0;

private:
    ByteSource& mInner;
};

void reportHeaderReads()
{
    std::string mp4 = makeMp4({.mediaBytes = 1 << 20});
    MemoryByteSource memory(mp4.data(), mp4.size());
    TracingSource traced(memory);
    bool ok = isMovCodecReady(traced, "bench.mp4");
    std::printf("MOV/MP4 check: %s, %d reads, %zu bytes read of a %zu-byte file (media atom body: %d bytes)\n",
                ok ? "accepted" : "REJECTED", traced.reads, traced.bytes, mp4.size(), 1 << 20);
    std::string avi = makeAvi();
    MemoryByteSource aviMemory(avi.data(), avi.size());
    TracingSource aviTraced(aviMemory);
    isAviCodecReady(aviTraced);
    std::printf("AVI check: %d read(s), %zu bytes\n", aviTraced.reads, aviTraced.bytes);
}

void reportPeakMemory(const fs::path& root)
{
    makeTree(root, 100000, true);
    pid_t pid = ::fork();
    if (pid == 0) {
        int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execl(KORIV_CLI_PATH, "korivmanager-cli", "scan", root.c_str(), "--format", "tsv", nullptr);
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    std::printf("korivmanager-cli scan of 100,000 recordings: exit %d, peak memory %.1f MiB (target 64 MiB)\n",
                WEXITSTATUS(status), usage.ru_maxrss / 1024.0);
}

} // namespace

int main(int argc, char** argv)
{
    fs::path work = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "koriv-scan-bench";
    fs::remove_all(work);
    fs::path tree = work / "tree";
    makeTree(tree, 10000, false);

    size_t files = referenceRead(tree); // warm the cache
    size_t listed = libraryBuild(tree);
    double reference = medianMs([&] { referenceRead(tree); }, 7);
    double build = medianMs([&] { libraryBuild(tree); }, 7);
    std::printf("tree: %zu files; library build found %zu\n", files, listed);
    std::printf("reference reader (stat, open, 10 x 16-byte reads, close): %.1f ms (%.1f us/file)\n", reference,
                reference * 1000 / files);
    std::printf("library build (scan, validation, order, filter):        %.1f ms (%.1f us/file)\n", build,
                build * 1000 / files);
    std::printf("ratio library/reference: %.2f (target <= 1.5); exiftool ~3 ms/file, ffprobe loop ~64 ms/file\n",
                build / reference);
    reportHeaderReads();
    reportPeakMemory(work / "large");
    fs::remove_all(work);
    return 0;
}
