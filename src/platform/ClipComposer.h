#pragma once
// The picture of an exported clip, made by an FFmpeg filter graph from one or two cameras'
// frames: the main camera alone, the two side by side at the main camera's height (scale,
// hstack), or the second camera small in the main one's top corner with a thin white frame
// (scale, pad, overlay). The overlay text (drawtext, DejaVu Sans through fontconfig) is drawn
// on the main camera's picture from a value each frame carries, so it changes on the frame
// it belongs to. Both inputs get one frame per output frame at the same time stamp, so the
// two cameras stay in step whatever their own frame rates.

#include "ClipExporter.h"
#include "ClipVideoSource.h"
#include "FfmpegSupport.h"

#include <optional>
#include <string>

class ClipComposer {
public:
    // second: none for one camera; the main camera's rate is the clip's. Empty text on
    // success, else why the graph cannot be made.
    QString build(ClipCameras cameras, const ClipPictureFormat& main, const std::optional<ClipPictureFormat>& second,
                  bool overlay);
    int width() const;
    int height() const;
    // Of the composed frames' times (stacking may choose a finer one than the inputs').
    AVRational timeBase() const;

    // Frame n of the output: the cameras' pictures (null shows black) and the overlay text.
    bool push(int64_t n, const AVFrame* main, const AVFrame* second, const std::string& text);
    // No more frames.
    bool close();
    // The next composed frame: 0, AVERROR(EAGAIN) until more is pushed, AVERROR_EOF at the end.
    int pull(AVFrame* frame);

private:
    struct Input {
        AVFilterContext* source = nullptr;
        AvFramePtr black;
    };

    AVFilterContext* add(const char* filter, std::initializer_list<std::pair<const char*, std::string>> options);
    AVFilterContext* chain(AVFilterContext* from, const char* filter,
                           std::initializer_list<std::pair<const char*, std::string>> options);
    bool addInput(Input& input, const ClipPictureFormat& format, AVRational rate);
    AVFilterContext* text(AVFilterContext* from, int height);
    bool feed(Input& input, int64_t n, const AVFrame* picture, const std::string* text);

    AvGraphPtr mGraph;
    Input mInputs[2];
    AVFilterContext* mSink = nullptr;
    QString mError;
};
