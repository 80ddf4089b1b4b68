#pragma once
// What the sample card holds: every recording with its folder, name, container, codec,
// recording time and where its track is kept, plus the files that must be rejected.

#include <ctime>
#include <string>
#include <vector>

enum class Container { Mp4, Mov, AviH264, AviMjpeg };

enum class TrackStore {
    None,
    LogBeside,       // NAME.nmea beside each recording
    PairLogBeside,   // NAMEN.NMEA beside, shared name of the front and rear recordings
    PairLogInFolder, // NMEA/NAMEN.NMEA, next to the recordings' folders
    OwnLogInFolder,  // NMEA/NAMEF.NMEA and NMEA/NAMER.NMEA
    TextLog,         // NAME.txt beside each recording
    SensorLog,       // NAME.log beside, G-sensor sentences only (parked car)
    AviChunks,       // "SLLT" and "SGLT" after the index
    AviSensorChunk,  // "SGLT" only
};

struct PlannedClip {
    std::string prefix;   // FILE, EMER, PARK, TRIP, TIME
    int number = 0;       // the four digits
    std::string folder;   // front folder, relative to the card (ends in F)
    Container container = Container::Mp4;
    std::time_t start = 0; // local recording start
    int seconds = 0;
    TrackStore track = TrackStore::None;
    bool rear = true;     // a rear recording of the same moment exists
    double routeStart = 0; // metres driven along the route at the start
    double kmh = 40;
    double peakG = 0;     // a G peak in the middle (events), 0 for none

    std::string extension() const;
    // FILE0001F, or FILE0001R for the rear camera.
    std::string name(bool rearCamera) const;
    // Relative path of the recording of one camera.
    std::string path(bool rearCamera) const;
};

struct RejectedFile {
    std::string path;
    std::string why;
};

inline constexpr const char* kCardRoot = "DCIM";

std::vector<PlannedClip> pmSampleCardPlan();
std::vector<RejectedFile> pmSampleCardRejects();
// "DCIM/NMEA": where shared logs go.
std::string pmSampleCardLogFolder();
