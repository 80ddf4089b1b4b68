#include "export/ClipParts.h"

#include "display/NumberText.h"
#include "gps/TrackLoader.h"
#include "library/MediaDuration.h"
#include "library/RecordingName.h"
#include "library/VideoLibrary.h"
#include "util/FileQueries.h"

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

namespace {

std::string fullPath(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::absolute(path, ec).lexically_normal().string();
}

std::optional<FileTime> modificationTime(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    using namespace std::chrono;
    return FileTime(duration_cast<FileTime::duration>(seconds(st.st_mtim.tv_sec) + nanoseconds(st.st_mtim.tv_nsec)));
}

// The recording with its partner, as front and rear.
void pair(const std::string& path, ClipPart& part)
{
    const auto other = pmGetAnotherCameraFile(path);
    const std::string partner = other && pmIsFileExist(*other) ? *other : std::string();
    const bool rear = pmGetCameraType(path) == CameraRear;
    part.front = rear ? partner : path;
    part.rear = rear ? path : partner;
}

} // namespace

std::vector<ClipPart> pmClipParts(std::span<const std::string> recordings, double from, double to, std::string& error)
{
    std::vector<ClipPart> parts;
    if (recordings.empty()) {
        error = "no recording";
        return parts;
    }
    for (size_t i = 0; i < recordings.size(); ++i) {
        const std::string path = fullPath(recordings[i]);
        const std::optional<double> duration = pmGetMediaDuration(path);
        if (!duration || !(*duration > 0)) {
            error = "cannot read the length of " + path;
            return {};
        }
        ClipPart part;
        pair(path, part);
        part.duration = *duration;
        part.in = i == 0 ? from : 0;
        part.out = i + 1 == recordings.size() ? to : *duration;
        if (const auto modified = modificationTime(path))
            part.start = pmRecordingStart(*modified, *duration);
        pmLoadTrack(path, *duration, part.track);
        parts.push_back(std::move(part));
    }
    if (recordings.size() == 1 && !(to > from)) {
        error = "the end (" + pmFixedText(to, 3) + " s) does not come after the start (" + pmFixedText(from, 3) + " s)";
        return {};
    }
    return parts;
}

std::vector<std::string> pmRecordingsBetween(const std::string& first, const std::string& last, std::string& error)
{
    const std::string start = fullPath(first);
    const std::string end = fullPath(last);
    const std::string folder(pmGetFolder(start));
    VideoLibrary library;
    library.build(folder);
    std::vector<std::string> between;
    bool inside = false;
    for (const AMediaFile& file : library.sortByFileDateAndPath()) {
        const std::string& path = file.URL();
        if (pmGetFolder(path) != folder || pmGetCameraType(path) != pmGetCameraType(start))
            continue;
        inside = inside || path == start;
        if (inside)
            between.push_back(path);
        if (inside && path == end)
            return between;
    }
    error = inside ? last + " does not follow " + first + " among the recordings of its folder and camera"
                   : first + " is not a recording the library accepts";
    return {};
}

std::vector<ClipTrackSpan> pmClipTrackSpans(const std::vector<ClipPart>& parts)
{
    std::vector<ClipTrackSpan> spans;
    spans.reserve(parts.size());
    for (const ClipPart& part : parts)
        spans.push_back({&part.track, part.start, part.in, part.out});
    return spans;
}
