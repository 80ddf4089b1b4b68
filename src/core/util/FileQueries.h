#pragma once
// Small file-system queries shared by every layer.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

bool pmDeleteFile(const std::string& path);
bool pmIsFileExist(const std::string& path);
std::uint64_t pmGetFileSize(const std::string& path);

// A new empty file beside the path, hidden and named after it, for a file written whole and
// then renamed to the path. It gets the permissions of any new file (mkstemp's would be owner
// only). Its path, or empty with the reason.
std::string pmCreateFileBeside(const std::string& path, std::string& error);

// True when the file cannot be written: no write bit for anyone, or on a read-only mount.
// Judged from the permission bits rather than access(), which says yes to root for everything.
bool pmIsReadOnly(const std::string& path);

// True when the folder can be listed now, as the library's scan will list it.
bool pmCanListFolder(const std::string& path);

// The path is the folder itself or lies somewhere below it; a trailing slash on the folder
// does not matter. Text only: nothing is looked up.
bool pmIsAtOrBelow(std::string_view path, std::string_view folder);

std::int64_t pmGetFreeDiskSpace(const std::string& path);

// The mount point of the volume that holds the path ("/Volumes/CARD" on macOS,
// "/media/USER/CARD", "/run/media/USER/CARD" or "/mnt/CARD" here), or none.
std::optional<std::string> pmGetVolumeRoot(std::string_view path);
