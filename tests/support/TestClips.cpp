#include "TestClips.h"

#include "CommandRunner.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

constexpr int kColours = 8;
// The largest distance per channel still read as the colour (encoding blurs flat colours a
// little; the colours are 255 apart).
constexpr int kTolerance = 60;

std::string quoted(const std::string& text)
{
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string lowerExtension(const std::string& path)
{
    const size_t dot = path.rfind('.');
    std::string ext = dot == std::string::npos ? "" : path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext;
}

// One channel of the colour of second floor(T): a bit of the second's number, as 0 or 255.
std::string channelExpression(int bit, bool inverted)
{
    const std::string on = "255*mod(floor(floor(T)/" + std::to_string(1 << bit) + "),2)";
    return inverted ? "255-" + on : on;
}

} // namespace

ClipColour clipColour(int second, bool inverted)
{
    const int k = ((second % kColours) + kColours) % kColours;
    ClipColour c{(k & 1) ? 255 : 0, (k & 2) ? 255 : 0, (k & 4) ? 255 : 0};
    if (inverted)
        c = {255 - c.r, 255 - c.g, 255 - c.b};
    return c;
}

int clipSecondOf(int r, int g, int b, bool inverted)
{
    for (int k = 0; k < kColours; ++k) {
        const ClipColour c = clipColour(k, inverted);
        if (std::abs(c.r - r) <= kTolerance && std::abs(c.g - g) <= kTolerance && std::abs(c.b - b) <= kTolerance)
            return k;
    }
    return -1;
}

bool writeTestClip(const std::string& path, const ClipOptions& o)
{
    const std::string duration = std::to_string(o.seconds);
    // The colour is worked out per pixel on a small picture, then enlarged: flat colours lose
    // nothing and the clip is made ten times faster.
    std::string command = "ffmpeg -nostdin -loglevel error -y -f lavfi -i "
        + quoted("color=black:s=16x16:r=" + std::to_string(o.fps) + ":d=" + duration);
    const bool avi = lowerExtension(path) == "avi";
    if (o.audio)
        command += " -f lavfi -i " + quoted("sine=frequency=440:sample_rate=16000:duration=" + duration);
    command += " -vf " + quoted("format=rgb24,geq=r='" + channelExpression(0, o.inverted) + "':g='"
                                + channelExpression(1, o.inverted) + "':b='" + channelExpression(2, o.inverted)
                                + "',scale=" + std::to_string(o.width) + ":" + std::to_string(o.height) + ":flags=neighbor,setsar=1");
    if (o.codec == "mjpeg")
        command += " -c:v mjpeg -q:v 3 -pix_fmt yuvj420p";
    else
        command += " -c:v libx264 -preset veryfast -pix_fmt yuv420p -g " + std::to_string(o.keyFrameInterval)
            + " -keyint_min " + std::to_string(o.keyFrameInterval) + " -sc_threshold 0";
    if (o.audio)
        command += avi ? " -c:a pcm_s16le" : " -c:a aac -b:a 32k";
    command += " -t " + duration + " " + quoted(path) + " 2>&1";
    return runCommand(command).exitCode == 0;
}

bool writeCameraLikeClip(const std::string& path, int seconds, int height, bool sound)
{
    const int width = height * 16 / 9 / 2 * 2;
    const long long kbits = 12000LL * width * height / (1920 * 1080);
    const std::string rate = std::to_string(kbits) + "k";
    const std::string duration = std::to_string(seconds);
    std::string command = "ffmpeg -nostdin -loglevel error -y -f lavfi -i "
        + quoted("testsrc2=size=" + std::to_string(width) + "x" + std::to_string(height) + ":rate=30:duration=" + duration);
    if (sound)
        command += " -f lavfi -i " + quoted("sine=frequency=440:sample_rate=48000:duration=" + duration) + " -c:a aac -b:a 128k";
    command += " -vf noise=alls=10:allf=t -c:v libx264 -preset veryfast -b:v " + rate + " -maxrate " + rate
        + " -bufsize " + std::to_string(2 * kbits) + "k -pix_fmt yuv420p -g 60 -keyint_min 60 -sc_threshold 0 " + quoted(path) + " 2>&1";
    return runCommand(command).exitCode == 0;
}
