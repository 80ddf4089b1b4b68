#include "export/KmlSave.h"

#include "display/NumberText.h"

#include <array>

namespace {

constexpr std::string_view kPaddleIcons = "http://maps.google.com/mapfiles/kml/paddle/";
constexpr std::string_view kPushpinIcons = "http://maps.google.com/mapfiles/kml/pushpin/";
constexpr std::string_view kCircleHotSpot = "<hotSpot x=\"32\" y=\"1\" xunits=\"pixels\" yunits=\"pixels\"/>";
constexpr std::string_view kPushpinHotSpot = "<hotSpot x=\"20\" y=\"2\" xunits=\"pixels\" yunits=\"pixels\"/>";

struct IconStyle {
    std::string_view id;
    std::string_view base;
    std::string_view file;
    std::string_view hotSpot;
    std::string_view closing;
};

constexpr std::array kIconStyles{
    IconStyle{"sh_green-circle", kPaddleIcons, "grn-circle.png", kCircleHotSpot, "</IconStyle></Style>\r\n"},
    IconStyle{"sh_red-circle", kPaddleIcons, "red-circle.png", kCircleHotSpot, "</IconStyle></Style>\r\n"},
    IconStyle{"sh_ylw-pushpin", kPushpinIcons, "ylw-pushpin.png", kPushpinHotSpot, "</IconStyle></Style>\r\n"},
    IconStyle{"sh_blue-pushpin", kPushpinIcons, "blue-pushpin.png", kPushpinHotSpot, "</IconStyle></Style>\r\n"},
    IconStyle{"sh_green-pushpin", kPushpinIcons, "grn-pushpin.png", kPushpinHotSpot, "</IconStyle></Style>"},
    IconStyle{"sh_red-pushpin", kPushpinIcons, "red-pushpin.png", kPushpinHotSpot, "</IconStyle></Style>"},
};

void appendNumbers(std::string& out, const KmlLocation& location, bool withAltitude)
{
    pmAppendFixed(out, location.longitude, 6);
    out += ',';
    pmAppendFixed(out, location.latitude, 6);
    if (withAltitude) {
        out += ',';
        pmAppendFixed(out, location.altitude, 6);
    }
}

} // namespace

bool KmlSave::CreateFile(const std::string& path)
{
    return m_myFile.open(path);
}

void KmlSave::WriteToFile(std::string_view text)
{
    m_myFile.write(text);
}

std::string KmlSave::StringAsCData(std::string_view text)
{
    std::string out = "<![CDATA[";
    for (size_t end; (end = text.find("]]>")) != std::string_view::npos; text.remove_prefix(end + 3)) {
        out.append(text.substr(0, end));
        out += "]]]]><![CDATA[>";
    }
    out.append(text);
    return out + "]]>";
}

void KmlSave::writeNamed(std::string_view prefix, std::string_view element, std::string_view text)
{
    mBuffer.assign(prefix);
    mBuffer += '<';
    mBuffer += element;
    mBuffer += '>';
    mBuffer += StringAsCData(text);
    mBuffer += "</";
    mBuffer += element;
    mBuffer += ">\r\n";
    WriteToFile(mBuffer);
}

void KmlSave::WriteHeader(std::string_view name, std::string_view description)
{
    WriteToFile("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                "<kml xmlns=\"http://earth.google.com/kml/2.0\" xmlns:atom=\"http://www.w3.org/2005/Atom\">\r\n"
                "<Document>\r\n"
                "<atom:author><atom:name>Koriv Manager on Mac</atom:name></atom:author>\r\n");
    writeNamed("", "name", name);
    writeNamed("", "description", description);
    WriteStyles();
}

void KmlSave::WriteStyles()
{
    WriteToFile("<Style id=\"track\"><LineStyle><color>7f0000ff</color><width>4</width></LineStyle></Style>\r\n");
    for (const IconStyle& style : kIconStyles) {
        mBuffer.assign("<Style id=\"");
        mBuffer += style.id;
        mBuffer += "\"><IconStyle><scale>1.3</scale><Icon><href>";
        mBuffer += style.base;
        mBuffer += style.file;
        mBuffer += "</href></Icon>";
        mBuffer += style.hotSpot;
        mBuffer += style.closing;
        WriteToFile(mBuffer);
    }
}

void KmlSave::WritePlacemark(std::string_view name, std::string_view description, std::string_view style,
                             const KmlLocation& location)
{
    WriteToFile("<Placemark>\r\n");
    writeNamed("  ", "name", name);
    writeNamed("  ", "description", description);
    mBuffer.assign("  <styleUrl>");
    mBuffer += style;
    mBuffer += "</styleUrl>\r\n  <Point>\r\n    <coordinates>";
    appendNumbers(mBuffer, location, false);
    mBuffer += "</coordinates>\r\n  </Point>\r\n</Placemark>\r\n";
    WriteToFile(mBuffer);
}

void KmlSave::WriteBeginTrack(std::string_view name, std::string_view description, const KmlLocation& location)
{
    WritePlacemark("(Start)", description, "#sh_green-circle", location);
    WriteToFile("<Placemark>\r\n");
    writeNamed("", "name", name);
    writeNamed("", "description", description);
    WriteToFile("<styleUrl>#track</styleUrl>\r\n<MultiGeometry>\r\n");
}

void KmlSave::WriteOpenSegment()
{
    WriteToFile("<LineString><coordinates>");
}

void KmlSave::WriteLocation(const KmlLocation& location)
{
    mBuffer.clear();
    appendNumbers(mBuffer, location, true);
    mBuffer += ' ';
    WriteToFile(mBuffer);
}

void KmlSave::WriteCloseSegment()
{
    WriteToFile("</coordinates></LineString>");
}

void KmlSave::WriteEndTrack(std::string_view, std::string_view description, const KmlLocation& location)
{
    WriteToFile("</MultiGeometry>\r\n</Placemark>\r\n");
    WritePlacemark("(End)", description, "#sh_red-circle", location);
}

void KmlSave::WriteFooter()
{
    WriteToFile("</Document>\r\n</kml>\r\n");
}

bool KmlSave::CloseFile()
{
    return m_myFile.close();
}
