#include "gps/ByteWindow.h"

const unsigned char* ByteWindow::at(std::uint64_t offset, size_t count)
{
    if (count > mBuffer.size())
        return nullptr;
    if (offset < mStart || offset + count > mStart + mFilled) {
        mStart = offset;
        mFilled = mSource.readAt(offset, mBuffer.data(), mBuffer.size());
        if (count > mFilled)
            return nullptr;
    }
    return mBuffer.data() + (offset - mStart);
}
