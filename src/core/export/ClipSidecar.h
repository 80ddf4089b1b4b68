#pragma once
// The GPX beside a clip. It is written into a temporary file next to its name before the clip
// is made, and takes its name only once the clip has taken its own: the clip and its track
// appear together or not at all, and a full disk is found before minutes of encoding.

#include "export/ClipTrack.h"

#include <span>
#include <string>
#include <string_view>

class ClipSidecar {
public:
    explicit ClipSidecar(std::string path) : mPath(std::move(path)) {}
    ~ClipSidecar(); // removes a temporary file never published
    ClipSidecar(const ClipSidecar&) = delete;
    ClipSidecar& operator=(const ClipSidecar&) = delete;

    // Writes the spans' track into the temporary file. True when written, and when the track
    // holds no position (then there is no GPX); false, with the reason, when it could not be.
    bool prepare(std::span<const ClipTrackSpan> spans, std::string_view name);
    // Whether the track holds a position, so that there is a GPX.
    bool hasTrack() const { return mHasTrack; }
    // Gives the prepared file its name; true when there was none to give.
    bool publish();
    const std::string& path() const { return mPath; }
    const std::string& error() const { return mError; }

private:
    std::string mPath;
    std::string mTemporary;
    std::string mError;
    bool mHasTrack = false;
};
