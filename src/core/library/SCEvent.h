#pragma once
// One change reported by the folder watcher: the stream's event id, when it was reported, the
// path it concerns and the stream's flag bits. Immutable once made.

#include <chrono>
#include <cstdint>
#include <string>

class SCEvent {
public:
    using Clock = std::chrono::system_clock;

    SCEvent() = default;
    // The path loses one trailing "/" when it is longer than one character.
    SCEvent(std::uint64_t eventId, Clock::time_point eventDate, std::string eventPath, int eventFlags);

    std::uint64_t eventId() const { return _eventId; }
    Clock::time_point eventDate() const { return _eventDate; }
    const std::string& eventPath() const { return _eventPath; }
    int eventFlags() const { return _eventFlags; }

    // "<SCEvent { eventId = 7, eventPath = /media/u/CARD, eventFlags = 128 } >"
    std::string description() const;

private:
    std::uint64_t _eventId = 0;
    Clock::time_point _eventDate;
    std::string _eventPath;
    int _eventFlags = 0;
};
