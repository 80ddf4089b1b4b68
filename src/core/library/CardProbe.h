#pragma once
// Whether a newly mounted volume is a dash camera's card: a "DCIM" folder (any letter case) at
// its top holding at least one valid recording. The look is bounded, so a big disk that
// happens to have a DCIM folder answers quickly.

#include "util/FolderWalk.h"

#include <optional>
#include <string>

// The volume's DCIM folder when it holds a recording, or none.
std::optional<std::string> pmFindCardRecordings(const std::string& volumeRoot,
                                                const FolderWalkLimits& limits = {2000, 4});
