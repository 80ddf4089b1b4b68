#include "SampleCardWriter.h"

#include "CardPlan.h"
#include "ClipEncoder.h"
#include "RiffWriter.h"
#include "TrackFiles.h"

#include <cstdio>
#include <filesystem>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

bool writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// Exactly on the second, so that a front and a rear recording of one moment share their time.
void setTime(const std::string& path, std::time_t when)
{
    const timespec times[2] = {{when, 0}, {when, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// Relative paths of the logs a clip keeps, one per camera or one shared.
std::vector<std::string> logPaths(const PlannedClip& clip)
{
    const std::string front = clip.path(false);
    const std::string rear = clip.path(true);
    const auto beside = [](const std::string& video, const std::string& extension) {
        return video.substr(0, video.rfind('.')) + extension;
    };
    const auto withRear = [&](std::vector<std::string> paths, const std::string& rearPath) {
        if (clip.rear)
            paths.push_back(rearPath);
        return paths;
    };
    const std::string pairName = clip.prefix + clip.name(false).substr(clip.prefix.size(), 4) + "N.NMEA";
    const std::string folder = pmSampleCardLogFolder() + "/";
    switch (clip.track) {
    case TrackStore::LogBeside: return withRear({beside(front, ".nmea")}, beside(rear, ".nmea"));
    case TrackStore::TextLog: return withRear({beside(front, ".txt")}, beside(rear, ".txt"));
    case TrackStore::SensorLog: return withRear({beside(front, ".log")}, beside(rear, ".log"));
    case TrackStore::PairLogBeside:
        return withRear({fs::path(front).parent_path().string() + "/" + pairName},
                        fs::path(rear).parent_path().string() + "/" + pairName);
    case TrackStore::PairLogInFolder: return {folder + pairName};
    case TrackStore::OwnLogInFolder:
        return withRear({folder + clip.name(false) + ".NMEA"}, folder + clip.name(true) + ".NMEA");
    default: return {};
    }
}

std::vector<bool> cameras(const PlannedClip& clip)
{
    return clip.rear ? std::vector<bool>{false, true} : std::vector<bool>{false};
}

PlannedClip truncatedSource()
{
    PlannedClip clip = pmSampleCardPlan().front();
    clip.container = Container::Mov;
    clip.seconds = 4;
    return clip;
}

} // namespace

std::string SampleCardWriter::at(const std::string& relative) const
{
    const fs::path path = fs::path(mRoot) / relative;
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    return path.string();
}

bool SampleCardWriter::encodeVideos()
{
    const ClipEncoder encoder;
    if (!encoder.hasFfmpeg()) {
        std::fputs("koriv-samplecard: ffmpeg is needed (apt-get install ffmpeg)\n", stderr);
        return false;
    }
    std::vector<EncodeJob> jobs;
    for (const PlannedClip& clip : pmSampleCardPlan())
        for (bool rear : cameras(clip))
            jobs.push_back(encoder.recording(clip, rear, at(clip.path(rear))));
    const std::vector<RejectedFile> rejects = pmSampleCardRejects();
    jobs.push_back(encoder.hevc(at(rejects[0].path)));
    jobs.push_back(encoder.recording(truncatedSource(), false, at(rejects[1].path)));
    if (!encoder.run(jobs)) {
        std::fputs("koriv-samplecard: ffmpeg failed\n", stderr);
        return false;
    }
    return true;
}

bool SampleCardWriter::addTracks()
{
    bool ok = true;
    for (const PlannedClip& clip : pmSampleCardPlan()) {
        const std::string chunks = pmSampleAviChunks(clip);
        const std::time_t end = clip.start + clip.seconds;
        for (bool rear : cameras(clip)) {
            if (!chunks.empty())
                ok = RiffWriter::appendToFile(at(clip.path(rear)), chunks) && ok;
            setTime(at(clip.path(rear)), end);
        }
        for (const std::string& log : logPaths(clip)) {
            ok = writeFile(at(log), pmSampleNmeaLog(clip)) && ok;
            setTime(at(log), end);
        }
    }
    return ok;
}

bool SampleCardWriter::addRejects()
{
    const std::vector<RejectedFile> rejects = pmSampleCardRejects();
    std::error_code ec;
    const std::string truncated = at(rejects[1].path);
    fs::resize_file(truncated, fs::file_size(truncated, ec) * 6 / 10, ec);
    const bool ok = !ec && writeFile(at(rejects[2].path), "Not a recording: notes about the trip.\n");
    for (const RejectedFile& reject : rejects)
        setTime(at(reject.path), pmSampleCardPlan().front().start);
    return ok;
}

bool SampleCardWriter::write()
{
    return encodeVideos() && addTracks() && addRejects();
}
