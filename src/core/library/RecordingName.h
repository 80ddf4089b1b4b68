#pragma once
// What a recording is, read from its path: file type, category, camera, motor type and
// where the other camera's recording of the same moment lies. Nothing is stored; callers
// ask again whenever they need a code.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

enum FileType { FileTypeOther = -1, FileTypeAvi = 1, FileTypeMov = 3, FileTypeMp4 = 5 };
enum VideoType { VideoNormal = 0, VideoEvent = 1, VideoParking = 2, VideoTriplapse = 3, VideoTimelapse = 4 };
enum CameraType { CameraNone = 0, CameraFront = 1, CameraRear = 2 };
enum MotorType { MotorNone = 0, MotorOrdinary = 1, MotorPrefixed = 2 };

inline constexpr int kVideoTypeCount = 5;

int pmGetFileType(std::string_view path);
std::string_view pmGetFileName(std::string_view path, bool withoutExtension);
std::string_view pmGetFolder(std::string_view path);
bool pmIsDigits(std::string_view text, size_t start);
int pmGetVideoType(const std::string& path);
bool pmIsEventFile(const std::string& path);
int pmGetCameraType(std::string_view path);
std::optional<std::string> pmGetAnotherCameraFile(std::string_view path);
// Whether a file is there: the disk by default; a caller holding the list of every recording
// found may answer from it instead.
using PathExists = std::function<bool(const std::string&)>;
std::optional<std::string> pmGetAnotherCameraFile(std::string_view path, const PathExists& exists);
int pmGetMotorType(std::string_view path);

// Short names for the category and camera codes ("normal", "front"), for logs and scripts.
const char* pmVideoTypeName(int videoType);
const char* pmCameraTypeName(int cameraType);
