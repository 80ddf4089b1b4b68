#pragma once
// The pictures of one camera along a clip's time line: for each moment asked (in increasing
// order), the frame on show then, decoded and brought to one size and pixel format, so the
// filter graph sees one stream even when the recordings differ. Where the camera has nothing
// (no recording, or a recording shorter than the other camera's) there is no frame: the
// caller shows black. A frame that will not decode is counted and the one before stays.

#include "ClipInput.h"
#include "ClipStretch.h"

struct SwsContext;
class ClipJob;

struct ClipPictureFormat {
    int width = 0;
    int height = 0;
    AVPixelFormat format = AV_PIX_FMT_YUV420P;
    AVRational rate{30, 1};
};

class ClipVideoSource {
public:
    ClipVideoSource(ClipJob& job, ClipStretches stretches, const ClipPictureFormat& format);
    ~ClipVideoSource();
    ClipVideoSource(const ClipVideoSource&) = delete;
    ClipVideoSource& operator=(const ClipVideoSource&) = delete;

    // The frame on show at that clip time, null for none (see the job for a failure).
    const AVFrame* frameAt(double clipTime);

private:
    bool open(size_t index);
    void decodeNext();
    bool sendNextPacket();
    bool accept(AVFrame* decoded);
    AVFrame* normalised(AVFrame* decoded);

    ClipJob& mJob;
    ClipStretches mStretches;
    ClipPictureFormat mFormat;
    size_t mIndex = 0;
    bool mOpen = false;
    ClipInput mInput;
    AvCodecPtr mDecoder;
    AvPacketPtr mPacket = pmNewPacket();
    AvFramePtr mDecoded = pmNewFrame();
    AvFramePtr mCurrent; // on show
    double mCurrentTime = 0;
    AvFramePtr mNext;    // decoded, shown from mNextTime on
    double mNextTime = 0;
    bool mDraining = false;
    bool mEnded = false; // nothing more in this stretch
    double mFrameLength = 1.0 / 30;
    SwsContext* mScaler = nullptr;
};
