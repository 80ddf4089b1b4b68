// The reader of the video service's answers on any bytes: whole or in pieces of any size (the
// first byte), the same bytes must give the same status, body and end.

#include "sharing/HttpResponseParser.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

struct Result {
    HttpResponseParser::State state;
    int status;
    std::string body;
};

Result parse(std::string_view bytes, size_t piece)
{
    HttpResponseParser parser;
    Result result{HttpResponseParser::State::Head, 0, {}};
    for (size_t at = 0; at < bytes.size(); at += piece)
        result.state = parser.feed(bytes.substr(at, piece), result.body);
    result.state = parser.close();
    result.status = parser.status();
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t piece = data[0] ? data[0] : 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const Result whole = parse(bytes, bytes.size() + 1);
    const Result split = parse(bytes, piece);
    if (whole.state != split.state || whole.status != split.status || whole.body != split.body)
        __builtin_trap();
    // The body never holds more than the bytes after the head.
    if (whole.body.size() > bytes.size())
        __builtin_trap();
    return 0;
}
