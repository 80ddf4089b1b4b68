#pragma once
// A recording opened with FFmpeg: its duration and natural size, and the picture at a time.
//
// Opening probes the whole container (AVI headers carry no duration) and opens a decoder for
// its video stream; the demuxer and decoder stay open, so further pictures of the same
// recording skip the probe. An instance keeps that state without a lock: it may move between
// threads, but only one thread may use it at a time. For parallel work use one instance per
// thread, or imageAtAsync, which opens its own.
//
// Bad input (a missing, truncated or garbage file, no video stream, a negative or NaN time)
// never crashes or hangs: opening and every picture are bounded in work and time, and a
// failure gives an invalid asset or a null image with errorString() saying why.

#include <QFuture>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

class MediaAsset {
public:
    explicit MediaAsset(const QString& path);   // opens and probes (avformat_find_stream_info)
    ~MediaAsset();
    MediaAsset(const MediaAsset&) = delete;
    MediaAsset& operator=(const MediaAsset&) = delete;

    bool isValid() const;                       // a decodable video stream was found
    QString errorString() const;
    double duration() const;                    // seconds; 0 when unknown
    QSize naturalSize() const;                  // display size of the video stream
    // Seeks to the key frame at or before t and decodes to the first frame at or after t
    // (past the end: the last frame). The picture has the natural size, format RGB32.
    // Blocking (tens of ms for 1080p): never call it on the GUI thread where a user waits.
    QImage imageAt(double seconds);             // null image on failure, errorString() says why
    // The time of the picture the last imageAt returned (seconds), -1 after a failure.
    double actualTime() const;
    // The same on a worker thread (QtConcurrent / QThreadPool).
    static QFuture<QImage> imageAtAsync(const QString& path, double seconds);

private:
    struct Media;
    QImage fail(const QString& reason);

    std::unique_ptr<Media> m;
    QString mPath;
    QString mError;
    double mDuration = 0;
    QSize mNaturalSize;
    double mActualTime = -1;
};
