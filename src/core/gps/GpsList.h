#pragma once
// The track of one recording: samples in time order, the peak G values and where they are,
// whether positions and G values were found, and how many samples make one second of video.

#include "gps/GpsData.h"

#include <vector>

class GpsList {
public:
    const std::vector<GpsData>& gpslist() const { return mGpslist; }

    int GetDataCount() const { return static_cast<int>(mGpslist.size()); }
    // Inserts before index when 0 <= index < count, else appends; the new count, or -1
    // without a sample.
    int InsertData(const GpsData* sample, int index);
    int InsertData(float latitude, float longitude, float speed, float direction, int index);
    // Removes that very sample (by identity); false when it is not in the track.
    bool DeleteData(const GpsData* sample, bool freeData);
    // A negative index means the last sample; none past the end.
    GpsData* GetGpsData(int index);
    const GpsData* GetGpsData(int index) const;
    GpsData* GetLastData() { return GetGpsData(-1); }
    // The sample to show at a second of video: the strongest of that second's samples.
    const GpsData* GetGpsDataBySecond(int second) const;
    void ClearAllData();
    // Gives back the room grown while appending, once a track is complete.
    void shrinkToFit() { mGpslist.shrink_to_fit(); }
    // Pads a G-sensor track with blank samples up to seconds x frequency.
    void SyncVideoDuration(int seconds);

    // Keeps the peaks after the sample at index got these values, given in units of `unit` G
    // (raw counts for the raw sentence) and kept in G.
    void UpdatePeaks(int index, float x, float y, float z, float unit = 1.0f);

    bool IsGPSReady() const { return m_bGps; }
    bool IsGSensorReady() const { return m_bSenser; }
    float GetMaxGValue() const { return m_fMaxGValue; }
    float GetMinGValue() const { return m_fMinGValue; }
    int GetMaxGIndex() const { return m_nMaxGIndex; }
    int GetMinGIndex() const { return m_nMinGIndex; }
    void SetGpsFrequency(int frequency) { m_nGpsFrequency = frequency; }
    int GetGpsFrequency() const { return m_nGpsFrequency; }

    bool bGps() const { return m_bGps; }
    bool bSenser() const { return m_bSenser; }
    void setBGps(bool v) { m_bGps = v; }
    void setBSenser(bool v) { m_bSenser = v; }
    void setFMaxGValue(float v) { m_fMaxGValue = v; }
    void setFMinGValue(float v) { m_fMinGValue = v; }
    void setNMaxGIndex(int v) { m_nMaxGIndex = v; }
    void setNMinGIndex(int v) { m_nMinGIndex = v; }

private:
    std::vector<GpsData> mGpslist;
    float m_fMaxGValue = 0;
    float m_fMinGValue = 0;
    int m_nMaxGIndex = -1;
    int m_nMinGIndex = -1;
    bool m_bGps = false;
    bool m_bSenser = false;
    int m_nGpsFrequency = 1;
};
