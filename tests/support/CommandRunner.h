#pragma once
// Runs a command line and collects its standard output and exit status, for tests of the
// command-line tool.

#include <string>

struct CommandResult {
    int exitCode = -1;
    std::string out;
};

// The command goes through /bin/sh; standard error is discarded unless the command redirects it.
CommandResult runCommand(const std::string& commandLine);
