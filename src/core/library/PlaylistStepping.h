#pragma once
// Where next and previous go, with c the current index and n the play-list size.

#include "library/Playlist.h"

#include <optional>

// The neighbour a single player opens: none with fewer than two entries. A current index
// below 0 means nothing is open; the caller passes the file list's selection instead.
std::optional<int> nextPlaylistIndex(int current, int count);
std::optional<int> previousPlaylistIndex(int current, int count);

// The target of a dual-camera step. Forward skips the partner when a second player is open;
// backward from a rear recording lands on its front. Equal to current means: stop.
int dualNextTarget(const Playlist& playlist, int current, bool forward, bool wrap, bool hasSecondPlayer);
