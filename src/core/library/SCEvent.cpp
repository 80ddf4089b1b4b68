#include "library/SCEvent.h"

SCEvent::SCEvent(std::uint64_t eventId, Clock::time_point eventDate, std::string eventPath, int eventFlags)
    : _eventId(eventId), _eventDate(eventDate), _eventPath(std::move(eventPath)), _eventFlags(eventFlags)
{
    if (_eventPath.size() > 1 && _eventPath.back() == '/')
        _eventPath.pop_back();
}

std::string SCEvent::description() const
{
    return "<SCEvent { eventId = " + std::to_string(_eventId) + ", eventPath = " + _eventPath +
           ", eventFlags = " + std::to_string(_eventFlags) + " } >";
}
