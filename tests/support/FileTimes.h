#pragma once
// Reading and setting the times of fixture files, to the nanosecond.

#include <ctime>
#include <string>

struct FileTimes {
    timespec access{};
    timespec modification{};
};

FileTimes fileTimesOf(const std::string& path);
bool setFileTimes(const std::string& path, const FileTimes& times);
// "YYYY-MM-DDThh:mm:ss" in the local time zone, as a modification (and access) time.
bool setLocalTime(const std::string& path, const char* localTime);
// Nanoseconds from b to a.
long long nanosApart(const timespec& a, const timespec& b);
