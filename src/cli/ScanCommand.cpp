// korivmanager-cli scan: builds the library of a folder and prints its play list.

#include "CliCommand.h"

#include <cstdio>

int runScan(std::span<const std::string_view> args)
{
    if (args.empty())
        return cli::usageError("scan", "a folder is needed");
    std::fputs("scan: not built yet\n", stderr);
    return 1;
}
