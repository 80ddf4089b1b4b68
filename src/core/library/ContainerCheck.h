#pragma once
// Cheap checks of a video file's container before it enters the library: AVI files by the
// codec of their first stream, MOV and MP4 files by their atom tree (H.264 only, at least
// 0.2 s long). Only headers are read; the media data never is.

#include <string>
#include <string_view>

class ByteSource;

bool pmIsAviCodecReady(const std::string& path);
bool pmIsMovCodecReady(const std::string& path);

// The same checks over an open source; the path only names the file in the log.
bool isAviCodecReady(ByteSource& source);
bool isMovCodecReady(ByteSource& source, std::string_view pathForLog);
