#pragma once
// Cheap checks of a video file's container before it enters the library: AVI files by the
// codec of their first stream, MOV and MP4 files by their atom tree (H.264 only, at least
// 0.2 s long). Only headers are read; the media data never is.

#include <optional>
#include <string>
#include <string_view>

class ByteSource;

bool pmIsAviCodecReady(const std::string& path);
bool pmIsMovCodecReady(const std::string& path);

// The same checks over an open source; the path only names the file in the log. When asked,
// the length the headers give (read on the way, at no extra cost) goes to seconds.
bool isAviCodecReady(ByteSource& source, std::optional<double>* seconds = nullptr);
bool isMovCodecReady(ByteSource& source, std::string_view pathForLog, std::optional<double>* seconds = nullptr);
