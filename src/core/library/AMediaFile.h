#pragma once
// One recording: its absolute path, the file's modification time and, where the scan read it
// from the container's headers, its length. Immutable once made; everything else about a
// recording is derived from the path (RecordingName.h).

#include "util/CalendarDate.h"

#include <optional>
#include <string>
#include <string_view>

class AMediaFile {
public:
    AMediaFile() = default;
    AMediaFile(std::string path, std::optional<FileTime> fileDate, std::optional<double> duration = std::nullopt)
        : mURL(std::move(path)), mFileDate(fileDate), mDuration(duration) {}

    static AMediaFile mediaFileWithURLDate(std::string path, std::optional<FileTime> fileDate)
    {
        return AMediaFile(std::move(path), fileDate);
    }

    // The absolute path of the recording.
    const std::string& URL() const { return mURL; }
    // The modification time; absent when the file's attributes could not be read.
    const std::optional<FileTime>& fileDate() const { return mFileDate; }
    // Seconds, from the headers the scan read; absent when they gave none.
    const std::optional<double>& duration() const { return mDuration; }
    // The last path component.
    std::string_view localizedName() const;

private:
    std::string mURL;
    std::optional<FileTime> mFileDate;
    std::optional<double> mDuration;
};
