#pragma once
// Reachability flags and the network status they mean. The flags come from the platform
// (the routing table on Linux); the decision is made here.

#include <cstdint>
#include <functional>
#include <string>

enum NetworkStatus { NotReachable = 0, ReachableViaNetwork = 1 };

namespace ReachabilityFlag {
inline constexpr std::uint32_t TransientConnection = 0x1;
inline constexpr std::uint32_t Reachable = 0x2;
inline constexpr std::uint32_t ConnectionRequired = 0x4;
inline constexpr std::uint32_t ConnectionOnTraffic = 0x8;
inline constexpr std::uint32_t InterventionRequired = 0x10;
inline constexpr std::uint32_t ConnectionOnDemand = 0x20;
inline constexpr std::uint32_t IsLocalAddress = 0x10000;
inline constexpr std::uint32_t IsDirect = 0x20000;
} // namespace ReachabilityFlag

class Reachability {
public:
    // Reads the current flags; returns false when they cannot be read.
    using FlagSource = std::function<bool(std::uint32_t& flags)>;

    explicit Reachability(FlagSource source);

    NetworkStatus currentReachabilityStatus() const;
    NetworkStatus networkStatusForFlags(std::uint32_t flags) const;
    bool connectionRequired() const;

    // "Reachability Flag Status: -R t------ networkStatusForFlags\n"
    static std::string flagStatusLine(std::uint32_t flags, const char* comment);

    // Where the trace lines go; an empty function restores the console.
    static void setTraceSink(std::function<void(const std::string&)> sink);

private:
    FlagSource mSource;
};
