#include "gps/GpsList.h"

#include <algorithm>
#include <functional>

int GpsList::InsertData(const GpsData* sample, int index)
{
    if (!sample)
        return -1;
    if (index >= 0 && index < GetDataCount())
        mGpslist.insert(mGpslist.begin() + index, *sample);
    else
        mGpslist.push_back(*sample);
    return GetDataCount();
}

int GpsList::InsertData(float latitude, float longitude, float speed, float direction, int index)
{
    const GpsData sample(latitude, longitude, speed, direction);
    return InsertData(&sample, index);
}

bool GpsList::DeleteData(const GpsData* sample, bool)
{
    // std::less orders any two pointers, also one from outside the track.
    const std::less<const GpsData*> before;
    if (mGpslist.empty() || before(sample, mGpslist.data()) || !before(sample, mGpslist.data() + mGpslist.size()))
        return false;
    mGpslist.erase(mGpslist.begin() + (sample - mGpslist.data()));
    return true;
}

GpsData* GpsList::GetGpsData(int index)
{
    return const_cast<GpsData*>(static_cast<const GpsList*>(this)->GetGpsData(index));
}

const GpsData* GpsList::GetGpsData(int index) const
{
    if (index < 0)
        return mGpslist.empty() ? nullptr : &mGpslist.back();
    return index < GetDataCount() ? &mGpslist[static_cast<size_t>(index)] : nullptr;
}

const GpsData* GpsList::GetGpsDataBySecond(int second) const
{
    const long long f = m_nGpsFrequency;
    if (f == 1 || second < 0)
        return GetGpsData(second);
    const long long count = GetDataCount();
    const long long first = second * f;
    const long long end = std::min(first + f, count);
    const GpsData* best = nullptr;
    for (long long i = first; i < end; ++i) {
        const GpsData& sample = mGpslist[static_cast<size_t>(i)];
        if (!best || sample.strength() > best->strength())
            best = &sample;
    }
    return best;
}

void GpsList::ClearAllData()
{
    *this = GpsList();
}

void GpsList::SyncVideoDuration(int seconds)
{
    const long long target = static_cast<long long>(seconds) * m_nGpsFrequency;
    if (!m_bSenser || GetDataCount() >= target)
        return;
    GpsData pad;
    pad.m_fSpeed = 0;
    if (!mGpslist.empty()) {
        pad.m_fLatitude = mGpslist.back().m_fLatitude;
        pad.m_fLongitude = mGpslist.back().m_fLongitude;
        pad.m_fSpeed = -1;
    }
    mGpslist.resize(static_cast<size_t>(target), pad);
}

void GpsList::UpdatePeaks(int index, float x, float y, float z, float unit)
{
    // Into G as the sample stores them, so an equal reading compares equal: dividing the
    // stored peak back into counts does not give the count again (126 x 0.016 / 0.016).
    x *= unit;
    y *= unit;
    z *= unit;
    const float newMax = std::max({m_fMaxGValue, x, y, z});
    const float newMin = std::min({m_fMinGValue, x, y, z});
    const bool single = GetDataCount() == 1;
    if (newMax > m_fMaxGValue || single)
        m_nMaxGIndex = index;
    if (newMin < m_fMinGValue || single)
        m_nMinGIndex = index;
    m_fMaxGValue = newMax;
    m_fMinGValue = newMin;
}
