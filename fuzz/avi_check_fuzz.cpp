// The AVI container check and the AVI length on any bytes.

#include "io/ByteSource.h"
#include "library/ContainerCheck.h"
#include "library/MediaDuration.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    MemoryByteSource source(data, size);
    isAviCodecReady(source);
    aviDuration(source);
    return 0;
}
