#include "ClipJob.h"

#include <algorithm>
#include <cerrno>
#include <cmath>

AVIOInterruptCB ClipJob::interrupt()
{
    return {[](void* self) { return int(static_cast<ClipJob*>(self)->cancelled.load(std::memory_order_relaxed)); },
            this};
}

bool ClipJob::fail(ClipFailure kind, const QString& text)
{
    if (mFailure == ClipFailure::None) {
        mFailure = kind;
        mError = text;
    }
    return false;
}

bool ClipJob::failWriting(int averror)
{
    if (stopped())
        return false;
    const bool full = averror == AVERROR(ENOSPC) || averror == AVERROR(EDQUOT) || averror == AVERROR(EFBIG);
    return fail(full ? ClipFailure::NoDiskSpace : ClipFailure::WriteFailed,
                QStringLiteral("cannot write the clip: %1").arg(pmAvError(averror)));
}

bool ClipJob::stopped()
{
    if (!cancelled.load(std::memory_order_relaxed))
        return false;
    // A cancel wins over the read or write error it caused.
    mFailure = ClipFailure::Cancelled;
    mError = QStringLiteral("cancelled");
    return true;
}

void ClipJob::reached(double clipSeconds)
{
    if (!progress || !(duration > 0))
        return;
    const int thousandths = static_cast<int>(std::clamp(clipSeconds / duration, 0.0, 1.0) * 1000);
    if (thousandths <= mReported)
        return;
    mReported = thousandths;
    progress(thousandths / 1000.0);
}
