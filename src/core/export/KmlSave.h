#pragma once
// Writes a KML 2.0 document piece by piece: header and styles, a start placemark, the track
// as one line string, an end placemark and the footer. Lines end in CR LF and numbers are
// written "%lf"-style with a point, whatever the user's locale.

#include "export/TextFileWriter.h"

#include <string>
#include <string_view>

struct KmlLocation {
    double longitude = 0;
    double latitude = 0;
    double altitude = 0;
};

class KmlSave {
public:
    bool CreateFile(const std::string& path);
    void WriteHeader(std::string_view name, std::string_view description);
    void WriteStyles();
    // A CDATA section that stays well-formed whatever the text holds: a "]]>" inside is split
    // across two sections.
    static std::string StringAsCData(std::string_view text);
    void WriteBeginTrack(std::string_view name, std::string_view description, const KmlLocation& location);
    void WritePlacemark(std::string_view name, std::string_view description, std::string_view style,
                        const KmlLocation& location);
    void WriteOpenSegment();
    void WriteLocation(const KmlLocation& location);
    void WriteCloseSegment();
    void WriteEndTrack(std::string_view ignored, std::string_view description, const KmlLocation& location);
    void WriteFooter();
    // False when anything could not be written; the partial file is then removed.
    bool CloseFile();
    void WriteToFile(std::string_view text);

private:
    void writeNamed(std::string_view prefix, std::string_view element, std::string_view text);

    TextFileWriter m_myFile;
    std::string mBuffer; // one piece at a time, so numbers are appended without allocation
};
