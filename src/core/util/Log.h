#pragma once
// The application log: one line per call, appended to "KorivManagerLog_mac.txt" in the
// folder the caller chose (the user's Documents folder in the application).

#include <functional>
#include <string>
#include <string_view>

inline constexpr const char* kLogFileName = "KorivManagerLog_mac.txt";

// Sets the folder that holds the log file. Until a folder is set, lines are dropped.
void pmSetLogFolder(const std::string& folder);
std::string pmGetLogPath();

// Appends "YYYY-MM-DD hh:mm:ss.<ms> message\n". The file is opened and closed for every
// line so that the backup thread can log without a lock.
void pmWriteLog(std::string_view message);
void pmClearLog();

// The time stamp part of a log line for the given moment (local time, milliseconds unpadded).
std::string pmFormatLogTime(long long secondsSinceEpoch, long microseconds);

// Console lines: short traces for whoever watches the program run, apart from the log file.
// The application chooses where they go; until it does, they are dropped.
void pmSetConsoleSink(std::function<void(std::string_view)> sink);
void pmWriteConsole(std::string_view line);
