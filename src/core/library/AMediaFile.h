#pragma once
// One recording: its absolute path and the file's modification time. Immutable once made;
// everything else about a recording is derived from the path (RecordingName.h).

#include "util/CalendarDate.h"

#include <optional>
#include <string>
#include <string_view>

class AMediaFile {
public:
    AMediaFile() = default;
    AMediaFile(std::string path, std::optional<FileTime> fileDate)
        : mURL(std::move(path)), mFileDate(fileDate) {}

    static AMediaFile mediaFileWithURLDate(std::string path, std::optional<FileTime> fileDate)
    {
        return AMediaFile(std::move(path), fileDate);
    }

    // The absolute path of the recording.
    const std::string& URL() const { return mURL; }
    // The modification time; absent when the file's attributes could not be read.
    const std::optional<FileTime>& fileDate() const { return mFileDate; }
    // The last path component.
    std::string_view localizedName() const;

private:
    std::string mURL;
    std::optional<FileTime> mFileDate;
};
