// The MOV/MP4 container check and the movie length on any bytes.

#include "io/ByteSource.h"
#include "library/ContainerCheck.h"
#include "library/MediaDuration.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    MemoryByteSource source(data, size);
    isMovCodecReady(source, "fuzz input");
    movDuration(source);
    return 0;
}
