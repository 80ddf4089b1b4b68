#pragma once
// The packets of a camera's stretches, in file order, with their time stamps moved onto the
// clip's time line. Video packets run from the key frame at or before each stretch's start
// (the ones before the start get negative times, which the MP4 edit list hides) to the last
// frame before its end, and the frames after the end that those are predicted from. Sound
// packets run over the same seconds.

#include "ClipInput.h"
#include "ClipStretch.h"

#include <deque>

class ClipJob;

class ClipPacketSource {
public:
    enum Kind { Video = 0, Audio = 1 };

    ClipPacketSource(ClipJob& job, ClipStretches stretches, bool video, bool audio);

    // Opens the first recording: false (the job failed) when it cannot be read.
    bool start();
    // The first recording's stream of that kind, null when it has none.
    const AVStream* stream(Kind kind) const;
    // Where the packets go: the output stream and its time base, -1 for none.
    void route(Kind kind, int outputStream, AVRational timeBase);
    // The next packet, stream_index set to its output stream; false at the end or on failure.
    bool next(AVPacket* packet);
    // The clip time of the packet next() would hand out, for interleaving two sources.
    double peekTime();

private:
    struct Route {
        bool wanted = false;
        int stream = -1;
        AVRational timeBase{1, 1};
        int64_t lastDts = INT64_MIN;
        int64_t shift = 0;     // added in this stretch to keep the times increasing
        bool shiftSet = false;
        bool done = false;     // past the stretch's end
    };

    bool openStretch();
    bool readStretch();
    bool take(AVPacket* packet, Route& route, const AVStream* from);
    void place(AVPacket* packet, Route& route, const AVStream* from);
    void finishStretch();

    ClipJob& mJob;
    ClipStretches mStretches;
    size_t mIndex = 0;
    ClipInput mInput;
    bool mOpen = false;
    Route mRoutes[2];
    AvPacketPtr mRead = pmNewPacket();
    std::deque<AvPacketPtr> mHeld;   // frames after the end, kept until a frame before it needs them
    std::deque<AvPacketPtr> mReady;  // placed, to be handed out
};
