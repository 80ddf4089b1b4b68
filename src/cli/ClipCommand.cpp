// korivmanager-cli clip: one video file of a moment, from one recording or across the
// following ones, from either camera or both, with the date, time and track values burnt in
// if asked, and a GPX of the same seconds beside it. Built with the platform layer only (it
// decodes and encodes through ClipExporter).

#include "CliCommand.h"
#include "ClipExporter.h"
#include "display/GpsInfoText.h"
#include "library/RecordingName.h"

#include <QFile>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <string>

namespace {

struct ClipArgs {
    std::string input;
    std::string until;
    std::string output;
    double from = -1;
    double to = -1;
    ClipCameras cameras = ClipCameras::Front;
    ClipOverlay overlay = ClipOverlay::None;
    bool sound = true;
};

constexpr std::pair<std::string_view, ClipCameras> kCameraNames[] = {
    {"front", ClipCameras::Front}, {"rear", ClipCameras::Rear},
    {"side", ClipCameras::SideBySide}, {"pip", ClipCameras::PictureInPicture}};
constexpr std::pair<std::string_view, ClipOverlay> kOverlayNames[] = {
    {"none", ClipOverlay::None}, {"time", ClipOverlay::DateTime}, {"full", ClipOverlay::Full}};

template <typename Value, size_t N>
bool lookUp(const std::pair<std::string_view, Value> (&names)[N], std::string_view name, Value& value)
{
    for (const auto& [text, v] : names)
        if (text == name) {
            value = v;
            return true;
        }
    return false;
}

int parseClipArgs(std::span<const std::string_view> args, ClipArgs& parsed)
{
    for (size_t i = 0; i < args.size(); ++i) {
        std::string_view value;
        const std::string_view option = args[i];
        if (option == "--from" || option == "--to") {
            if (!cli::takeValue(args, i, value) || !cli::parseSeconds(value, option == "--from" ? parsed.from : parsed.to))
                return cli::usageError("clip", std::string(option) + " takes a number of seconds");
        } else if (option == "--until" || option == "-o") {
            if (!cli::takeValue(args, i, value) || value.empty())
                return cli::usageError("clip", std::string(option) + " takes a file");
            (option == "-o" ? parsed.output : parsed.until) = value;
        } else if (option == "--cameras") {
            if (!cli::takeValue(args, i, value) || !lookUp(kCameraNames, value, parsed.cameras))
                return cli::usageError("clip", "--cameras takes front, rear, side or pip");
        } else if (option == "--overlay") {
            if (!cli::takeValue(args, i, value) || !lookUp(kOverlayNames, value, parsed.overlay))
                return cli::usageError("clip", "--overlay takes none, time or full");
        } else if (option == "--no-sound") {
            parsed.sound = false;
        } else if (parsed.input.empty() && !option.starts_with("-")) {
            parsed.input = option;
        } else {
            return cli::usageError("clip", "unexpected argument '" + std::string(option) + "'");
        }
    }
    if (parsed.input.empty() || parsed.output.empty() || parsed.from < 0 || parsed.to < 0)
        return cli::usageError("clip", "a recording, --from, --to and -o OUT.mp4 are needed");
    return 0;
}

int failure(const std::string& why)
{
    std::fprintf(stderr, "korivmanager-cli clip: %s\n", why.c_str());
    return 1;
}

// Ctrl-C cancels the export, so that no partial file stays behind.
std::atomic<ClipExporter*> gRunning{nullptr};

void cancelRunning(int)
{
    if (ClipExporter* exporter = gRunning.load())
        exporter->cancel();
}

bool runExport(ClipExporter& exporter)
{
    int shown = -1;
    exporter.setProgressHandler([&shown](double done) {
        const int percent = static_cast<int>(done * 100);
        if (percent != shown)
            std::fprintf(stderr, "\rclip: %3d %%", shown = percent);
    });
    gRunning = &exporter;
    auto previousInt = std::signal(SIGINT, cancelRunning);
    auto previousTerm = std::signal(SIGTERM, cancelRunning);
    const bool written = exporter.run();
    std::signal(SIGINT, previousInt);
    std::signal(SIGTERM, previousTerm);
    gRunning = nullptr;
    if (shown >= 0)
        std::fputc('\n', stderr);
    return written;
}

} // namespace

int runClip(std::span<const std::string_view> args)
{
    ClipArgs options;
    if (int error = parseClipArgs(args, options))
        return error;
    std::string error;
    std::vector<std::string> recordings{options.input};
    if (!options.until.empty() && (recordings = pmRecordingsBetween(options.input, options.until, error)).empty())
        return failure(error);
    const std::vector<ClipPart> parts = pmClipParts(recordings, options.from, options.to, error);
    if (parts.empty())
        return failure(error);
    if (options.cameras != ClipCameras::Front && !pmClipHasRear(parts))
        return failure("no rear recording goes with " + options.input);

    const QString output = QFile::decodeName(options.output.c_str());
    ClipExporter exporter(pmClipRequest(parts, options.cameras, options.overlay, options.sound, SpeedUnitKmh, output));
    if (!runExport(exporter))
        return failure(exporter.errorString().toStdString());
    std::fprintf(stderr, "clip: %s written (%.3f s, %s)\n", options.output.c_str(), exporter.duration(),
                 exporter.reencoded() ? "encoded again" : "packets copied");
    if (exporter.damagedFrames() > 0)
        std::fprintf(stderr, "clip: %d damaged frames were replaced by the picture before them\n",
                     exporter.damagedFrames());

    const std::string gpx = QFile::encodeName(pmClipSidecarPath(output)).toStdString();
    const std::string name(pmGetFileName(options.output, true));
    if (pmWriteClipGpx(gpx, pmClipTrackSpans(parts), name))
        std::fprintf(stderr, "clip: %s written\n", gpx.c_str());
    else
        std::fprintf(stderr, "clip: no positions in the clip's track, no GPX written\n");
    return 0;
}
