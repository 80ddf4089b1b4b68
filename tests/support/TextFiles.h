#pragma once
// Reading back what a test wrote: a file's bytes, and how often a piece of text stands in it.

#include <cstddef>
#include <string>

std::string readTextFile(const std::string& path);
size_t countOf(const std::string& text, const std::string& what);
