#include "FileTimes.h"

#include <fcntl.h>
#include <sys/stat.h>

FileTimes fileTimesOf(const std::string& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return {st.st_atim, st.st_mtim};
}

bool setFileTimes(const std::string& path, const FileTimes& times)
{
    const timespec both[2] = {times.access, times.modification};
    return ::utimensat(AT_FDCWD, path.c_str(), both, 0) == 0;
}

bool setLocalTime(const std::string& path, const char* localTime)
{
    std::tm tm{};
    if (!::strptime(localTime, "%Y-%m-%dT%H:%M:%S", &tm))
        return false;
    tm.tm_isdst = -1;
    const timespec t{std::mktime(&tm), 0};
    return setFileTimes(path, {t, t});
}

long long nanosApart(const timespec& a, const timespec& b)
{
    return (static_cast<long long>(a.tv_sec) - b.tv_sec) * 1000000000LL + (a.tv_nsec - b.tv_nsec);
}
