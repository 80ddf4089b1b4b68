#pragma once
// Reachability flags on Linux: a default route in the kernel's routing table means the
// internet can be reached without a connection being set up first.

#include <cstdint>
#include <string_view>

// Flags for the text of /proc/net/route: Reachable (0x2) when an up default route exists.
std::uint32_t pmFlagsFromRouteTable(std::string_view routeTable);

// Reads the system's routing table; false when it cannot be read.
bool pmReadSystemReachabilityFlags(std::uint32_t& flags);
