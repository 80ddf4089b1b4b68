#include "library/RecordingName.h"

#include "util/FileQueries.h"
#include "util/TextHelpers.h"

#include <array>

namespace {

struct Prefix {
    std::string_view word;
    int code;
};

// Checked in this order; the first word that starts the name decides.
constexpr std::array<Prefix, 6> kCategoryWords{{
    {"FILE", VideoNormal}, {"EMER", VideoEvent}, {"EVEN", VideoEvent},
    {"PARK", VideoParking}, {"TRIP", VideoTriplapse}, {"TIME", VideoTimelapse},
}};
constexpr std::array<Prefix, 3> kShortCategoryWords{{
    {"BN", VideoNormal}, {"BE", VideoEvent}, {"BP", VideoParking},
}};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::optional<int> matchPrefix(std::string_view upperName, const Prefix* begin, const Prefix* end)
{
    for (const Prefix* p = begin; p != end; ++p)
        if (upperName.starts_with(p->word))
            return p->code;
    return std::nullopt;
}

} // namespace

int pmGetFileType(std::string_view path)
{
    std::string_view name = pmGetFileName(path, false);
    size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return FileTypeOther;
    std::string ext = pmToLower(name.substr(dot + 1));
    if (ext == "avi")
        return FileTypeAvi;
    if (ext == "mov")
        return FileTypeMov;
    if (ext == "mp4")
        return FileTypeMp4;
    return FileTypeOther;
}

std::string_view pmGetFileName(std::string_view path, bool withoutExtension)
{
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    size_t slash = path.rfind('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (withoutExtension) {
        size_t dot = name.rfind('.');
        if (dot != std::string_view::npos && dot > 0)
            name = name.substr(0, dot);
    }
    return name;
}

std::string_view pmGetFolder(std::string_view path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return {};
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

bool pmIsDigits(std::string_view text, size_t start)
{
    if (text.size() < start + 4)
        return false;
    for (size_t i = start; i < start + 4; ++i)
        if (!isDigit(text[i]))
            return false;
    return true;
}

bool pmIsEventFile(const std::string& path)
{
    if (pmIsReadOnly(path))
        return true;
    return pmToUpper(pmGetFileName(path, false)).find("EMER") != std::string::npos;
}

int pmGetVideoType(const std::string& path)
{
    std::string name = pmToUpper(pmGetFileName(path, true));
    std::optional<int> code;
    size_t digitsAt = 0;
    if (name.size() >= 5) {
        code = matchPrefix(name, kCategoryWords.begin(), kCategoryWords.end());
        digitsAt = 4;
    }
    if (!code) {
        code = matchPrefix(name, kShortCategoryWords.begin(), kShortCategoryWords.end());
        digitsAt = 2;
    }
    if (code && pmIsDigits(name, digitsAt))
        return *code;
    return pmIsEventFile(path) ? VideoEvent : VideoNormal;
}

int pmGetCameraType(std::string_view path)
{
    std::string_view name = pmGetFileName(path, true);
    if (name.size() < 4)
        return CameraNone;
    // The letter must follow four digits: ...0001F.
    if (!pmIsDigits(pmReverseString(name), 1))
        return CameraNone;
    switch (name.back()) {
    case 'F':
    case 'f':
        return CameraFront;
    case 'R':
    case 'r':
        return CameraRear;
    default:
        return CameraNone;
    }
}

std::optional<std::string> pmGetAnotherCameraFile(std::string_view path)
{
    return pmGetAnotherCameraFile(path, pmIsFileExist);
}

std::optional<std::string> pmGetAnotherCameraFile(std::string_view path, const PathExists& exists)
{
    if (path.empty())
        return std::nullopt;
    int camera = pmGetCameraType(path);
    if (camera == CameraNone)
        return std::nullopt;
    const char letter = camera == CameraFront ? 'R' : 'F';

    // The camera letter sits just before a three-letter extension.
    std::string name(pmGetFileName(path, false));
    std::string_view folder = pmGetFolder(path);
    if (name.size() < 5 || folder.empty() || folder == "/")
        return std::nullopt;
    name[name.size() - 5] = letter;

    std::string sameFolder = std::string(folder) + "/" + name;
    if (exists(sameFolder))
        return sameFolder;
    // A front folder ending in "F" has a rear twin ending in "R".
    std::string otherFolder(folder);
    otherFolder.back() = letter;
    return otherFolder + "/" + name;
}

int pmGetMotorType(std::string_view path)
{
    if (path.empty())
        return MotorNone;
    std::string_view name = pmGetFileName(path, true);
    if (pmIsDigits(name, 2)) {
        std::string head = pmToUpper(name.substr(0, 2));
        if (head == "BN" || head == "BE" || head == "BP")
            return MotorPrefixed;
    }
    return MotorOrdinary;
}

const char* pmVideoTypeName(int videoType)
{
    static constexpr const char* names[] = {"normal", "event", "parking", "triplapse", "timelapse"};
    return videoType >= 0 && videoType < kVideoTypeCount ? names[videoType] : "unknown";
}

const char* pmCameraTypeName(int cameraType)
{
    static constexpr const char* names[] = {"none", "front", "rear"};
    return cameraType >= 0 && cameraType <= CameraRear ? names[cameraType] : "unknown";
}
