#pragma once
// One recording sent to the video service as a single multipart POST, its body streamed from
// the file on a thread of its own (the window's thread never paces the bytes). Reports the
// bytes sent, the answer's bytes, and how it ended: finished (the service answered with a
// success status) or failed with a code and a description that never holds the access token.

#include <QObject>
#include <QString>

#include <memory>

class QNetworkAccessManager;
class QThread;
class UploadTransfer;

class FacebookUploadRequest : public QObject {
    Q_OBJECT
public:
    // The codes of failed(): a time-out, a recording that cannot be read; an answer with an
    // HTTP error (or unfollowed redirection) status gives that status, a connection failure a
    // negative network code.
    static constexpr int kTimedOut = -1001;
    static constexpr int kFileUnreadable = -1100;
    static constexpr int kDefaultTimeoutMs = 120 * 1000;

    FacebookUploadRequest(QNetworkAccessManager* manager, QObject* parent = nullptr);
    ~FacebookUploadRequest() override;

    // Starts the request to the "/me/videos" address of the video host, through the proxy the
    // manager would use; false when the file cannot be opened (failed() is not emitted then).
    // The time-out counts from the last activity: a request that neither sends nor receives
    // for that long fails with kTimedOut.
    bool start(const QString& videoBase, const QString& token, const QString& path, const QString& title,
               const QString& description, int timeoutMs = kDefaultTimeoutMs);
    // Stops the request; once it returns nothing more is sent or emitted.
    void cancel();
    bool isRunning() const { return mTransfer != nullptr; }

    qint64 bodyLength() const { return mBodyLength; }
    qint64 fileSize() const { return mFileSize; }
    // The text with the access token hidden, for any line that might quote the address.
    QString hideToken(const QString& text) const;

signals:
    void bytesSent(qint64 sent, qint64 total);
    void dataReceived(const QByteArray& data);
    void finished();
    void failed(int code, const QString& description);

private:
    template <typename... Args>
    void follow(void (UploadTransfer::*signal)(Args...), void (FacebookUploadRequest::*handler)(Args...));
    void onTransferFinished();
    void fail(int code, const QString& description);

    QNetworkAccessManager* mManager;
    std::unique_ptr<QThread> mThread;
    UploadTransfer* mTransfer = nullptr; // lives on mThread
    int mRun = 0;                        // tells the running transfer's reports from a cancelled one's
    QString mToken;
    qint64 mBodyLength = 0;
    qint64 mFileSize = 0;
};
