#include "ClipEncoder.h"

#include <cstdio>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

constexpr int kParallelJobs = 2;

const char* const kFonts[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf",
};

std::vector<std::string> commonHead()
{
    return {"-hide_banner", "-loglevel", "error", "-nostdin", "-y", "-f", "lavfi", "-i"};
}

pid_t spawn(const EncodeJob& job)
{
    std::vector<std::string> argv{"ffmpeg"};
    argv.insert(argv.end(), job.arguments.begin(), job.arguments.end());
    std::vector<char*> raw;
    for (std::string& a : argv)
        raw.push_back(a.data());
    raw.push_back(nullptr);
    pid_t pid = -1;
    return posix_spawnp(&pid, "ffmpeg", nullptr, nullptr, raw.data(), environ) == 0 ? pid : -1;
}

bool waitOne(pid_t pid)
{
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

ClipEncoder::ClipEncoder()
{
    for (const char* font : kFonts)
        if (std::filesystem::exists(font)) {
            mFont = font;
            break;
        }
}

bool ClipEncoder::hasFfmpeg() const
{
    return std::system("ffmpeg -hide_banner -version >/dev/null 2>&1") == 0;
}

EncodeJob ClipEncoder::recording(const PlannedClip& clip, bool rearCamera, const std::string& output) const
{
    const std::string source = std::string(rearCamera ? "smptebars" : "testsrc2") +
                               "=size=320x180:rate=15:duration=" + std::to_string(clip.seconds);
    EncodeJob job{commonHead(), output};
    job.arguments.push_back(source);
    if (!mFont.empty()) {
        // The camera's clock: local time of the recording, running with the picture.
        job.arguments.insert(job.arguments.end(),
                             {"-vf", "drawtext=fontfile=" + mFont +
                                         ":fontsize=13:fontcolor=white:box=1:boxcolor=black@0.55:boxborderw=3"
                                         ":x=6:y=h-th-8:text='%{pts\\:localtime\\:" +
                                         std::to_string(static_cast<long long>(clip.start)) + "}  " +
                                         clip.name(rearCamera) + "'"});
    }
    if (clip.container == Container::AviMjpeg)
        job.arguments.insert(job.arguments.end(), {"-c:v", "mjpeg", "-q:v", "12", "-pix_fmt", "yuvj420p"});
    else
        job.arguments.insert(job.arguments.end(), {"-c:v", "libx264", "-preset", "ultrafast", "-crf", "30",
                                                   "-pix_fmt", "yuv420p", "-g", "30"});
    const char* format = clip.container == Container::Mp4 ? "mp4" : clip.container == Container::Mov ? "mov" : "avi";
    job.arguments.insert(job.arguments.end(), {"-threads", "1", "-f", format, output});
    return job;
}

EncodeJob ClipEncoder::hevc(const std::string& output) const
{
    EncodeJob job{commonHead(), output};
    job.arguments.insert(job.arguments.end(),
                         {"testsrc2=size=320x180:rate=15:duration=2", "-c:v", "libx265", "-preset", "ultrafast",
                          "-x265-params", "log-level=error", "-tag:v", "hvc1", "-threads", "1", "-f", "mp4", output});
    return job;
}

bool ClipEncoder::run(const std::vector<EncodeJob>& jobs) const
{
    bool ok = true;
    std::vector<pid_t> running;
    for (const EncodeJob& job : jobs) {
        if (running.size() == kParallelJobs) {
            ok = waitOne(running.front()) && ok;
            running.erase(running.begin());
        }
        const pid_t pid = spawn(job);
        if (pid < 0) {
            std::fprintf(stderr, "koriv-samplecard: cannot start ffmpeg for %s\n", job.output.c_str());
            ok = false;
            continue;
        }
        running.push_back(pid);
    }
    for (pid_t pid : running)
        ok = waitOne(pid) && ok;
    return ok;
}
