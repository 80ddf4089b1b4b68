#pragma once
// What an export of the open recording covers: the recording alone, its whole trip, or every
// recording of its day (one segment each, in date order).

#include "trips/TripIndex.h"

#include <vector>

enum class ExportScope { Recording, Trip, Day };

// The recordings (positions in entries) the scope takes around an entry. A rear recording's
// trip and day are its front's; alone it is itself. Empty outside the list.
std::vector<int> pmExportRecordings(const TripIndex& trips, const std::vector<AMediaFile>& entries, ExportScope scope,
                                    int entry);
