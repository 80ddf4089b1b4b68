#include "gps/GpsLogFile.h"

#include "library/RecordingName.h"
#include "util/FileQueries.h"
#include "util/Log.h"

#include <initializer_list>

namespace {

// "FILE0001F" -> "FILE0001N.NMEA": the log shared by the front and rear recordings.
std::string pairLogName(const std::string& stem)
{
    return stem.empty() ? std::string() : stem.substr(0, stem.size() - 1) + "N.NMEA";
}

std::string joinPath(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path + std::string(name);
}

std::optional<std::string> firstExisting(std::initializer_list<std::string> candidates)
{
    for (const std::string& candidate : candidates)
        if (!candidate.empty() && pmIsFileExist(candidate))
            return candidate;
    return std::nullopt;
}

} // namespace

std::optional<std::string> pmGetGpsLogFile(const std::string& videoPath)
{
    const std::string_view name = pmGetFileName(videoPath, true);
    const std::string_view folder = pmGetFolder(videoPath);
    const std::string stem = joinPath(folder, name);

    if (auto own = firstExisting({stem + ".log", stem + ".txt", stem + ".nmea", stem + ".NMEA"}))
        return own;
    pmWriteLog("pmGetGpsLogFile() - GPS NMEA file not found!");
    pmWriteLog(stem + ".NMEA");
    if (auto pair = firstExisting({pairLogName(stem)}))
        return pair;

    const std::string nmeaFolder = folder.empty() ? std::string() : joinPath(pmGetFolder(folder), "NMEA");
    if (!nmeaFolder.empty() && pmIsFileExist(nmeaFolder)) {
        const std::string base = joinPath(nmeaFolder, name);
        if (auto shared = firstExisting({base + ".nmea", base + ".NMEA", pairLogName(base)}))
            return shared;
    }
    return firstExisting({videoPath + ".txt"});
}
