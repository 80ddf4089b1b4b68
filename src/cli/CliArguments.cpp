// The argument helpers every command uses, whichever program runs it.

#include "CliCommand.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace cli {

bool takeValue(std::span<const std::string_view> args, size_t& i, std::string_view& value)
{
    if (i + 1 >= args.size())
        return false;
    value = args[++i];
    return true;
}

bool parseSeconds(std::string_view text, double& seconds)
{
    const std::string copy(text);
    char* end = nullptr;
    seconds = std::strtod(copy.c_str(), &end);
    return end && *end == '\0' && !copy.empty() && seconds >= 0 && seconds < 1e9;
}

int usageError(std::string_view command, std::string_view message)
{
    std::fprintf(stderr, "korivmanager-cli %.*s: %.*s\n", static_cast<int>(command.size()), command.data(),
                 static_cast<int>(message.size()), message.data());
    return 2;
}

bool isReadableFolder(std::string_view command, const std::string& folder)
{
    std::error_code error;
    std::filesystem::directory_iterator(folder, error);
    if (!error)
        return true;
    std::fprintf(stderr, "korivmanager-cli %.*s: cannot read the folder %s: %s\n", static_cast<int>(command.size()),
                 command.data(), folder.c_str(), error.message().c_str());
    return false;
}

} // namespace cli
