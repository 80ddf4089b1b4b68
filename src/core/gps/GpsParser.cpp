#include "gps/GpsParser.h"

#include "gps/GpsList.h"
#include "gps/NumberParse.h"
#include "util/Log.h"
#include "util/UtcTime.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr double kKmPerMile = 1.6;
constexpr float kMaxDecimalG = 10.0f;
constexpr size_t kReadBlock = 1 << 20;

// The characters that end a field: a comma, and a zero character.
constexpr auto kFieldEnd = [] {
    std::array<bool, 256> ends{};
    ends[','] = ends['\0'] = true;
    return ends;
}();

// A hexadecimal G-sensor field: lower-cased, converted, its low 8 bits as a signed byte.
int hexCount(std::string_view field)
{
    if (field.size() > GpsParser::kMaxWordLength)
        return 0;
    char lower[GpsParser::kMaxWordLength];
    std::transform(field.begin(), field.end(), lower,
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; });
    long value = 0;
    if (!GpsParser::wxtoi(std::string_view(lower, field.size()), value))
        return 0;
    return static_cast<signed char>(static_cast<unsigned char>(value & 0xff));
}

// Degrees and minutes ("ddmm.mmmm" or "dddmm.mmmm") to degrees.
float nmeaDegrees(std::string_view field, size_t degreeDigits, bool negative)
{
    const double degrees = pmIntValue(field.substr(0, degreeDigits));
    const double minutes = pmDecimalValue(field.substr(degreeDigits));
    const float value = static_cast<float>(degrees + minutes / 60.0);
    return negative ? -value : value;
}

// Two decimal digits at pos, or -1.
int twoDigits(std::string_view text, size_t pos)
{
    if (text.size() < pos + 2 || text[pos] < '0' || text[pos] > '9' || text[pos + 1] < '0' || text[pos + 1] > '9')
        return -1;
    return (text[pos] - '0') * 10 + (text[pos + 1] - '0');
}

// The moment of a position sentence: its time field ("hhmmss" with an optional fraction) on its
// date field ("ddmmyy"). Two-digit years count from 1980, where GPS time begins.
std::optional<std::int64_t> nmeaUtcMillis(std::string_view date, std::string_view time)
{
    const int day = twoDigits(date, 0), month = twoDigits(date, 2), yy = twoDigits(date, 4);
    const int hour = twoDigits(time, 0), minute = twoDigits(time, 2), second = twoDigits(time, 4);
    if (date.size() != 6 || day < 0 || month < 0 || yy < 0 || hour < 0 || minute < 0 || second < 0)
        return std::nullopt;
    int millisecond = 0;
    if (time.size() > 6) {
        if (time[6] != '.')
            return std::nullopt;
        int scale = 100;
        for (size_t i = 7; i < time.size() && i < 10; ++i, scale /= 10) {
            if (time[i] < '0' || time[i] > '9')
                return std::nullopt;
            millisecond += (time[i] - '0') * scale;
        }
    }
    return pmUtcMillis(yy < 80 ? 2000 + yy : 1900 + yy, month, day, hour, minute, second, millisecond);
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

int hexDigit(char c)
{
    return c <= '9' ? c - '0' : c - 'a' + 10;
}

} // namespace

void GpsParser::start(GpsList& list)
{
    m_poGpsList = &list;
    m_bStartOfLine = false;
    m_nGpsDataCount = 0;
    m_fLastValidLatitude = 0;
    m_fLastValidLongitude = 0;
}

bool GpsParser::ParseFile(const std::string& path, GpsList& list)
{
    start(list);
    // Non-blocking, so a FIFO in place of a log cannot wait forever for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int error = fd < 0 ? errno : EISDIR;
        if (fd >= 0)
            ::close(fd);
        pmWriteLog("GpsParser::ParseFile() - open file failed !");
        pmWriteLog("GpsParser::ParseFile() - Error Code = " + std::to_string(error));
        return false;
    }
    pmWriteLog("GpsParser::ParseFile() - open file ok !");
    char head[16];
    const ssize_t headSize = ::pread(fd, head, sizeof head, 0);
    const long size = GetNmeaFileSize(std::string_view(head, headSize > 0 ? size_t(headSize) : 0), st.st_size);
    pmWriteLog("GpsParser::ParseFile() - GPS file size = " + std::to_string(size));
    if (size == 0) {
        ::close(fd);
        return false;
    }
    // Read, not mapped: a card pulled out while mapped would kill the process with SIGBUS.
    readBlocks(fd, static_cast<size_t>(std::min<long>(size, st.st_size)));
    ::close(fd);
    return true;
}

void GpsParser::readBlocks(int fd, size_t length)
{
    std::string block(std::min(length, kReadBlock), '\0');
    for (size_t offset = 0; offset < length;) {
        const ssize_t got = ::pread(fd, block.data(), std::min(length - offset, block.size()), static_cast<off_t>(offset));
        if (got <= 0)
            break;
        feed(block.data(), static_cast<size_t>(got));
        offset += static_cast<size_t>(got);
    }
}

bool GpsParser::ParseBytes(std::string_view bytes, GpsList& list)
{
    start(list);
    const long size = GetNmeaFileSize(bytes.substr(0, 16), static_cast<long>(bytes.size()));
    if (size == 0)
        return false;
    feed(bytes.data(), std::min(bytes.size(), static_cast<size_t>(size)));
    return true;
}

long GpsParser::GetNmeaFileSize(std::string_view head, long fileSize)
{
    long headerSize = 0;
    if (head.size() == 16 && head.find('\0') == std::string_view::npos && wxtoi(head.substr(6, 8), headerSize))
        return headerSize;
    return fileSize;
}

void GpsParser::feed(const char* bytes, size_t count)
{
    const char* p = bytes;
    const char* const end = bytes + count;
    while (p < end) {
        const auto* lineEnd = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        if (lineEnd && feedWholeLine(p, lineEnd)) {
            p = lineEnd + 1;
            continue;
        }
        // A line split across reads, or one the quick path leaves: byte by byte.
        for (const char* stop = lineEnd ? lineEnd + 1 : end; p < stop; ++p)
            ProcessChar(static_cast<unsigned char>(*p));
    }
}

// The common case, done without copying: a whole line in the buffer whose sentence starts at
// its last "$" and holds no carriage return but at its end. Byte by byte it would give the
// same sentence. False when the line needs the byte-by-byte path.
bool GpsParser::feedWholeLine(const char* begin, const char* lineEnd)
{
    const auto* dollar = static_cast<const char*>(memrchr(begin, '$', static_cast<size_t>(lineEnd - begin)));
    if (!dollar)
        return !m_bStartOfLine; // bytes outside a sentence are ignored
    const char* sentenceEnd = lineEnd;
    while (sentenceEnd > dollar && sentenceEnd[-1] == '\r')
        --sentenceEnd;
    if (std::memchr(dollar, '\r', static_cast<size_t>(sentenceEnd - dollar)))
        return false;
    const size_t length = std::min<size_t>(static_cast<size_t>(sentenceEnd - dollar), kMaxSentenceLength);
    m_bStartOfLine = false;
    ParseSentence(std::string_view(dollar, length));
    return true;
}

void GpsParser::ProcessChar(unsigned char c)
{
    if (!m_poGpsList)
        return;
    if (c == '$') {
        m_bStartOfLine = true;
        m_szGpsData[0] = '$';
        m_nGpsDataCount = 1;
    } else if (c == '\r') {
        return;
    } else if (c == '\n') {
        if (m_bStartOfLine)
            ParseSentence(std::string_view(m_szGpsData.data(), static_cast<size_t>(m_nGpsDataCount)));
        m_bStartOfLine = false;
    } else if (m_bStartOfLine && m_nGpsDataCount < kMaxSentenceLength) {
        m_szGpsData[static_cast<size_t>(m_nGpsDataCount++)] = static_cast<char>(c);
    }
}

bool GpsParser::ParseGpsWords(std::string_view sentence)
{
    const int previous = m_nWordCount;
    m_nWordCount = 0;
    const char* p = sentence.data();
    const char* const end = p + sentence.size();
    bool split = true;
    for (;;) {
        const char* cut = p;
        while (cut != end && !kFieldEnd[static_cast<unsigned char>(*cut)])
            ++cut;
        if (static_cast<size_t>(cut - p) > kMaxWordLength || m_nWordCount == kMaxWords) {
            split = false;
            break;
        }
        m_Words[static_cast<size_t>(m_nWordCount++)] = std::string_view(p, static_cast<size_t>(cut - p));
        if (cut == end)
            break;
        p = cut + 1;
    }
    // Fields past the end of a short sentence read as empty, not as the previous sentence's.
    for (int i = m_nWordCount; i < previous; ++i)
        m_Words[static_cast<size_t>(i)] = std::string_view();
    return split;
}

bool GpsParser::ParseSentence(std::string_view sentence)
{
    if (!m_poGpsList || !ParseGpsWords(sentence))
        return false;
    const std::string_view type = word(0);
    if (type == "$GPRMC" || type == "$GNRMC") {
        ParseGPRMC();
        m_poGpsList->setBGps(true);
    } else if (type == "$GSENSOR") {
        ParseGSENSOR();
        m_poGpsList->setBSenser(true);
    } else if (type == "$GPGGA" || type == "$GNGGA") {
        ParseGPGGA();
    } else if (type == "$GSENSORD") {
        ParseGSENSORD();
        m_poGpsList->setBSenser(true);
    } else if (type != "$GPGSV" && type != "$GPGSA") {
        return false;
    }
    return true;
}

void GpsParser::ParseGPRMC()
{
    const bool valid = word(2) == "A";
    float latitude = 0;
    float longitude = 0;
    if (valid && !word(3).empty() && !word(4).empty() && word(3).size() >= 3)
        latitude = nmeaDegrees(word(3), 2, word(4).find('S') != std::string_view::npos);
    if (valid && !word(5).empty() && !word(6).empty() && word(5).size() >= 4)
        longitude = nmeaDegrees(word(5), 3, word(6).find('W') != std::string_view::npos);
    const float speed = word(7).empty() ? 0.0f : static_cast<float>(pmDecimalValue(word(7)) * m_MPHPerKnot * kKmPerMile);
    const float direction = word(8).empty() ? 0.0f : static_cast<float>(pmDecimalValue(word(8)));

    if (latitude != 0 && longitude != 0) {
        setLastValidLocation(latitude, longitude);
        m_poGpsList->InsertData(latitude, longitude, speed, direction, -1);
    } else if (getLastValidLocation(latitude, longitude)) {
        m_poGpsList->InsertData(latitude, longitude, -1, direction, -1);
    } else {
        m_poGpsList->InsertData(0, 0, speed, direction, -1);
    }
    if (const auto millis = nmeaUtcMillis(word(9), word(1)))
        m_poGpsList->GetLastData()->setNUtcMillis(*millis);
}

void GpsParser::ParseGPGGA()
{
    GpsData* last = m_poGpsList->GetLastData();
    if (!word(9).empty() && last)
        last->setDAltitude(pmDecimalValue(word(9)));
}

int GpsParser::sensorSampleIndex()
{
    if (!m_poGpsList->IsGPSReady() || m_poGpsList->GetDataCount() == 0) {
        const GpsData blank;
        m_poGpsList->InsertData(&blank, -1);
    }
    return m_poGpsList->GetDataCount() - 1;
}

void GpsParser::ParseGSENSOR()
{
    const int x = hexCount(word(1));
    const int y = hexCount(word(2));
    const int z = hexCount(word(3));
    const int index = sensorSampleIndex();
    m_poGpsList->GetGpsData(index)->setSensorValue(x, y, z);
    m_poGpsList->UpdatePeaks(index, static_cast<float>(x), static_cast<float>(y), static_cast<float>(z), kGPerCount);
}

void GpsParser::ParseGSENSORD()
{
    float g[3];
    for (int axis = 0; axis < 3; ++axis)
        g[axis] = std::clamp(static_cast<float>(pmDecimalValue(word(axis + 1))), -kMaxDecimalG, kMaxDecimalG);
    const int index = sensorSampleIndex();
    m_poGpsList->GetGpsData(index)->setSensorValueGSensor(g[0], g[1], g[2]);
    m_poGpsList->UpdatePeaks(index, g[0], g[1], g[2]);
}

bool GpsParser::wxtoi(std::string_view text, long& result)
{
    if (text.empty())
        return true;
    if (text.size() > 8 || !std::all_of(text.begin(), text.end(), isHexDigit))
        return false;
    long value = 0;
    for (char c : text)
        value = value * 16 + hexDigit(c);
    result = value;
    return true;
}

bool GpsParser::xtoi(std::string_view text, long& result)
{
    if (text.empty())
        return true;
    if (text.size() > 8 || !std::all_of(text.begin(), text.end(), isHexDigit))
        return false;
    long value = 0;
    for (auto it = text.rbegin(); it != text.rend(); ++it)
        value = value * 16 + hexDigit(*it);
    result = value;
    return true;
}

void GpsParser::setLastValidLocation(float latitude, float longitude)
{
    const bool first = (m_fLastValidLatitude == 0 || m_fLastValidLongitude == 0) && latitude != 0 && longitude != 0;
    m_fLastValidLatitude = latitude;
    m_fLastValidLongitude = longitude;
    if (!first || !m_poGpsList)
        return;
    for (int i = 0; i < m_poGpsList->GetDataCount(); ++i) {
        GpsData* sample = m_poGpsList->GetGpsData(i);
        if (!sample->hasPosition()) {
            sample->setFLatitude(latitude);
            sample->setFLongitude(longitude);
            sample->setFSpeed(-1);
        }
    }
}

bool GpsParser::getLastValidLocation(float& latitude, float& longitude) const
{
    const bool valid = m_fLastValidLatitude != 0 && m_fLastValidLongitude != 0;
    latitude = valid ? m_fLastValidLatitude : 0;
    longitude = valid ? m_fLastValidLongitude : 0;
    return valid;
}
