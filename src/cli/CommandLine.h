#pragma once
// The entry of both command-line programs: --help, the choice of a command by its first
// word, and the message for an unknown one.

#include "CliCommand.h"

#include <span>

namespace cli {
int runCommandLine(std::span<const CliCommand> commands, int argc, char** argv);
} // namespace cli
