// The end trim of a movie atom on any bytes: the first byte is the clip's length in seconds.

#include "export/MovieEndTrim.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::vector<unsigned char> moov(data + 1, data + size);
    pmTrimMovieAtom(moov, data[0] / 4.0);
    return 0;
}
