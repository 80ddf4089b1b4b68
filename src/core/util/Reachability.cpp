#include "util/Reachability.h"

#include "util/Log.h"

#include <utility>

namespace {

void traceToConsole(const std::string& line)
{
    // The trace lines end with their own line break; the console adds one.
    pmWriteConsole(std::string_view(line).substr(0, line.find_last_not_of('\n') + 1));
}

std::function<void(const std::string&)>& traceSink()
{
    static std::function<void(const std::string&)> sink = traceToConsole;
    return sink;
}

char mark(std::uint32_t flags, std::uint32_t flag, char letter)
{
    return (flags & flag) ? letter : '-';
}

} // namespace

Reachability::Reachability(FlagSource source) : mSource(std::move(source)) {}

void Reachability::setTraceSink(std::function<void(const std::string&)> sink)
{
    traceSink() = sink ? std::move(sink) : traceToConsole;
}

std::string Reachability::flagStatusLine(std::uint32_t flags, const char* comment)
{
    using namespace ReachabilityFlag;
    char buf[128];
    std::snprintf(buf, sizeof buf, "Reachability Flag Status: %c%c %c%c%c%c%c%c%c %s\n", '-',
                  mark(flags, Reachable, 'R'), mark(flags, TransientConnection, 't'),
                  mark(flags, ConnectionRequired, 'c'), mark(flags, ConnectionOnTraffic, 'C'),
                  mark(flags, InterventionRequired, 'i'), mark(flags, ConnectionOnDemand, 'D'),
                  mark(flags, IsLocalAddress, 'l'), mark(flags, IsDirect, 'd'), comment);
    return buf;
}

NetworkStatus Reachability::networkStatusForFlags(std::uint32_t flags) const
{
    using namespace ReachabilityFlag;
    traceSink()(flagStatusLine(flags, "networkStatusForFlags"));
    if (!(flags & Reachable))
        return NotReachable;
    if (!(flags & ConnectionRequired))
        return ReachableViaNetwork;
    bool automatic = (flags & (ConnectionOnTraffic | ConnectionOnDemand)) != 0;
    if (automatic && !(flags & InterventionRequired))
        return ReachableViaNetwork;
    return NotReachable;
}

NetworkStatus Reachability::currentReachabilityStatus() const
{
    std::uint32_t flags = 0;
    if (!mSource || !mSource(flags))
        return NotReachable;
    return networkStatusForFlags(flags);
}

bool Reachability::connectionRequired() const
{
    std::uint32_t flags = 0;
    return mSource && mSource(flags) && (flags & ReachabilityFlag::ConnectionRequired);
}
