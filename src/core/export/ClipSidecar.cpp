#include "export/ClipSidecar.h"

#include "util/FileQueries.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

bool hasPosition(const GpsList& track)
{
    const std::vector<GpsData>& samples = track.gpslist();
    return std::any_of(samples.begin(), samples.end(), [](const GpsData& sample) { return sample.hasPosition(); });
}

} // namespace

ClipSidecar::~ClipSidecar()
{
    if (!mTemporary.empty())
        ::unlink(mTemporary.c_str());
}

bool ClipSidecar::prepare(std::span<const ClipTrackSpan> spans, std::string_view name)
{
    if (!hasPosition(pmClipTrack(spans)))
        return true;
    std::string temporary = pmCreateFileBeside(mPath, mError);
    if (temporary.empty()) {
        mError = "cannot write " + mPath + ": " + mError;
        return false;
    }
    if (!pmWriteClipGpx(temporary, spans, name)) {
        mError = "cannot write " + mPath;
        ::unlink(temporary.c_str());
        return false;
    }
    mTemporary = std::move(temporary);
    mHasTrack = true;
    return true;
}

bool ClipSidecar::publish()
{
    if (mTemporary.empty())
        return true;
    if (std::rename(mTemporary.c_str(), mPath.c_str()) != 0) {
        mError = "cannot write " + mPath + ": " + std::strerror(errno);
        return false;
    }
    mTemporary.clear();
    return true;
}
