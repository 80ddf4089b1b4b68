#include "CommandRunner.h"

#include <cstdio>
#include <sys/wait.h>

CommandResult runCommand(const std::string& commandLine)
{
    CommandResult result;
    FILE* pipe = ::popen((commandLine + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return result;
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;)
        result.out.append(buf, n);
    int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}
