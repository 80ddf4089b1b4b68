// koriv-samplecard OUTDIR: writes a realistic dash-camera memory card for trying the
// application and for end-to-end checks.

#include "SampleCardWriter.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: koriv-samplecard OUTDIR\n", stderr);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    if (!SampleCardWriter(argv[1]).write())
        return 1;
    std::uintmax_t bytes = 0;
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[1]))
        if (entry.is_regular_file()) {
            bytes += entry.file_size();
            ++files;
        }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "koriv-samplecard: %d files, %.1f MB in %s, %.1f s\n", files, bytes / 1e6, argv[1], seconds);
    return 0;
}
