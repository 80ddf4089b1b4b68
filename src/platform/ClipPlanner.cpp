#include "ClipPlanner.h"

#include "ClipJob.h"
#include "backup/FileCopy.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

// A clip longer than a day is taken as a mistake in the times.
constexpr double kMaxClipSeconds = 24 * 3600;

bool bothCameras(ClipCameras cameras)
{
    return cameras == ClipCameras::SideBySide || cameras == ClipCameras::PictureInPicture;
}

QString firstPath(const ClipStretches& stretches)
{
    const auto found = std::find_if(stretches.begin(), stretches.end(), [](const ClipStretch& s) { return !s.path.isEmpty(); });
    return found == stretches.end() ? QString() : found->path;
}

} // namespace

std::unique_ptr<ClipPlan> ClipPlanner::plan(const ClipRequest& request)
{
    if (request.segments.empty())
        return mJob.fail(ClipFailure::BadRange, QStringLiteral("the clip takes no recording")), nullptr;
    if (request.output.isEmpty())
        return mJob.fail(ClipFailure::WriteFailed, QStringLiteral("no file to write the clip to")), nullptr;
    auto plan = std::make_unique<ClipPlan>();
    plan->cameras = request.cameras;
    plan->overlay = &request.overlay;
    mCopyable = request.overlay.empty() && !bothCameras(request.cameras);
    for (const ClipSegment& segment : request.segments)
        if (!addSegment(request, segment, *plan))
            return nullptr;
    if (!mCopyable && !learnPictureFormats(*plan))
        return nullptr;
    if (bothCameras(request.cameras) && !plan->secondFormat)
        plan->secondFormat = plan->mainFormat; // no rear recording at all: black beside the front
    if (mFirstSound) {
        plan->sampleRate = mFirstSound->sampleRate;
        plan->channels = mFirstSound->channels;
    } else {
        plan->sound.clear();
    }
    mJob.duration = mClipTime;
    return plan;
}

bool ClipPlanner::addSegment(const ClipRequest& request, const ClipSegment& s, ClipPlan& plan)
{
    if (!std::isfinite(s.in) || !std::isfinite(s.out) || s.in < 0)
        return mJob.fail(ClipFailure::BadRange, QStringLiteral("the clip's times must be seconds into the recordings"));
    if (s.out <= s.in)
        return mJob.fail(ClipFailure::BadRange, QStringLiteral("the clip's end (%1 s) does not come after its start (%2 s)")
                                                    .arg(s.out)
                                                    .arg(s.in));
    const bool rearAlone = request.cameras == ClipCameras::Rear;
    const QString& mainPath = rearAlone ? s.rear : s.front;
    if (mainPath.isEmpty())
        return mJob.fail(ClipFailure::BadRange, QStringLiteral("a part of the clip has no %1 recording")
                                                    .arg(QLatin1String(rearAlone ? "rear" : "front")));
    const RecordingFacts* main = mProbe.facts(mainPath);
    if (!main || !checkRange(*main, mainPath, s))
        return false;
    mFirstMain = mFirstMain ? mFirstMain : main;
    mCopyable = mCopyable && main->videoCopyable() && main->sameVideo(*mFirstMain);
    for (const QString& recording : {s.front, s.rear})
        if (!recording.isEmpty() && pmIsSameFile(request.output.toStdString(), recording.toStdString()))
            return mJob.fail(ClipFailure::WriteFailed,
                             QStringLiteral("the clip would replace the recording %1").arg(recording));
    plan.main.push_back({mainPath, s.in, s.out, mClipTime});
    bool failed = false;
    if (bothCameras(request.cameras)) {
        optionalFacts(s.rear, failed); // a rear recording named must be readable
        plan.second.push_back({s.rear, s.in, s.out, mClipTime});
    }
    if (request.sound && !failed) {
        const RecordingFacts* front = optionalFacts(s.front, failed);
        if (front && front->hasSound()) {
            mFirstSound = mFirstSound ? mFirstSound : front;
            mCopyable = mCopyable && front->audioCodec == AV_CODEC_ID_AAC && front->sameSound(*mFirstSound);
        }
        plan.sound.push_back({s.front, s.in, s.out, mClipTime});
    }
    mClipTime += s.out - s.in;
    if (mClipTime > kMaxClipSeconds)
        return mJob.fail(ClipFailure::BadRange, QStringLiteral("the clip is longer than a day"));
    return !failed;
}

// The part must lie in the recording; its end may round up to half a frame past the last.
bool ClipPlanner::checkRange(const RecordingFacts& facts, const QString& path, const ClipSegment& segment)
{
    if (!(facts.duration > 0))
        return true;
    const QString name = QFileInfo(path).fileName();
    const QString length = QString::number(facts.duration, 'f', 3);
    if (segment.in >= facts.duration)
        return mJob.fail(ClipFailure::BadRange, QStringLiteral("%1 lasts %2 s: the clip cannot start at %3 s")
                                                    .arg(name, length, QString::number(segment.in)));
    const double slack = 0.5 * av_q2d(av_inv_q(facts.picture.rate)) + 0.001;
    if (segment.out > facts.duration + slack)
        return mJob.fail(ClipFailure::BadRange, QStringLiteral("%1 lasts %2 s: the clip cannot end at %3 s")
                                                    .arg(name, length, QString::number(segment.out)));
    return true;
}

// One camera's recording of a part, probed; null, and failed when it cannot be read.
const RecordingFacts* ClipPlanner::optionalFacts(const QString& path, bool& failed)
{
    const RecordingFacts* facts = path.isEmpty() ? nullptr : mProbe.facts(path);
    failed = !path.isEmpty() && !facts;
    return facts;
}

// The picture formats the filter graph takes: those of each camera's first recording, decoded.
bool ClipPlanner::learnPictureFormats(ClipPlan& plan)
{
    const RecordingFacts* main = mProbe.facts(firstPath(plan.main), StreamProbe::Decode);
    if (!main)
        return false;
    plan.mainFormat = main->picture;
    if (const QString rear = firstPath(plan.second); !rear.isEmpty()) {
        const RecordingFacts* facts = mProbe.facts(rear, StreamProbe::Decode);
        if (!facts)
            return false;
        plan.secondFormat = facts->picture;
    }
    return true;
}
