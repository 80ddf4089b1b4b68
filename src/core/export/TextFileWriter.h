#pragma once
// A text file written front to back through a large buffer. Any failure (the file cannot be
// created, the disk fills up) is remembered, and closing reports it and removes the partial
// regular file, so a caller never reports a half-written export as saved.

#include <cstdio>
#include <string>
#include <string_view>

class TextFileWriter {
public:
    TextFileWriter() = default;
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    // Creates or replaces the file; false (and logged) when it cannot be created.
    bool open(const std::string& path);
    bool isOpen() const { return mFile != nullptr; }
    void write(std::string_view text);
    // True when everything was written; otherwise a partial regular file is removed.
    bool close();

private:
    std::FILE* mFile = nullptr;
    std::string mPath;
    bool mFailed = false;
};
