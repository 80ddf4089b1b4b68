#include "gps/AviChunkWalk.h"

AviWalkResult pmFindAviChunk(ByteWindow& window, std::uint32_t chunkId, AviChunk& chunk)
{
    if (window.size() == 0)
        return AviWalkResult::Failed;
    const unsigned char* head = window.at(0, 12);
    if (!head)
        return AviWalkResult::Failed;
    if (upperFourCC(head) != fourCC("RIFF") || (upperFourCC(head + 8) >> 8) != (fourCC("AVI ") >> 8))
        return AviWalkResult::Stopped;

    bool indexPassed = false;
    for (std::uint64_t pos = 12;;) {
        const unsigned char* idBytes = window.at(pos, 4);
        if (!idBytes)
            return AviWalkResult::Failed;
        const std::uint32_t id = upperFourCC(idBytes);
        pos += 4;
        const bool skipped = id == fourCC("LIST") || id == fourCC("JUNK") || id == fourCC("IDX1");
        if (skipped || id == chunkId) {
            const unsigned char* sizeBytes = window.at(pos, 4);
            if (!sizeBytes)
                return AviWalkResult::Failed;
            const auto size = static_cast<std::int32_t>(readLE32(sizeBytes));
            pos += 4;
            if (id == chunkId) {
                const std::uint64_t left = window.size() > pos ? window.size() - pos : 0;
                chunk.offset = pos;
                chunk.size = size < 0 ? 0 : std::min<std::uint64_t>(static_cast<std::uint64_t>(size), left);
                return AviWalkResult::Found;
            }
            // A negative size would walk backwards, possibly forever.
            if (size < 0)
                return AviWalkResult::Failed;
            pos += static_cast<std::uint64_t>(size);
            indexPassed = indexPassed || id == fourCC("IDX1");
        } else if (id == fourCC("GSEA")) {
            return AviWalkResult::Failed;
        } else if (!indexPassed) {
            return AviWalkResult::Stopped;
        }
    }
}
