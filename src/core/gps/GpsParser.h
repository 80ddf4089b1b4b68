#pragma once
// Reads a camera's NMEA log (position sentences plus the camera's own G-sensor sentences)
// into a track. Bytes are collected into sentences of at most 200 characters, split into at
// most 23 fields of at most 20 characters, and dispatched on the sentence type. Fields are
// views into the sentence buffer: nothing is allocated per sentence.

#include <array>
#include <string>
#include <string_view>

class GpsList;

class GpsParser {
public:
    static constexpr int kMaxSentenceLength = 200;
    static constexpr size_t kMaxWordLength = 20;
    static constexpr int kMaxWords = 23;

    // Parses the whole file, appending to the track. False when the file cannot be opened
    // or there is nothing to parse.
    bool ParseFile(const std::string& path, GpsList& list);
    // The same for a file's contents already in memory.
    bool ParseBytes(std::string_view bytes, GpsList& list);

    // The number of bytes to parse: the size written in the header, when there is one.
    static long GetNmeaFileSize(std::string_view head, long fileSize);

    void ProcessChar(unsigned char c);
    bool ParseSentence(std::string_view sentence);
    bool ParseGpsWords(std::string_view sentence);

    // Hexadecimal text (1 to 8 characters, digits and lower-case a-f). wxtoi reads the most
    // significant digit first; xtoi gives the first digit the lowest weight. Empty text
    // succeeds and leaves the result untouched.
    static bool wxtoi(std::string_view text, long& result);
    static bool xtoi(std::string_view text, long& result);

    void setLastValidLocation(float latitude, float longitude);
    bool getLastValidLocation(float& latitude, float& longitude) const;

private:
    void start(GpsList& list);
    void feed(const char* bytes, size_t count);
    void readBlocks(int fd, size_t length);
    bool feedWholeLine(const char* begin, const char* lineEnd);
    void ParseGPRMC();
    void ParseGPGGA();
    void ParseGSENSOR();
    void ParseGSENSORD();
    // The sample that takes G values: a new blank one while the track has no positions.
    int sensorSampleIndex();
    std::string_view word(int index) const { return m_Words[static_cast<size_t>(index)]; }

    GpsList* m_poGpsList = nullptr;
    bool m_bStartOfLine = false;
    std::array<char, kMaxSentenceLength> m_szGpsData{};
    int m_nGpsDataCount = 0;
    std::array<std::string_view, kMaxWords + 1> m_Words{};
    int m_nWordCount = 0;
    static constexpr double m_MPHPerKnot = 1.150779;
    float m_fLastValidLatitude = 0;
    float m_fLastValidLongitude = 0;
};
