// The playback subsystem's marks of a clip: set at the open recording's position, drawn on the
// time slider of whichever recording the clip runs through.
#include "PlaybackController.h"

#include "VideoPlayerView.h"
#include "controls/PlayControlView.h"
#include "controls/Slider.h"

bool PlaybackController::markClip(bool end)
{
    if (!mVideoPlayView || m_nCurPlayIndex < 0)
        return false;
    // The player's own position, to the millisecond: the slider's is whole seconds.
    const double seconds = mVideoPlayView->getitemTime();
    if (end)
        mClipMarks.setOut(m_nCurPlayIndex, seconds);
    else
        mClipMarks.setIn(m_nCurPlayIndex, seconds);
    return true;
}

void PlaybackController::showClipMarks()
{
    if (mPlaybarView)
        mPlaybarView->poTimeSlider()->setClipMarks(mClipMarks.sliderMarks(m_nCurPlayIndex));
}
