#pragma once
// The stretch of a journey between two of its recordings: what a clip from a moment of one
// recording to a moment of a later one runs through. A camera cuts a drive into files of a
// minute or three; a clip of an incident that straddles a cut takes the files in between
// whole, and never jumps into another drive.

#include "trips/TripIndex.h"

#include <string>
#include <vector>

// The chain of the trip from first to last, inclusive, as positions in entries. A rear
// recording stands for its front partner. Empty, with the reason in error, when either lies
// outside the list, they belong to different trips, or last comes before first.
std::vector<int> pmTripChainBetween(const TripIndex& trips, const std::vector<AMediaFile>& entries, int first,
                                    int last, std::string& error);
