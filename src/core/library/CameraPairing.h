#pragma once
// Front and rear recordings of the same moment: two neighbouring play-list entries where one
// is where the other camera's recording of the other is expected.

#include "library/Playlist.h"
#include "library/RecordingName.h"
#include "util/FileQueries.h"

// The camera code of an entry, 0 outside the list.
int checkDualCameraFileType(const Playlist& playlist, int index);
// The index of the entry's partner, or -1.
int getAnotherCameraFile(const Playlist& playlist, int index);
// The same over any list of recordings in date order, asking exists where the partner's file
// may lie.
int getAnotherCameraFile(const std::vector<AMediaFile>& entries, int index, const PathExists& exists = pmIsFileExist);
// Dual-camera mode is on when the list holds at least one pair.
bool checkDualCameraFolder(const Playlist& playlist);

// What opening an entry in dual-camera mode does.
struct DualSelection {
    int mainIndex = -1;       // opened in the main player (the front of a pair)
    int secondIndex = -1;     // opened in the second player, -1 closes it
    bool showRearLarge = false; // the user picked the rear recording
    int selectIndex = -1;     // the row the file list selects, -1 to leave it
};
DualSelection dualSelectFile(const Playlist& playlist, int index);
