#pragma once
// Writes the whole sample card into a folder: recordings, their tracks, the files that must
// be rejected, and modification times set to the end of each recording.

#include <string>

class SampleCardWriter {
public:
    explicit SampleCardWriter(std::string root) : mRoot(std::move(root)) {}

    // False, with a message on standard error, when ffmpeg is missing or a step failed.
    bool write();

private:
    std::string at(const std::string& relative) const;
    bool encodeVideos();
    bool addTracks();
    bool addRejects();

    std::string mRoot;
};
