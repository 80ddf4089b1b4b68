#pragma once
// Builds the header structure of MOV/MP4 and AVI files in memory, with knobs for the ways
// camera files go wrong. The media data is filler: only the containers are under test.

#include <cstdint>
#include <string>

struct Mp4Options {
    std::string firstAtom = "ftyp";
    std::string sampleEntry = "avc1"; // first track's first sample entry
    bool audioTrackFirst = false;     // an mp4a track ahead of the video track
    bool movieAtEnd = true;           // ftyp, mdat, moov (as cameras write them)
    std::uint32_t timeScale = 1000;
    std::uint64_t duration = 10000;
    bool movieHeaderVersion1 = false;
    std::uint64_t mediaBytes = 4096;  // size of the mdat body
    bool mediaSizeZero = false;       // mdat header says 0
    bool mediaLargeSize = false;      // mdat written with a 64-bit size
    bool upperCaseTypes = false;
};

std::string makeMp4(const Mp4Options& options = {});

// The smallest AVI layout that puts the first stream's handler at byte 112. The stream header
// gives frames per second as rate/scale; rate 0 leaves only the main header's rounded timing.
std::string makeAvi(const std::string& handler = "H264", std::uint32_t frames = 300,
                    std::uint32_t microsPerFrame = 33333, std::uint32_t rate = 30);
