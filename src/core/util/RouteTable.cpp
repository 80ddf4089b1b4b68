#include "util/RouteTable.h"

#include "util/Reachability.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr unsigned kRouteUp = 0x1;

// One line: Iface Destination Gateway Flags RefCnt Use Metric Mask ...; numbers in hex.
bool isUpDefaultRoute(std::string_view line)
{
    std::istringstream in{std::string(line)};
    std::string iface, destination, gateway, flags;
    if (!(in >> iface >> destination >> gateway >> flags))
        return false;
    if (destination != "00000000" || iface == "lo")
        return false;
    unsigned long value = std::strtoul(flags.c_str(), nullptr, 16);
    return (value & kRouteUp) != 0;
}

} // namespace

std::uint32_t pmFlagsFromRouteTable(std::string_view routeTable)
{
    size_t pos = routeTable.find('\n'); // the first line names the columns
    while (pos != std::string_view::npos && pos < routeTable.size()) {
        size_t end = routeTable.find('\n', pos + 1);
        std::string_view line = routeTable.substr(pos + 1, end == std::string_view::npos ? end : end - pos - 1);
        if (isUpDefaultRoute(line))
            return ReachabilityFlag::Reachable;
        pos = end;
    }
    return 0;
}

bool pmReadSystemReachabilityFlags(std::uint32_t& flags)
{
    std::ifstream file("/proc/net/route");
    if (!file)
        return false;
    std::stringstream text;
    text << file.rdbuf();
    flags = pmFlagsFromRouteTable(text.str());
    return true;
}
