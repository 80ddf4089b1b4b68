#include "CommandLine.h"

#include <cstdio>
#include <vector>

namespace cli {

namespace {

void printHelp(std::span<const CliCommand> commands)
{
    std::puts("usage: korivmanager-cli COMMAND [ARGS]\ncommands:");
    for (const CliCommand& c : commands)
        std::printf("  %.*s\n", static_cast<int>(c.usage.size()), c.usage.data());
}

} // namespace

int runCommandLine(std::span<const CliCommand> commands, int argc, char** argv)
{
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        printHelp(commands);
        return args.empty() ? 2 : 0;
    }
    for (const CliCommand& c : commands)
        if (c.name == args[0])
            return c.run(std::span(args).subspan(1));
    std::fprintf(stderr, "korivmanager-cli: unknown command '%s'\n", argv[1]);
    printHelp(commands);
    return 2;
}

} // namespace cli
