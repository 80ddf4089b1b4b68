#include "export/TextFileWriter.h"

#include "util/Log.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {
constexpr size_t kBufferSize = 256 * 1024;
}

TextFileWriter::~TextFileWriter()
{
    close();
}

bool TextFileWriter::open(const std::string& path)
{
    close();
    mPath = path;
    mFailed = false;
    mFile = std::fopen(path.c_str(), "wb");
    if (!mFile) {
        pmWriteLog("TextFileWriter::open() - cannot create " + path + " - " + std::strerror(errno));
        return false;
    }
    std::setvbuf(mFile, nullptr, _IOFBF, kBufferSize);
    return true;
}

void TextFileWriter::write(std::string_view text)
{
    if (mFile && !mFailed && std::fwrite(text.data(), 1, text.size(), mFile) != text.size())
        mFailed = true;
}

bool TextFileWriter::close()
{
    if (!mFile)
        return false;
    const bool ok = std::fclose(mFile) == 0 && !mFailed;
    mFile = nullptr;
    struct stat st {};
    // Only a regular file is ours to remove; a device or a link target is not.
    if (!ok && ::lstat(mPath.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        pmWriteLog("TextFileWriter::close() - writing failed, removing " + mPath);
        std::remove(mPath.c_str());
    }
    return ok;
}
