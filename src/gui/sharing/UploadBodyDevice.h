#pragma once
// The body of one upload request, read straight from the recording: the multipart head, the
// file's bytes and the tail, as one seekable device. Only a read's worth of the file is in
// memory at a time, so a recording of several gigabytes uploads like a small one.

#include <QByteArray>
#include <QFile>
#include <QIODevice>

class UploadBodyDevice : public QIODevice {
    Q_OBJECT
public:
    UploadBodyDevice(QByteArray head, const QString& path, QByteArray tail, QObject* parent = nullptr);

    // Opens the recording for reading; false when it is gone or unreadable.
    bool open(OpenMode mode) override;
    void close() override;
    bool isSequential() const override { return false; }
    qint64 size() const override;
    bool seek(qint64 position) override;
    qint64 fileSize() const { return mFileSize; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    qint64 copyFrom(const QByteArray& part, qint64 offset, char* data, qint64 maxSize) const;

    QByteArray mHead;
    QByteArray mTail;
    QFile mFile;
    qint64 mFileSize = 0;
    qint64 mPosition = 0;
};
