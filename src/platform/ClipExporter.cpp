#include "ClipExporter.h"

#include "ClipJob.h"
#include "ClipOutput.h"
#include "ClipPlan.h"
#include "ClipProbe.h"
#include "ClipRemuxer.h"
#include "ClipTranscoder.h"
#include "LogText.h"
#include "export/MovieEndTrim.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A clip longer than a day is taken as a mistake in the times.
constexpr double kMaxClipSeconds = 24 * 3600;

// A new empty file beside the output, with the permissions an ordinary file gets; empty on
// failure, with the reason.
QString createTemporaryBeside(const QString& output, QString& error)
{
    static std::atomic<unsigned> counter{0};
    const QFileInfo target(output);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = target.absoluteDir().filePath(QStringLiteral(".%1.%2-%3.part")
                                                               .arg(target.fileName())
                                                               .arg(::getpid())
                                                               .arg(counter.fetch_add(1)));
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST) {
            error = QString::fromLocal8Bit(std::strerror(errno));
            break;
        }
    }
    return {};
}

const char* cameraName(bool rear)
{
    return rear ? "rear" : "front";
}

// The part must lie in the recording; its end may round up to half a frame past the last.
bool checkRange(ClipJob& job, const RecordingFacts& facts, const QString& path, const ClipSegment& segment)
{
    if (!(facts.duration > 0))
        return true;
    const QString name = QFileInfo(path).fileName();
    const QString length = QString::number(facts.duration, 'f', 3);
    if (segment.in >= facts.duration)
        return job.fail(ClipFailure::BadRange, QStringLiteral("%1 lasts %2 s: the clip cannot start at %3 s")
                                                   .arg(name, length, QString::number(segment.in)));
    const double slack = 0.5 * av_q2d(av_inv_q(facts.picture.rate)) + 0.001;
    if (segment.out > facts.duration + slack)
        return job.fail(ClipFailure::BadRange, QStringLiteral("%1 lasts %2 s: the clip cannot end at %3 s")
                                                   .arg(name, length, QString::number(segment.out)));
    return true;
}

// One camera's recording of a part, probed; null with the job failed when it cannot be read.
const RecordingFacts* optionalFacts(ClipProbe& probe, const QString& path, bool& failed)
{
    const RecordingFacts* facts = path.isEmpty() ? nullptr : probe.facts(path);
    failed = !path.isEmpty() && !facts;
    return facts;
}

} // namespace

ClipExporter::ClipExporter(ClipRequest request) : mRequest(std::move(request)), m(std::make_unique<ClipJob>())
{
}

ClipExporter::~ClipExporter() = default;

void ClipExporter::setProgressHandler(ProgressHandler handler)
{
    m->progress = std::move(handler);
}

void ClipExporter::cancel()
{
    m->cancelled.store(true);
}

ClipFailure ClipExporter::failure() const
{
    return m->failure();
}

QString ClipExporter::errorString() const
{
    return m->error();
}

double ClipExporter::duration() const
{
    return m->duration;
}

int ClipExporter::damagedFrames() const
{
    return m->damagedFrames;
}

// Checks the times against the recordings and works out the plan: which files each camera
// shows when, their formats, the sound, and whether the packets can simply be copied.
bool ClipExporter::check()
{
    if (mRequest.segments.empty())
        return m->fail(ClipFailure::BadRange, QStringLiteral("the clip takes no recording"));
    if (mRequest.output.isEmpty())
        return m->fail(ClipFailure::WriteFailed, QStringLiteral("no file to write the clip to"));
    const bool rearAlone = mRequest.cameras == ClipCameras::Rear;
    const bool both = mRequest.cameras == ClipCameras::SideBySide || mRequest.cameras == ClipCameras::PictureInPicture;
    auto plan = std::make_unique<ClipPlan>();
    plan->cameras = mRequest.cameras;
    plan->overlay = &mRequest.overlay;
    ClipProbe probe(*m);
    const RecordingFacts* firstMain = nullptr;
    const RecordingFacts* firstSound = nullptr;
    bool copyable = mRequest.overlay.empty() && !both;
    bool failed = false;
    double clipStart = 0;
    for (const ClipSegment& s : mRequest.segments) {
        if (!std::isfinite(s.in) || !std::isfinite(s.out) || s.in < 0)
            return m->fail(ClipFailure::BadRange, QStringLiteral("the clip's times must be seconds into the recordings"));
        if (s.out <= s.in)
            return m->fail(ClipFailure::BadRange, QStringLiteral("the clip's end (%1 s) does not come after its start (%2 s)")
                                                      .arg(s.out).arg(s.in));
        const QString& mainPath = rearAlone ? s.rear : s.front;
        if (mainPath.isEmpty())
            return m->fail(ClipFailure::BadRange, QStringLiteral("a part of the clip has no %1 recording")
                                                      .arg(QLatin1String(cameraName(rearAlone))));
        const RecordingFacts* main = probe.facts(mainPath);
        if (!main || !checkRange(*m, *main, mainPath, s))
            return false;
        firstMain = firstMain ? firstMain : main;
        copyable = copyable && main->videoCopyable() && main->sameVideo(*firstMain);
        plan->main.push_back({mainPath, s.in, s.out, clipStart});
        if (both) {
            optionalFacts(probe, s.rear, failed); // a rear recording named must be readable
            if (failed)
                return false;
            plan->second.push_back({s.rear, s.in, s.out, clipStart});
        }
        if (mRequest.sound) {
            const RecordingFacts* front = optionalFacts(probe, s.front, failed);
            if (failed)
                return false;
            if (front && front->hasSound()) {
                firstSound = firstSound ? firstSound : front;
                copyable = copyable && front->audioCodec == AV_CODEC_ID_AAC && front->sameSound(*firstSound);
            }
            plan->sound.push_back({s.front, s.in, s.out, clipStart});
        }
        clipStart += s.out - s.in;
        if (clipStart > kMaxClipSeconds)
            return m->fail(ClipFailure::BadRange, QStringLiteral("the clip is longer than a day"));
    }
    mReencoded = !copyable;
    if (mReencoded && !learnPictureFormats(probe, *plan))
        return false;
    if (both && !plan->secondFormat)
        plan->secondFormat = plan->mainFormat; // no rear recording at all: black beside the front
    if (firstSound) {
        plan->sampleRate = firstSound->sampleRate;
        plan->channels = firstSound->channels;
    } else {
        plan->sound.clear();
    }
    m->duration = clipStart;
    mPlan = std::move(plan);
    return true;
}

// The picture formats the filter graph takes: those of each camera's first recording, decoded.
bool ClipExporter::learnPictureFormats(ClipProbe& probe, ClipPlan& plan)
{
    const auto firstOf = [](const ClipStretches& stretches) {
        const auto found = std::find_if(stretches.begin(), stretches.end(),
                                        [](const ClipStretch& s) { return !s.path.isEmpty(); });
        return found == stretches.end() ? QString() : found->path;
    };
    const RecordingFacts* main = probe.facts(firstOf(plan.main), StreamProbe::Decode);
    if (!main)
        return false;
    plan.mainFormat = main->picture;
    if (const QString rear = firstOf(plan.second); !rear.isEmpty()) {
        const RecordingFacts* facts = probe.facts(rear, StreamProbe::Decode);
        if (!facts)
            return false;
        plan.secondFormat = facts->picture;
    }
    return true;
}

bool ClipExporter::write(const QString& temporary)
{
    ClipOutput output(*m);
    if (!output.open(temporary))
        return false;
    const bool written = mReencoded ? ClipTranscoder(*m, output).run(*mPlan)
                                    : ClipRemuxer(*m, output).run(mPlan->main, mPlan->sound);
    if (!written || !output.finish())
        return false;
    if (!pmTrimMovieEnd(QFile::encodeName(temporary).toStdString(), m->duration))
        return m->fail(ClipFailure::WriteFailed, QStringLiteral("cannot end the clip at its length"));
    return true;
}

bool ClipExporter::run()
{
    pmQuietFfmpeg();
    if (!check() || m->stopped())
        return false;
    QString error;
    const QString temporary = createTemporaryBeside(mRequest.output, error);
    if (temporary.isEmpty()) {
        m->fail(ClipFailure::WriteFailed,
                QStringLiteral("cannot write in %1: %2").arg(QFileInfo(mRequest.output).absolutePath(), error));
    } else if (!write(temporary) || m->stopped()) {
        QFile::remove(temporary);
    } else if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(mRequest.output).constData()) != 0) {
        m->fail(ClipFailure::WriteFailed,
                QStringLiteral("cannot write %1: %2").arg(mRequest.output, QString::fromLocal8Bit(std::strerror(errno))));
        QFile::remove(temporary);
    } else {
        m->reached(m->duration);
        return true;
    }
    pmWriteLogText(QStringLiteral("ClipExporter - %1: %2").arg(mRequest.output, m->error()));
    return false;
}
