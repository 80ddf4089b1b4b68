#include "MediaCommands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace cli {

namespace {

constexpr const char* kMediaProgram = "korivmanager-cli-media";

// Beside this program first (the build tree, a copied pair), then where the package puts it
// relative to the binary folder, so an installed tree can be moved as a whole.
std::vector<std::filesystem::path> mediaProgramCandidates()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = error ? std::filesystem::path(".") : self.parent_path();
    return {folder / kMediaProgram, folder / KORIV_CLI_MEDIA_RELATIVE_DIR / kMediaProgram};
}

} // namespace

int runMediaCommand(std::string_view command, std::span<const std::string_view> args)
{
    std::vector<std::string> words{std::string(), std::string(command)};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    std::string tried;
    int failure = ENOENT;
    for (const std::filesystem::path& candidate : mediaProgramCandidates()) {
        words[0] = candidate.string();
        argv[0] = words[0].data();
        ::execv(argv[0], argv.data());
        // A program that is there but cannot be run says more than the ones that are missing.
        if (errno != ENOENT)
            failure = errno;
        tried += (tried.empty() ? "" : ", ") + words[0];
    }
    std::fprintf(stderr,
                 "korivmanager-cli %.*s: cannot start %s, which decodes the pictures: %s (looked for %s)\n",
                 static_cast<int>(command.size()), command.data(), kMediaProgram, std::strerror(failure),
                 tried.c_str());
    return 1;
}

} // namespace cli
