#include "sharing/HttpResponseParser.h"

#include <algorithm>

namespace {

// Longer lines are not an answer a video service gives.
constexpr std::size_t kMaxLine = 16 * 1024;
// Fifteen hexadecimal digits cannot overflow a signed 64-bit length.
constexpr std::size_t kMaxDigits = 15;

std::string_view trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// b is lower-case.
bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == y; });
}

int digitValue(char c)
{
    c = lower(c);
    return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : 99;
}

// The whole text as a number in base 10 or 16; -1 when it is not one.
std::int64_t parseNumber(std::string_view text, int base)
{
    if (text.empty() || text.size() > kMaxDigits)
        return -1;
    std::int64_t value = 0;
    for (const char c : text) {
        const int digit = digitValue(c);
        if (digit >= base)
            return -1;
        value = value * base + digit;
    }
    return value;
}

} // namespace

HttpResponseParser::State HttpResponseParser::feed(std::string_view bytes, std::string& body)
{
    while (!bytes.empty() && mStep != Step::Done && mStep != Step::Error) {
        const bool inBody = mStep == Step::Length || mStep == Step::ToClose || mStep == Step::ChunkData;
        bytes.remove_prefix(inBody ? takeBody(bytes, body) : takeLine(bytes));
    }
    return state();
}

HttpResponseParser::State HttpResponseParser::close()
{
    if (mStep == Step::ToClose)
        mStep = Step::Done;
    else if (mStep != Step::Done)
        mStep = Step::Error;
    return state();
}

HttpResponseParser::State HttpResponseParser::state() const
{
    switch (mStep) {
    case Step::StatusLine:
    case Step::Header: return State::Head;
    case Step::Done: return State::Done;
    case Step::Error: return State::Error;
    default: return State::Body;
    }
}

std::size_t HttpResponseParser::takeLine(std::string_view bytes)
{
    const std::size_t end = bytes.find('\n');
    const std::size_t used = end == std::string_view::npos ? bytes.size() : end + 1;
    if (mLine.size() + used > kMaxLine) {
        mStep = Step::Error;
        return bytes.size();
    }
    if (end == std::string_view::npos) {
        mLine.append(bytes);
        return used;
    }
    std::string_view line = bytes.substr(0, end);
    if (!mLine.empty()) {
        mLine.append(line);
        line = mLine;
    }
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    onLine(line);
    mLine.clear();
    return used;
}

void HttpResponseParser::onLine(std::string_view line)
{
    switch (mStep) {
    case Step::StatusLine: onStatusLine(line); break;
    case Step::Header: line.empty() ? onHeadEnd() : onHeader(line); break;
    case Step::ChunkSize: onChunkSize(line); break;
    case Step::ChunkEnd: mStep = line.empty() ? Step::ChunkSize : Step::Error; break;
    case Step::Trailer:
        if (line.empty())
            mStep = Step::Done;
        break;
    default: break;
    }
}

void HttpResponseParser::onStatusLine(std::string_view line)
{
    // "HTTP/1.1 200 OK": the version, a three-digit status, and an optional reason.
    const bool valid = line.size() >= 12 && line.substr(0, 7) == "HTTP/1." && line[8] == ' '
        && parseNumber(line.substr(9, 3), 10) >= 100 && (line.size() == 12 || line[12] == ' ');
    if (!valid) {
        mStep = Step::Error;
        return;
    }
    mStatus = int(parseNumber(line.substr(9, 3), 10));
    mReason = line.size() > 13 ? std::string(line.substr(13)) : std::string();
    mLength = -1;
    mChunked = mTransferCoded = false;
    mStep = Step::Header;
}

void HttpResponseParser::onHeader(std::string_view line)
{
    const std::size_t colon = line.find(':');
    if (colon == 0 || colon == std::string_view::npos) {
        mStep = Step::Error;
        return;
    }
    const std::string_view name = line.substr(0, colon);
    const std::string_view value = trim(line.substr(colon + 1));
    if (equalsIgnoringCase(name, "content-length")) {
        const std::int64_t length = parseNumber(value, 10);
        // Two different lengths leave the end of the body unknown.
        if (length < 0 || (mLength >= 0 && mLength != length))
            mStep = Step::Error;
        mLength = length;
    } else if (equalsIgnoringCase(name, "transfer-encoding")) {
        // The last coding decides how the body ends.
        mTransferCoded = true;
        mChunked = value.size() >= 7 && equalsIgnoringCase(value.substr(value.size() - 7), "chunked");
    }
}

void HttpResponseParser::onHeadEnd()
{
    if (mStatus < 200)
        mStep = Step::StatusLine; // an interim answer: the real one follows
    else if (mStatus == 204 || mStatus == 304)
        mStep = Step::Done;
    else if (mTransferCoded)
        mStep = mChunked ? Step::ChunkSize : Step::ToClose;
    else if (mLength >= 0)
        mStep = mLength > 0 ? Step::Length : Step::Done;
    else
        mStep = Step::ToClose;
}

void HttpResponseParser::onChunkSize(std::string_view line)
{
    const std::int64_t size = parseNumber(trim(line.substr(0, line.find(';'))), 16);
    if (size < 0)
        mStep = Step::Error;
    else if (size == 0)
        mStep = Step::Trailer;
    else {
        mLength = size;
        mStep = Step::ChunkData;
    }
}

std::size_t HttpResponseParser::takeBody(std::string_view bytes, std::string& body)
{
    if (mStep == Step::ToClose) {
        body.append(bytes);
        return bytes.size();
    }
    const auto count = std::size_t(std::min<std::int64_t>(mLength, std::int64_t(bytes.size())));
    body.append(bytes.substr(0, count));
    mLength -= std::int64_t(count);
    if (mLength == 0)
        mStep = mStep == Step::Length ? Step::Done : Step::ChunkEnd;
    return count;
}
