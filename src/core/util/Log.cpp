#include "util/Log.h"

#include "util/FileQueries.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <unistd.h>

namespace {

// The folder is set once at start-up; readers on the backup thread take a shared copy.
std::mutex folderMutex;
std::shared_ptr<const std::string> logPath;

std::shared_ptr<const std::string> currentLogPath()
{
    std::lock_guard lock(folderMutex);
    return logPath;
}

std::function<void(std::string_view)>& consoleSink()
{
    static std::function<void(std::string_view)> sink;
    return sink;
}

} // namespace

void pmSetConsoleSink(std::function<void(std::string_view)> sink)
{
    consoleSink() = std::move(sink);
}

void pmWriteConsole(std::string_view line)
{
    if (const auto& sink = consoleSink())
        sink(line);
}

void pmSetLogFolder(const std::string& folder)
{
    std::string path = folder;
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += kLogFileName;
    std::lock_guard lock(folderMutex);
    logPath = std::make_shared<const std::string>(std::move(path));
}

std::string pmGetLogPath()
{
    auto path = currentLogPath();
    return path ? *path : std::string();
}

std::string pmFormatLogTime(long long secondsSinceEpoch, long microseconds)
{
    std::time_t t = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local{};
    localtime_r(&t, &local);
    char buf[64];
    int n = std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d.%ld", local.tm_year + 1900,
                          local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                          microseconds / 1000);
    return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

void pmWriteLog(std::string_view message)
{
    auto path = currentLogPath();
    if (!path)
        return;
    using namespace std::chrono;
    auto now = system_clock::now().time_since_epoch();
    auto secs = duration_cast<seconds>(now);
    auto micros = duration_cast<microseconds>(now - secs);
    std::string line = pmFormatLogTime(secs.count(), static_cast<long>(micros.count()));
    line += ' ';
    line += message;
    line += '\n';
    // One write() on an O_APPEND descriptor keeps lines from different threads whole.
    int fd = ::open(path->c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    [[maybe_unused]] ssize_t written = ::write(fd, line.data(), line.size());
    ::close(fd);
}

void pmClearLog()
{
    auto path = currentLogPath();
    if (path)
        pmDeleteFile(*path);
}
