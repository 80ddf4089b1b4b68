#include "export/CsvWriter.h"

#include "display/NumberText.h"
#include "export/TextFileWriter.h"
#include "export/TimeText.h"

namespace {

std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

void appendNumber(std::string& row, bool known, double value, int decimals)
{
    row += ',';
    if (known)
        pmAppendFixed(row, value, decimals);
}

void appendRow(std::string& out, const GpsData& sample, std::optional<std::int64_t> millis, const std::string& name)
{
    if (millis) {
        pmAppendUtcText(out, *millis);
        out += ',';
        pmAppendLocalText(out, *millis);
    } else {
        out += ',';
    }
    const bool position = sample.hasPosition();
    appendNumber(out, position, sample.fLatitude(), 6);
    appendNumber(out, position, sample.fLongitude(), 6);
    appendNumber(out, position && sample.fSpeed() >= 0, sample.fSpeed(), 1);
    appendNumber(out, sample.fDirection() >= 0, sample.fDirection(), 1);
    appendNumber(out, position && sample.dAltitude() < kNoAltitude, sample.dAltitude(), 1);
    for (float g : {sample.GetGValueX(), sample.GetGValueY(), sample.GetGValueZ()})
        appendNumber(out, true, g, 3);
    out += ',';
    out += name;
    out += '\n';
}

} // namespace

bool pmWriteCsv(const std::string& path, std::span<const TrackSegment> segments)
{
    std::string rows;
    for (const TrackSegment& segment : segments) {
        const std::string name = csvField(segment.name);
        pmForEachTimedSecond(segment, [&](int, const GpsData& sample, std::optional<std::int64_t> millis) {
            appendRow(rows, sample, millis, name);
        });
    }
    if (rows.empty())
        return false;
    TextFileWriter file;
    if (!file.open(path))
        return false;
    file.write(kCsvHeader);
    file.write(rows);
    return file.close();
}
