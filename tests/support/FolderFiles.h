#pragma once
// What the file tests look at: a file's bytes, the names a folder holds (a left-over temporary
// file shows there), and filler bytes that differ from block to block.

#include <string>
#include <vector>

std::string readFileBytes(const std::string& path);
// Sorted; hidden names included.
std::vector<std::string> fileNamesIn(const std::string& folder);
// size bytes of a pattern that the seed shifts and that never repeats within 2 KiB.
std::string patternBytes(size_t size, char seed);
