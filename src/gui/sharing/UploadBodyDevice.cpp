#include "UploadBodyDevice.h"

#include <algorithm>
#include <cstring>

UploadBodyDevice::UploadBodyDevice(QByteArray head, const QString& path, QByteArray tail, QObject* parent)
    : QIODevice(parent), mHead(std::move(head)), mTail(std::move(tail)), mFile(path)
{
}

bool UploadBodyDevice::open(OpenMode mode)
{
    if ((mode & WriteOnly) || !mFile.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    mFileSize = mFile.size();
    mPosition = 0;
    // Unbuffered: the position QIODevice reports is the one the next read starts at.
    return QIODevice::open(ReadOnly | Unbuffered);
}

void UploadBodyDevice::close()
{
    mFile.close();
    QIODevice::close();
}

qint64 UploadBodyDevice::size() const
{
    return mHead.size() + mFileSize + mTail.size();
}

bool UploadBodyDevice::seek(qint64 position)
{
    if (position < 0 || position > size() || !QIODevice::seek(position))
        return false;
    mPosition = position;
    return true;
}

qint64 UploadBodyDevice::copyFrom(const QByteArray& part, qint64 offset, char* data, qint64 maxSize) const
{
    const qint64 count = std::min<qint64>(maxSize, part.size() - offset);
    std::memcpy(data, part.constData() + offset, size_t(count));
    return count;
}

qint64 UploadBodyDevice::readData(char* data, qint64 maxSize)
{
    qint64 done = 0;
    while (done < maxSize && mPosition < size()) {
        const qint64 fileStart = mHead.size();
        const qint64 tailStart = fileStart + mFileSize;
        qint64 count = 0;
        if (mPosition < fileStart) {
            count = copyFrom(mHead, mPosition, data + done, maxSize - done);
        } else if (mPosition < tailStart) {
            if (mFile.pos() != mPosition - fileStart && !mFile.seek(mPosition - fileStart))
                return -1;
            count = mFile.read(data + done, std::min(maxSize - done, tailStart - mPosition));
            // A recording that shrank or failed under us must not pass for a shorter body.
            if (count <= 0)
                return -1;
        } else {
            count = copyFrom(mTail, mPosition - tailStart, data + done, maxSize - done);
        }
        done += count;
        mPosition += count;
    }
    return done;
}

qint64 UploadBodyDevice::writeData(const char*, qint64)
{
    return -1;
}
