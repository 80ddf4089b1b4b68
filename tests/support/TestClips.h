#pragma once
// Short real recordings for the playback, capture and printing tests, made with Debian's
// ffmpeg. Second k of a clip is one flat colour, clipColour(k), so a decoded picture tells
// which second (and, inverted, which camera) it belongs to.

#include <string>

struct ClipOptions {
    int seconds = 5;
    int fps = 25;
    int width = 160;
    int height = 90;
    std::string codec = "libx264"; // or "mjpeg" (AVI)
    int keyFrameInterval = 50;     // frames
    bool inverted = false;         // the other camera: every colour inverted
    bool audio = false;            // a quiet AAC (MP4/MOV) or PCM (AVI) track
};

struct ClipColour {
    int r = 0, g = 0, b = 0;
};

// The container follows the file's extension (.MP4, .MOV, .AVI, any case). False when ffmpeg
// is missing or fails.
bool writeTestClip(const std::string& path, const ClipOptions& options = {});

// Eight colours, repeating every eight seconds.
ClipColour clipColour(int second, bool inverted = false);
// The second (modulo eight) whose colour is nearest to the pixel, or -1 when none is close.
int clipSecondOf(int r, int g, int b, bool inverted = false);

// An H.264 MP4 of 16:9 pictures (1080p by default) at 30 frames per second, 12 Mbit/s for
// 1080p (scaled with the picture's area), a key frame every 2 s: a moving test pattern with
// temporal noise, so its frames cost what a camera's cost to decode (benchmarks). With sound:
// a tone as AAC, as a front camera records it.
bool writeCameraLikeClip(const std::string& path, int seconds, int height = 1080, bool sound = false);
