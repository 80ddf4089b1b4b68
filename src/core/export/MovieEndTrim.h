#pragma once
// Ends a movie exactly where a clip ends. A muxer that copies packets must keep the frames
// the last pictures are predicted from, even when they fall after the end, and the sound
// comes in packets of its own length; the edit list of each track is what says when the
// presentation stops. This shortens each track's edits, the track headers and the movie
// header to the clip's length, leaving the media as it is.

#include <cstdint>
#include <span>
#include <string>

// Patches the movie atom of the file in place; false, with the file untouched, when it holds
// no readable movie atom. Never lengthens anything.
bool pmTrimMovieEnd(const std::string& path, double seconds);
// The same on the bytes of a movie atom ("moov", its header included).
bool pmTrimMovieAtom(std::span<unsigned char> moov, double seconds);
