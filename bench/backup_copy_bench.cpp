// The backup copy against its peers in the same run:
//  - a 1 GiB recording with a warm cache: the verified copy as the backup makes it, and the
//    unverified ways (kernel copy, 1 MiB buffer, 1024-byte buffer), against cp;
//  - the same with the page cache dropped before each run (as root, through
//    /proc/sys/vm/drop_caches): the verified copy (read, hash, write, flush, read back from
//    the disk) against cp followed by cmp, with the sync that cp leaves for later, and with
//    the copy synced and read back past the page cache for cmp;
//  - a second run over a card of 1,000 recordings already backed up: the scan and the run
//    in process, the command-line tool, and rsync -a;
//  - the peak memory of a child process making a verified copy of 16 MiB and of 1 GiB.
//
//   build/bench/backup_copy_bench [WORK_FOLDER]   (needs about 4 GiB free there)

#include "backup/BackupRun.h"

#include "FileTimes.h"
#include "VideoFixtures.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
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
constexpr int kCardRecordings = 1000;

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

double timeCommand(const std::string& command)
{
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "failed: %s\n", command.c_str());
    return seconds(start);
}

// Writes what is dirty, then empties the page cache; false when the kernel refuses.
bool dropCaches()
{
    ::sync();
    std::ofstream drop("/proc/sys/vm/drop_caches");
    drop << "3\n";
    drop.flush();
    return drop.good();
}

std::string copyOf(const std::string& source, const std::string& folder)
{
    return folder + "/" + fs::path(source).filename().string();
}

double timeBackup(const std::string& source, const std::string& folder, const CopyOptions& options)
{
    fs::remove(copyOf(source, folder));
    ::sync();
    CopyControl control;
    const auto start = Clock::now();
    if (pmBackupFile(source, folder, &control, options) != BackupStatus::Copied)
        std::fprintf(stderr, "backup copy failed\n");
    const double s = seconds(start);
    ::sync();
    return s;
}

double timeCp(const std::string& source, const std::string& folder)
{
    fs::remove(copyOf(source, folder));
    ::sync();
    const double s = timeCommand("cp '" + source + "' '" + folder + "/'");
    ::sync();
    return s;
}

// Peak resident memory (KiB) of a child that makes one verified copy.
long childPeakKiB(const std::string& source, const std::string& folder)
{
    fs::remove(copyOf(source, folder)); // a copy left there would be skipped, not made
    const pid_t pid = ::fork();
    if (pid == 0) {
        CopyControl control;
        const bool ok = pmBackupFile(source, folder, &control) == BackupStatus::Copied;
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    fs::remove(copyOf(source, folder));
    return usage.ru_maxrss;
}

double best(int runs, const std::function<double()>& run)
{
    double b = 1e9;
    for (int i = 0; i < runs; ++i)
        b = std::min(b, run());
    return b;
}

double mbps(double s)
{
    return double(kGiB) / s / 1e6;
}

void warmCopies(const std::string& source, const std::string& folder)
{
    if (std::system(("cat '" + source + "' > /dev/null").c_str()) != 0)
        return;
    CopyOptions kernel;
    kernel.verify = false;
    CopyOptions buffer = kernel;
    buffer.kernelCopy = false;
    CopyOptions kib = buffer;
    kib.blockSize = 1024;
    const double cp = best(3, [&] { return timeCp(source, folder); });
    const double verified = best(3, [&] { return timeBackup(source, folder, {}); });
    const double k = best(2, [&] { return timeBackup(source, folder, kernel); });
    const double b = best(2, [&] { return timeBackup(source, folder, buffer); });
    const double s = best(1, [&] { return timeBackup(source, folder, kib); });
    std::printf("1 GiB, warm cache (best of runs; only the verified copy waits for the disk, through its flush)\n");
    std::printf("  cp                             %6.3f s  %6.0f MB/s\n", cp, mbps(cp));
    std::printf("  backup, verified (default)     %6.3f s  %6.0f MB/s  ratio to cp %.2f\n", verified, mbps(verified),
                cp / verified);
    std::printf("  backup, kernel copy, unchecked %6.3f s  %6.0f MB/s  ratio to cp %.2f\n", k, mbps(k), cp / k);
    std::printf("  backup, 1 MiB buffer, unchecked %5.3f s  %6.0f MB/s  ratio to cp %.2f\n", b, mbps(b), cp / b);
    std::printf("  backup, 1024-byte buffer       %6.3f s  %6.0f MB/s  ratio to cp %.2f\n", s, mbps(s), cp / s);
}

void coldCopies(const std::string& source, const std::string& folder)
{
    const std::string copy = copyOf(source, folder);
    double cp = 1e9, cmp = 1e9, peer = 1e9, peerSynced = 1e9, peerFromDisk = 1e9, verified = 1e9;
    for (int run = 0; run < 3; ++run) {
        fs::remove(copy);
        if (!dropCaches()) {
            std::printf("1 GiB, cold cache: dropping the page cache was refused (not root?); skipped\n");
            return;
        }
        const double c = timeCommand("cp '" + source + "' '" + folder + "/'");
        const double m = timeCommand("cmp '" + source + "' '" + copy + "'");
        const double s = timeCommand("sync"); // what cp left for later, which the verified copy waits for
        fs::remove(copy);
        dropCaches();
        // The same checks as the verified copy: on the disk, then compared with the copy read past
        // the page cache.
        peerFromDisk = std::min(peerFromDisk, timeCommand("bash -c \"cp '" + source + "' '" + folder + "/' && sync && cmp '"
                                                          + source + "' <(dd if='" + copy
                                                          + "' iflag=direct bs=1M status=none)\""));
        fs::remove(copy);
        dropCaches();
        CopyControl control;
        const auto start = Clock::now();
        if (pmBackupFile(source, folder, &control) != BackupStatus::Copied)
            std::fprintf(stderr, "verified backup failed\n");
        verified = std::min(verified, seconds(start));
        cp = std::min(cp, c);
        cmp = std::min(cmp, m);
        peer = std::min(peer, c + m);
        peerSynced = std::min(peerSynced, c + s + m);
    }
    std::printf("1 GiB, page cache dropped before each run (best of 3)\n");
    std::printf("  cp                              %6.3f s\n", cp);
    std::printf("  cmp after cp (copy still cached)%6.3f s\n", cmp);
    std::printf("  cp + cmp                        %6.3f s  %6.0f MB/s\n", peer, mbps(peer));
    std::printf("  cp + cmp + sync                 %6.3f s  %6.0f MB/s\n", peerSynced, mbps(peerSynced));
    std::printf("  cp, sync, cmp with the copy read with O_DIRECT %6.3f s  %6.0f MB/s\n", peerFromDisk,
                mbps(peerFromDisk));
    std::printf("  backup, verified from the disk  %6.3f s  %6.0f MB/s  speed against cp + cmp %.2f, against "
                "cp + cmp + sync %.2f, against cp + sync + cmp from the disk %.2f\n",
                verified, mbps(verified), peer / verified, peerSynced / verified, peerFromDisk / verified);
}

void secondRun(const fs::path& work)
{
    const std::string card = (work / "card").string();
    const std::string dst = (work / "card-backup").string();
    fs::create_directories(card + "/DCIM/100MEDIA");
    fs::create_directories(dst);
    const std::string movie = makeMp4();
    for (int i = 0; i < kCardRecordings; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/DCIM/100MEDIA/%s%04dF.MP4", i % 10 ? "FILE" : "EMER", i);
        std::ofstream(card + name, std::ios::binary) << movie;
        const timespec t{1767225600 + i * 60, 0};
        setFileTimes(card + name, {t, t});
        if (i % 2 == 0) {
            std::snprintf(name, sizeof name, "/DCIM/100MEDIA/%s%04dF.NMEA", i % 10 ? "FILE" : "EMER", i);
            std::ofstream(card + name) << "$GPRMC,000000.00,A,3723.2475,N,12158.3416,W,0.0,0.0,010126,,,A*00\r\n";
        }
    }
    CopyControl first;
    const BackupResult firstRun = pmRunBackup(BackupPlan::forFolder(card, {}, dst), first);
    double scan = 1e9, run = 1e9;
    BackupResult again;
    for (int i = 0; i < 3; ++i) {
        auto start = Clock::now();
        const BackupPlan plan = BackupPlan::forFolder(card, {}, dst);
        scan = std::min(scan, seconds(start));
        start = Clock::now();
        CopyControl control;
        again = pmRunBackup(plan, control);
        run = std::min(run, seconds(start));
    }
    const double cli = best(3, [&] { return timeCommand(std::string(KORIV_CLI_PATH) + " backup '" + card + "' '" + dst
                                                        + "' > /dev/null"); });
    std::printf("second run over %d recordings (%d with logs) already backed up (first run copied %d)\n",
                kCardRecordings, kCardRecordings / 2, firstRun.copied);
    std::printf("  scan of the card                %6.3f s\n", scan);
    std::printf("  run (%d skipped, %d copied)    %6.3f s\n", again.skipped, again.copied, run);
    std::printf("  scan + run                      %6.3f s\n", scan + run);
    std::printf("  korivmanager-cli backup         %6.3f s\n", cli);
    if (std::system("command -v rsync > /dev/null") == 0) {
        timeCommand("rsync -a '" + card + "/DCIM/100MEDIA/' '" + (work / "rsync").string() + "/'");
        const double rsync = best(3, [&] {
            return timeCommand("rsync -a '" + card + "/DCIM/100MEDIA/' '" + (work / "rsync").string() + "/'");
        });
        std::printf("  rsync -a (second run)           %6.3f s\n", rsync);
    } else {
        std::printf("  rsync -a: not installed\n");
    }
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

    warmCopies(source, folder);
    coldCopies(source, folder);
    secondRun(work);
    std::printf("peak memory of a verified copy: 16 MiB file %ld KiB, 1 GiB file %ld KiB\n",
                childPeakKiB(small, folder), childPeakKiB(source, folder));
    fs::remove_all(work);
    return 0;
}
